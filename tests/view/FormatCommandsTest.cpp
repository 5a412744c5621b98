// The format menu on a real chart window: each picture item sets the value
// of its tag, the dialogs write what the user chose with the undo rules of
// their command, and each item is enabled exactly when it can act.
#include <QColorDialog>
#include <QFontDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "support/FakeChartHost.h"
#include "support/ModalAnswer.h"
#include "view/FormatCommands.h"

using namespace quobrix;

namespace {

using Window = test::ChartWindow;

std::int64_t AddActiveLine(BlocksHolderModel& chart) {
  const std::int64_t n = chart.AddDefaultBlock(btLine, 1000, 1000, 3000, 0);
  chart.GoToBlock(n);
  return n;
}

// Answers the colour dialog with `color`, or cancels it when none is given.
std::unique_ptr<test::ModalAnswer> AnswerColor(std::optional<QColor> color) {
  return std::make_unique<test::ModalAnswer>([color](QWidget& modal) {
    auto* dialog = qobject_cast<QColorDialog*>(&modal);
    if (!dialog) return false;
    if (!color) {
      dialog->reject();
      return true;
    }
    dialog->setCurrentColor(*color);
    dialog->accept();
    return true;
  });
}

QAction* MenuItem(const QWidget& window, const char* menu, const char* item) {
  const auto* sub = window.findChild<QMenu*>(QString::fromLatin1(menu));
  if (!sub) return nullptr;
  for (QAction* action : sub->actions())
    if (action->objectName() == QString::fromLatin1(item)) return action;
  return nullptr;
}

}  // namespace

class FormatCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  // "Окончания линии" in the chart window's own menu bar.
  void aLineEndItemOfTheMenuSetsItsCode() {
    Window w;
    AddActiveLine(w.model());
    QAction* arrow = MenuItem(*w.form, "mLineArrows", "N74");
    QVERIFY(arrow && arrow->isEnabled());
    arrow->trigger();
    QCOMPARE(w.model().Blocks(1).LineArrows, std::uint8_t(blaEndArrow));
    QCOMPARE(w.model().History().FUndoCount(), 1);
    MenuItem(*w.form, "mLineArrows", "N77")->trigger();
    QCOMPARE(w.model().Blocks(1).LineArrows, std::uint8_t(blaBothFilledArrows));
  }

  void everyPictureItemSetsTheValueOfItsTag_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("field");
    QTest::newRow("fill style") << int(CommandId::FillStyle) << 0;
    QTest::newRow("line style") << int(CommandId::LineStyle) << 1;
    QTest::newRow("line width") << int(CommandId::LineWidth) << 2;
    QTest::newRow("line ends") << int(CommandId::LineEnds) << 3;
    QTest::newRow("text placement") << int(CommandId::TextPlacement) << 4;
    QTest::newRow("text alignment") << int(CommandId::TextAlign) << 5;
  }
  void everyPictureItemSetsTheValueOfItsTag() {
    QFETCH(int, command);
    QFETCH(int, field);
    Window w;
    AddActiveLine(w.model());
    for (QAction* item : w.host.table.Items(static_cast<CommandId>(command))) {
      item->trigger();
      const TBlock& b = w.model().Blocks(1);
      const std::int64_t values[] = {b.FS, b.BS, b.BW, b.LineArrows, b.TP, b.TA};
      QCOMPARE(values[field], std::int64_t(MenuTag(*item)));
    }
  }

  // The defaults reach blocks added later; the chart itself does not change.
  void defaultItemsSetWhatNewBlocksReceive() {
    Window w;
    w.host.table.Action(CommandId::DefaultLineWidth, 500).trigger();
    w.host.table.Action(CommandId::DefaultFillStyle, bsCross).trigger();
    w.host.table.Action(CommandId::DefaultTextPlacement, btpRightSide).trigger();
    QVERIFY(!w.model().FModified());
    QCOMPARE(w.model().History().FUndoCount(), 0);
    const TBlock& b = w.model().Blocks(w.model().AddDefaultBlock(btRectangle, 0, 0, 1000, 1000));
    QCOMPARE(b.BW, std::int64_t(500));
    QCOMPARE(b.FS, std::uint8_t(bsCross));
    QCOMPARE(b.TP, std::uint8_t(btpRightSide));
  }

  // A line drawn by hand takes the default ends, symbols none; the option
  // "new lines end with an arrow" sets the default of the windows.
  void theDefaultLineEndsReachLinesDrawnByHand() {
    Window w;
    QCOMPARE(w.model().DefLineArrows(), blaSimple);
    w.host.table.Action(CommandId::DefaultLineEnds, blaFilledEndArrow).trigger();
    QVERIFY(!w.model().FModified());
    w.model().SetDrawingLineByHand(true);
    QTest::mousePress(w.form->bh, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseRelease(w.form->bh, Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(w.model().Blocks(1).BT, std::uint8_t(btLine));
    QCOMPARE(w.model().Blocks(1).LineArrows, std::uint8_t(blaFilledEndArrow));
    QCOMPARE(w.model().Blocks(w.model().AddDefaultBlock(btRectangle, 0, 0, 100, 100)).LineArrows,
             std::uint8_t(blaSimple));

    w.context.Settings().ChangeOptions([](ProgramOptions& options) { options.NewLinesWithArrow = true; });
    QCOMPARE(w.model().DefLineArrows(), blaEndArrow);
    w.context.Settings().ChangeOptions([](ProgramOptions& options) { options.NewLinesWithArrow = false; });
    QCOMPARE(w.model().DefLineArrows(), blaSimple);
  }

  void colourDialogsWriteTheChosenColour() {
    Window w;
    AddActiveLine(w.model());
    {
      const auto answer = AnswerColor(QColor(255, 0, 0));
      w.host.table.Action(CommandId::LineColor).trigger();
    }
    QCOMPARE(w.model().Blocks(1).BC, TColor(0x0000FF));
    QCOMPARE(w.model().History().FUndoCount(), 1);
    {
      const auto answer = AnswerColor(QColor(0, 0, 255));
      w.host.table.Action(CommandId::SheetColor).trigger();
    }
    QCOMPARE(w.model().SheetColor(), TColor(0xFF0000));
    QCOMPARE(w.model().History().FUndoCount(), 2);
    {
      const auto answer = AnswerColor(QColor(0, 0, 255));  // the colour the sheet has
      w.host.table.Action(CommandId::SheetColor).trigger();
    }
    QCOMPARE(w.model().History().FUndoCount(), 2);
    {
      const auto answer = AnswerColor(QColor(0, 255, 0));
      w.host.table.Action(CommandId::DefaultFillColor).trigger();
    }
    QCOMPARE(w.model().DefBlockColor(), TColor(0x00FF00));
    QCOMPARE(w.model().History().FUndoCount(), 2);
  }

  void cancelledDialogsChangeNothing() {
    Window w;
    AddActiveLine(w.model());
    w.model().SetModified(false);
    const TColor sheet = w.model().SheetColor();
    {
      const auto answer = AnswerColor(std::nullopt);
      w.host.table.Action(CommandId::SheetColor).trigger();
      w.host.table.Action(CommandId::BlockColor).trigger();
    }
    QCOMPARE(w.model().SheetColor(), sheet);
    QCOMPARE(w.model().Blocks(1).MC, TColor(clWhite));
    QCOMPARE(w.model().History().FUndoCount(), 0);
    QVERIFY(!w.model().FModified());
  }

  // The dialog's face, size and style; the block keeps its text colour.
  void theFontDialogSetsFaceSizeAndStyle() {
    Window w;
    AddActiveLine(w.model());
    w.model().Blocks(1).TF.Color = 0x0000FF;
    {
      test::ModalAnswer answer([](QWidget& modal) {
        auto* dialog = qobject_cast<QFontDialog*>(&modal);
        if (!dialog) return false;
        QFont font(QStringLiteral("DejaVu Serif"), 20);
        font.setBold(true);
        dialog->setCurrentFont(font);
        dialog->accept();
        return true;
      });
      w.host.table.Action(CommandId::TextFont).trigger();
    }
    const TBlockFont& font = w.model().Blocks(1).TF;
    QCOMPARE(font.Size(), 20);
    QVERIFY(font.Bold && !font.Italic);
    QCOMPARE(font.Color, TColor(0x0000FF));
  }

  void pageCountTakesWholeNumbersOnly() {
    Window w;
    auto& chart = w.model();
    SetPageCountFromText(chart, QStringLiteral("3"));
    QCOMPARE(chart.DocumentPages(), 3);
    QCOMPARE(chart.History().FUndoCount(), 1);
    SetPageCountFromText(chart, QStringLiteral("three"));
    SetPageCountFromText(chart, QStringLiteral("2.5"));
    SetPageCountFromText(chart, QStringLiteral(" 3 "));  // what Cancel returns
    QCOMPARE(chart.DocumentPages(), 3);
    QCOMPARE(chart.History().FUndoCount(), 1);
    SetPageCountFromText(chart, QStringLiteral("0"));
    QCOMPARE(chart.DocumentPages(), 1);
  }

  void eachItemIsEnabledWhenItCanAct() {
    using enum CommandId;
    auto enabled = [](Window& w, CommandId id, int tag = 0) { return w.host.table.Action(id, tag).isEnabled(); };
    Window w;
    QVERIFY(enabled(w, SheetColor) && enabled(w, DefaultFillStyle, bsClear) && enabled(w, DefaultTextFont));
    QVERIFY(!enabled(w, BlockColor) && !enabled(w, LineEnds, 1) && !enabled(w, TextFont) && !enabled(w, Align, 0));
    AddActiveLine(w.model());
    QVERIFY(enabled(w, BlockColor) && enabled(w, LineEnds, 1) && enabled(w, TextFont));
    // Aligning needs a selection to align.
    QVERIFY(!enabled(w, Align, 0));
    w.model().AddDefaultBlock(btRectangle, 0, 0, 1000, 1000);
    w.model().MakeMultiSelection(0, 0, 5000, 5000, {1, 2});
    QVERIFY(enabled(w, Align, 0) && enabled(w, Align, 3));
    w.model().SetModified(false);
    w.form->close();
    QVERIFY(!enabled(w, SheetColor) && !enabled(w, DefaultFillStyle, bsClear) && !enabled(w, LineWidth, 500));
  }
};

QTEST_MAIN(FormatCommandsTest)
#include "FormatCommandsTest.moc"
