// The symbol palette on a real chart window: what each kind of button arms,
// drawing with the mouse afterwards, and the window's own placement.
#include <QAccessible>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "chart/SymbolTable.h"
#include "platform/ProfileFile.h"
#include "support/FakeChartHost.h"
#include "support/TempDir.h"
#include "tools/TLibraryForm.h"

using namespace quobrix;

namespace {

struct Palette {
  // The action the button of that component name shows.
  QAction& Button(const char* name) {
    return *form.aToolBar1->findChild<QToolButton*>(QString::fromLatin1(name))->defaultAction();
  }
  BlocksHolderModel& Chart() { return chart.model(); }
  // Presses, drags and releases on the canvas.
  void Draw(int x, int y, int w, int h) {
    TBlocksHolder& canvas = *chart.form->bh;
    canvas.CanvasMouseDown(Qt::LeftButton, {}, x, y);
    canvas.CanvasMouseMove(Qt::LeftButton, {}, x + w, y + h);
    canvas.CanvasMouseUp();
  }

  test::ChartWindow chart;
  QWidget owner;
  ToolWindowRegistry registry;
  TLibraryForm form{owner, chart.host.table, registry, chart.context};
};

}  // namespace

class TLibraryFormTest : public QObject {
  Q_OBJECT

 private slots:
  void everyButtonIsThereInOrderWithANameToReadOut() {
    Palette p;
    const QList<QToolButton*> faces = p.form.aToolBar1->findChildren<QToolButton*>();
    const auto buttons = PaletteButtons();
    QCOMPARE(faces.size(), qsizetype(buttons.size()));
    QCOMPARE(buttons.size(), std::size_t{38});
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      QCOMPARE(faces[qsizetype(i)]->objectName(), QString::fromLatin1(buttons[i].name));
      QVERIFY(!faces[qsizetype(i)]->icon().isNull());
      QAccessibleInterface* face = QAccessible::queryAccessibleInterface(faces[qsizetype(i)]);
      QVERIFY2(!face->text(QAccessible::Name).isEmpty(), buttons[i].name);
    }
    // A symbol's button is its command: the menus' caption, the palette's hint.
    QCOMPARE(&p.Button("ToolButton2"), &p.chart.host.table.Action(CommandId::InsertSymbol, btRectangle));
    QCOMPARE(p.Button("ToolButton2").text(), QStringLiteral("Прямоугольник"));
    QCOMPARE(p.Button("ToolButton2").toolTip(), QStringLiteral("Прямоугольник"));
    QCOMPARE(p.Button("ToolButton9").toolTip(), QStringLiteral("Цикл \"ДЛЯ\""));
  }

  // Arming is no edit; the symbol drawn is, and undo takes it away.
  void rectangleArmsBlockDrawingAndTheDrawnBlockIsAnUndoPoint() {
    Palette p;
    p.Chart().SetModified(false);
    p.Button("ToolButton2").trigger();
    QVERIFY(p.Chart().DrawingBlockByHand());
    QVERIFY(!p.Chart().DrawingLineByHand());
    QCOMPARE(int(p.Chart().DrawedBlockType()), int(btRectangle));
    QCOMPARE(p.Chart().History().FUndoCount(), 0);
    QVERIFY(!p.Chart().FModified());
    QCOMPARE(p.chart.context.Settings().LastLibrarySymbol(), int(btRectangle));
    p.Draw(100, 100, 80, 40);
    QCOMPARE(p.Chart().History().FUndoCount(), 1);
    QCOMPARE(p.Chart().BlockCount(), qint64(1));
    QCOMPARE(int(p.Chart().Blocks(1).BT), int(btRectangle));
    QVERIFY(!p.Chart().DrawingBlockByHand());  // one symbol per press
  }

  // Assistive tools toggle a checkable button rather than click it; that
  // arms the tool as a click does, and the buttons show which tool is armed.
  void togglingAButtonArmsItsTool() {
    Palette p;
    auto* rectangle = p.form.aToolBar1->findChild<QToolButton*>(QStringLiteral("ToolButton2"));
    auto* pointer = p.form.aToolBar1->findChild<QToolButton*>(QStringLiteral("tbCursorArrow"));
    QVERIFY(pointer->isChecked());
    rectangle->toggle();
    QVERIFY(p.Chart().DrawingBlockByHand());
    QCOMPARE(int(p.Chart().DrawedBlockType()), int(btRectangle));
    QVERIFY(rectangle->isChecked() && !pointer->isChecked());
    rectangle->toggle();  // an armed tool stays armed
    QVERIFY(p.Chart().DrawingBlockByHand() && rectangle->isChecked());
    pointer->toggle();
    QVERIFY(!p.Chart().DrawingBlockByHand());
    QVERIFY(pointer->isChecked() && !rectangle->isChecked());
  }

  void lineArmsLineDrawingNotBlockDrawing() {
    Palette p;
    p.Button("tbLine").trigger();
    QVERIFY(p.Chart().DrawingLineByHand());
    QVERIFY(!p.Chart().DrawingMLineByHand());
    QVERIFY(!p.Chart().DrawingBlockByHand());
    QCOMPARE(p.chart.context.Settings().LastLibrarySymbol(), int(btLine));
  }

  void polylineStaysOnAndRepeatsAsALine() {
    Palette p;
    p.Button("tbMLine").trigger();
    QVERIFY(p.Chart().DrawingMLineByHand() && p.Chart().DrawingLineByHand());
    QCOMPARE(p.chart.context.Settings().LastLibrarySymbol(), int(btLine));
    p.Draw(50, 50, 40, 0);
    p.Draw(90, 50, 0, 40);
    QCOMPARE(p.Chart().BlockCount(), qint64(2));
    QVERIFY(p.Chart().DrawingLineByHand());
  }

  void withMultiInsertDownSeveralSymbolsAreDrawnFromOnePress() {
    Palette p;
    p.Button("tbMultiInsert").trigger();
    QVERIFY(p.Button("tbMultiInsert").isChecked());
    QVERIFY(p.chart.form->bh->FMultiInsert);
    p.Button("ToolButton2").trigger();
    for (int i = 0; i < 3; ++i) p.Draw(40 + 100 * i, 60, 60, 30);
    QCOMPARE(p.Chart().BlockCount(), qint64(3));
    for (qint64 n = 1; n <= 3; ++n) QCOMPARE(int(p.Chart().Blocks(n).BT), int(btRectangle));
    QVERIFY(p.Chart().DrawingBlockByHand());
    p.Button("tbMultiInsert").trigger();
    QVERIFY(!p.chart.form->bh->FMultiInsert);
  }

  // The switch carries a tag of 38, which is not a symbol to draw.
  void multiInsertNeverArmsDrawing() {
    Palette p;
    p.Button("ToolButton6").trigger();
    p.Button("tbMultiInsert").trigger();
    QVERIFY(!p.Chart().DrawingBlockByHand());
    QVERIFY(!p.Chart().DrawingLineByHand());
    QCOMPARE(int(p.Chart().DrawedBlockType()), int(btEllipse));
    QCOMPARE(p.chart.context.Settings().LastLibrarySymbol(), int(btEllipse));
    QCOMPARE(p.Chart().History().FUndoCount(), 0);
  }

  void theCursorButtonDisarms() {
    Palette p;
    p.Button("tbLine").trigger();
    p.Button("tbCursorArrow").trigger();
    QVERIFY(!p.Chart().DrawingLineByHand());
    p.Button("ToolButton11").trigger();
    p.Button("tbCursorArrow").trigger();
    QVERIFY(!p.Chart().DrawingBlockByHand());
  }

  void repeatSymbolArmsTheLastPaletteSymbolAgain() {
    Palette p;
    p.Button("ToolButton16").trigger();
    p.Draw(60, 60, 50, 50);
    QVERIFY(!p.Chart().DrawingBlockByHand());
    p.chart.host.table.Action(CommandId::RepeatSymbol).trigger();
    QVERIFY(p.Chart().DrawingBlockByHand());
    QCOMPARE(int(p.Chart().DrawedBlockType()), int(btDocument));
  }

  void withoutAChartWindowTheButtonsDoNothing() {
    Palette p;
    p.chart.host.ChartWindowClosed(*p.chart.form);
    p.Button("ToolButton2").trigger();
    QCOMPARE(p.chart.context.Settings().LastLibrarySymbol(), -1);
    QVERIFY(!p.Chart().DrawingBlockByHand());
  }

  // A chart window that becomes active draws as the switch shows.
  void aNewActiveWindowTakesTheMultiInsertSwitch() {
    Palette p;
    p.Button("tbMultiInsert").trigger();
    test::FakeChartHost& host = p.chart.host;
    auto other = std::make_unique<THolderForm>(host, p.chart.context);
    QVERIFY(!other->bh->FMultiInsert);
    host.ChartWindowActivated(*other);
    QVERIFY(other->bh->FMultiInsert);
  }

  void theFirstShowingIsInTheBottomLeftCornerOfTheWorkArea() {
    Palette p;
    p.form.show();
    const QRect work = p.form.screen()->availableGeometry();
    QCOMPARE(p.form.frameGeometry().left(), work.left());
    QCOMPARE(p.form.frameGeometry().bottom(), work.bottom());
    QVERIFY(p.form.height() >= p.form.aToolBar1->findChild<QToolButton*>()->height());
    p.form.hide();
    p.form.move(300, 200);
    p.form.show();
    QCOMPARE(p.form.pos(), QPoint(300, 200));
  }

  void narrowedTheButtonsWrapIntoMoreRows() {
    Palette p;
    p.form.show();
    const int oneRow = p.form.height();
    p.form.resize(200, oneRow);
    QTest::qWait(0);
    QVERIFY(p.form.minimumHeight() > oneRow);
    const QList<QToolButton*> faces = p.form.aToolBar1->findChildren<QToolButton*>();
    QVERIFY(faces.last()->geometry().bottom() > faces.first()->geometry().bottom());
    QVERIFY(faces.last()->geometry().right() <= 200);
  }

  void thePlacementKeysGoThroughTheSettingsFile() {
    Palette p;
    test::TempDir dir;
    const QString path = QString::fromStdString(dir.File("quobrix.ini"));
    p.form.show();
    p.form.setGeometry(150, 120, 400, 300);
    {
      ProfileFile settings(path);
      p.registry.SaveLayouts(settings);
      QVERIFY(settings.Save());
    }
    const ProfileFile saved(path);
    QCOMPARE(saved.ReadBool(QStringLiteral("WinPos"), QStringLiteral("Library"), false), true);
    QCOMPARE(saved.ReadInteger(QStringLiteral("WinPos"), QStringLiteral("LibraryH"), 0), 300);
    ProfileFile hidden(path);
    hidden.WriteBool(QStringLiteral("WinPos"), QStringLiteral("Library"), false);
    p.form.setGeometry(0, 0, 300, 300);
    p.registry.LoadLayouts(hidden);
    QVERIFY(p.form.isHidden());
    QVERIFY(!p.chart.host.table.Action(CommandId::Library).isChecked());
    QCOMPARE(p.form.size(), QSize(400, 300));
    p.form.show();  // kept where the settings put it, not placed afresh
    QCOMPARE(p.form.size(), QSize(400, 300));
  }
};

QTEST_MAIN(TLibraryFormTest)
#include "TLibraryFormTest.moc"
#include "view/AppContext.h"
