// The property inspector in the running program: the main window's command
// and tool button show it, a block clicked on the canvas appears in it, and
// a typed value changes the block as one undoable edit.
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "app/TMainForm.h"
#include "platform/ProfileFile.h"
#include "support/ProgramHome.h"
#include "tools/TPropertyEditorForm.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

using namespace quobrix;

namespace {

void Click(QWidget& canvas, QPoint at) {
  QTest::mousePress(&canvas, Qt::LeftButton, {}, at);
  QTest::mouseRelease(&canvas, Qt::LeftButton, {}, at);
}

// A chart window with a rectangle whose middle, at zoom 100, is at (57, 57)
// on the canvas; nothing is selected yet.
struct Program {
  Program() {
    main.show();
    chart = main.CreateNewSheme();
    Model().AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
    Model().SetActiveBlock(0);
    Model().SetModified(false);
  }
  BlocksHolderModel& Model() const { return chart->bh->Model(); }
  TInspectorForm& Inspector() const { return *main.Inspector(); }
  QToolButton& Button() const { return *main.findChild<QToolButton*>(QStringLiteral("tbInspector")); }

  test::ProgramHome home;
  TMainForm main{home.context};
  THolderForm* chart = nullptr;
};

}  // namespace

class PropertyEditorWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void aBlockClickedAndEditedThroughTheInspector() {
    Program p;
    QAction& command = p.main.Commands().Action(CommandId::Inspector);
    QCOMPARE(command.shortcut(), QKeySequence(Qt::Key_F11));
    QVERIFY(p.Inspector().isHidden());
    QTest::mouseClick(&p.Button(), Qt::LeftButton);
    QVERIFY(p.Inspector().isVisible());
    QVERIFY(p.Button().isChecked());
    QVERIFY(p.Inspector().edPosX->text().isEmpty());

    Click(*p.chart->bh, QPoint(57, 57));
    QCOMPARE(p.Model().ActiveBlock(), std::int64_t(1));
    QCOMPARE(p.Inspector().edPosX->text(), QStringLiteral("10"));
    const int points = p.Model().History().FUndoCount();

    QLineEdit& x = *p.Inspector().edPosX;
    x.selectAll();
    QTest::keyClicks(&x, QStringLiteral("12"));
    QTest::keyClick(&x, Qt::Key_Return);
    QCOMPARE(p.Model().Blocks(1).X, std::int64_t(1200));
    QCOMPARE(p.Model().History().FUndoCount(), points + 1);

    // Undo takes the block back and leaves nothing selected.
    p.main.Commands().Action(CommandId::Undo).trigger();
    QCOMPARE(p.Model().Blocks(1).X, std::int64_t(1000));
    Click(*p.chart->bh, QPoint(57, 57));
    QCOMPARE(x.text(), QStringLiteral("10"));

    // Closing the window only hides it and releases the button.
    p.Inspector().close();
    QVERIFY(p.Inspector().isHidden());
    QVERIFY(!p.Button().isChecked() && !command.isChecked());
    command.trigger();
    QVERIFY(p.Inspector().isVisible() && p.Button().isChecked());
  }

  void closingTheChartWindowEmptiesTheInspector() {
    Program p;
    p.main.Commands().Action(CommandId::Inspector).trigger();
    Click(*p.chart->bh, QPoint(57, 57));
    QCOMPARE(p.Inspector().edW->text(), QStringLiteral("20"));
    p.Model().SetModified(false);
    p.chart->close();
    QVERIFY(p.Inspector().edW->text().isEmpty());
    QVERIFY(!p.Inspector().edW->isEnabled());
  }

  void itsPlacementComesBackAtTheNextStart() {
    test::ProgramHome home;
    {
      TMainForm first(home.context);
      first.show();
      first.Commands().Action(CommandId::Inspector).trigger();
      first.Inspector()->move(150, 120);
      QVERIFY(first.SaveSettings());
    }
    const ProfileFile saved(home.SettingsFile());
    QCOMPARE(saved.ReadString(QStringLiteral("WinPos"), QStringLiteral("InspectorX")), QStringLiteral("150"));
    TMainForm second(home.context);
    second.show();
    QVERIFY(second.Inspector()->isVisible());
    QCOMPARE(second.Inspector()->pos(), QPoint(150, 120));
    QVERIFY(second.findChild<QToolButton*>(QStringLiteral("tbInspector"))->isChecked());
  }
};

QTEST_MAIN(PropertyEditorWindowTest)
#include "PropertyEditorWindowTest.moc"
