// The sheet size and chart information dialogs, opened by their commands on
// a real chart window and answered as a user would.
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "platform/Cp1251Codec.h"
#include "support/FakeChartHost.h"
#include "support/ModalAnswer.h"
#include "tools/TSheetSizeForm.h"
#include "tools/TShemeInfoForm.h"
#include "view/CodePageEdits.h"
#include "view/TBlocksHolder.h"

using namespace quobrix;

namespace {

struct Dialogs {
  BlocksHolderModel& Chart() { return w.model(); }
  // Runs the command with `fill` answering the dialog it opens.
  void Run(CommandId command, std::function<void(QWidget&)> fill) {
    test::ModalAnswer answer(std::move(fill));
    w.host.table.Action(command).trigger();
  }
  // Types the two numbers into the sheet size dialog and presses OK.
  void EnterSize(const char* width, const char* height) {
    Run(CommandId::SheetSize, [this, width, height](QWidget&) {
      sheetSize.edWidth->setText(QString::fromUtf8(width));
      sheetSize.edHeight->setText(QString::fromUtf8(height));
      sheetSize.bOK->click();
    });
  }

  test::ChartWindow w;
  QWidget owner;
  TSheetSizeForm sheetSize{owner, w.host.table};
  TShemeInfoForm info{owner, w.host.table};
};

}  // namespace

class TSheetSizeFormTest : public QObject {
  Q_OBJECT

 private slots:
  void goodNumbersSetBothSidesAsOneUndoStep() {
    Dialogs d;
    d.EnterSize("150", " 200 ");
    QCOMPARE(d.Chart().SheetWidth(), 15000);
    QCOMPARE(d.Chart().SheetHeight(), 20000);
    QVERIFY(d.Chart().FModified());
    QCOMPARE(d.Chart().History().FUndoCount(), 1);
    // The fields keep what was typed.
    QCOMPARE(d.sheetSize.edWidth->text(), QStringLiteral("150"));
  }

  void aBadEntryChangesNeitherSide_data() {
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::newRow("a word and a number") << QStringLiteral("abc") << QStringLiteral("150");
    QTest::newRow("a number and a word") << QStringLiteral("150") << QStringLiteral("abc");
    QTest::newRow("zero") << QStringLiteral("0") << QStringLiteral("150");
    QTest::newRow("negative") << QStringLiteral("150") << QStringLiteral("-150");
    QTest::newRow("beyond a hundred metres") << QStringLiteral("100001") << QStringLiteral("150");
    QTest::newRow("beyond any number") << QStringLiteral("99999999999999999999") << QStringLiteral("150");
    QTest::newRow("a fraction") << QStringLiteral("150.5") << QStringLiteral("150");
  }

  void aBadEntryChangesNeitherSide() {
    QFETCH(QString, width);
    QFETCH(QString, height);
    Dialogs d;
    d.EnterSize(width.toUtf8().constData(), height.toUtf8().constData());
    QCOMPARE(d.Chart().SheetWidth(), 21000);
    QCOMPARE(d.Chart().SheetHeight(), 29700);
    QVERIFY(!d.Chart().FModified());
    QCOMPARE(d.Chart().History().FUndoCount(), 0);
  }

  void cancelChangesNothing() {
    Dialogs d;
    d.Run(CommandId::SheetSize, [&d](QWidget&) {
      d.sheetSize.edWidth->setText(QStringLiteral("100"));
      d.sheetSize.bCancel->click();
    });
    QCOMPARE(d.Chart().SheetWidth(), 21000);
  }

  void theWidthFieldHasTheFocus() {
    Dialogs d;
    bool focused = false;
    d.Run(CommandId::SheetSize, [&d, &focused](QWidget&) {
      // The window's own focus child: activation itself is up to the window system.
      focused = d.sheetSize.focusWidget() == d.sheetSize.edWidth;
      d.sheetSize.bCancel->click();
    });
    QVERIFY(focused);
  }

  void chartInformationShowsTheChartsTextsAndStoresThemAsOneUndoStep() {
    Dialogs d;
    d.Chart().SetAuthor(*UnicodeToCp1251(QString::fromUtf8("Петров")));
    d.Chart().SetDescription("one\r\ntwo");
    QString shownAuthor, shownDescription;
    d.Run(CommandId::ChartInfo, [&](QWidget&) {
      shownAuthor = d.info.edAuthor->text();
      shownDescription = d.info.mDescr->toPlainText();
      d.info.edOrg->setText(QString::fromUtf8("Завод"));
      d.info.mDescr->setPlainText(QStringLiteral("one\nthree"));
      d.info.bOK->click();
    });
    QCOMPARE(shownAuthor, QString::fromUtf8("Петров"));
    QCOMPARE(shownDescription, QStringLiteral("one\ntwo"));
    QCOMPARE(Cp1251ToUnicode(d.Chart().Organization()), QString::fromUtf8("Завод"));
    QCOMPARE(d.Chart().Description(), std::string("one\r\nthree"));
    QCOMPARE(d.Chart().History().FUndoCount(), 1);
    d.Chart().Undo();
    QCOMPARE(d.Chart().Organization(), std::string());
  }

  void chartInformationCancelledChangesNothing() {
    Dialogs d;
    d.Run(CommandId::ChartInfo, [&d](QWidget&) {
      d.info.edAuthor->setText(QStringLiteral("X"));
      d.info.bCancel->click();
    });
    QCOMPARE(d.Chart().Author(), std::string());
    QCOMPARE(d.Chart().History().FUndoCount(), 0);
  }

  // They opened at the screen's top left corner, far from the chart they change.
  void bothOpenOverTheMiddleOfTheirChartWindowAndOnItsScreen_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QPoint>("windowAt");
    QTest::addColumn<bool>("centred");  // else only kept on the screen
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint middle = screen.center() - QPoint(150, 100);
    const QPoint beyond = screen.bottomRight() - QPoint(50, 50);
    QTest::newRow("sheet size, in the middle") << int(CommandId::SheetSize) << middle << true;
    QTest::newRow("information, in the middle") << int(CommandId::ChartInfo) << middle << true;
    QTest::newRow("sheet size, at the screen's corner") << int(CommandId::SheetSize) << beyond << false;
    QTest::newRow("information, at the screen's corner") << int(CommandId::ChartInfo) << beyond << false;
  }

  void bothOpenOverTheMiddleOfTheirChartWindowAndOnItsScreen() {
    QFETCH(int, command);
    QFETCH(QPoint, windowAt);
    QFETCH(bool, centred);
    Dialogs d;
    d.w.form->setGeometry(QRect(windowAt, QSize(300, 200)));
    QRect shown;
    d.Run(static_cast<CommandId>(command), [&shown](QWidget& dialog) {
      shown = dialog.frameGeometry();
      QMetaObject::invokeMethod(&dialog, "reject");
    });
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.contains(shown), qPrintable(QStringLiteral("shown at %1,%2").arg(shown.x()).arg(shown.y())));
    // Up to a window frame off: the frame is known only once the dialog shows.
    if (centred) QVERIFY((shown.center() - d.w.form->frameGeometry().center()).manhattanLength() <= 8);
  }

  void bothFollowTheirMenuItemsCaption() {
    Dialogs d;
    QCOMPARE(d.sheetSize.windowTitle(), QString::fromUtf8("Задать размеры"));
    d.w.host.table.Action(CommandId::ChartInfo).setText(QStringLiteral("Chart description"));
    QCOMPARE(d.info.windowTitle(), QStringLiteral("Chart description"));
  }
};

QTEST_MAIN(TSheetSizeFormTest)
#include "TSheetSizeFormTest.moc"
