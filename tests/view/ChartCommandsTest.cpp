// The shared command table on real chart windows: what each command needs
// before it is enabled, the one deletion, and shortcuts in several windows.
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <set>

#include "chart/ChartClipboard.h"
#include "chart/ChartEdit.h"
#include "platform/QtChartClipboard.h"
#include "support/FakeChartHost.h"

using namespace quobrix;

namespace {

void Click(QWidget& canvas, QPoint at) {
  QTest::mousePress(&canvas, Qt::LeftButton, {}, at);
  QTest::mouseRelease(&canvas, Qt::LeftButton, {}, at);
}

// A block whose middle, at zoom 100, is at (57, 57) on the canvas.
void AddBlock(BlocksHolderModel& chart) { chart.AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000); }
const QPoint kOnTheBlock(57, 57);

}  // namespace

class ChartCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyItemHasItsOwnNameAndAction() {
    std::set<CommandKey> keys;
    QSet<QString> names;
    for (const CommandSpec& row : CommandCatalogue()) {
      QVERIFY2(keys.insert(row.key).second, row.name);
      QVERIFY2(!names.contains(QString::fromLatin1(row.name)), row.name);
      names.insert(QString::fromLatin1(row.name));
    }
    AppContext context;
    ActiveChart active;
    CommandTable table(active, context.Clipboard());
    QCOMPARE(table.Action(CommandId::Zoom, 200).objectName(), QStringLiteral("mZoom200"));
    QCOMPARE(MenuTag(table.Action(CommandId::InsertSymbol, btTextRegion)), int(btTextRegion));
    QCOMPARE(table.Items(CommandId::Align).size(), size_t(4));
  }

  void needsAreMetByTheChartsState_data() {
    QTest::addColumn<int>("needs");
    QTest::addColumn<bool>("noChart");
    QTest::addColumn<bool>("emptyChart");
    QTest::addColumn<bool>("activeBlock");
    QTest::addColumn<bool>("history");
    QTest::newRow("nothing") << int(Needs::Nothing) << true << true << true << true;
    QTest::newRow("chart") << int(Needs::Chart) << false << true << true << true;
    QTest::newRow("active block") << int(Needs::ActiveBlock) << false << false << true << false;
    QTest::newRow("undo history") << int(Needs::UndoHistory) << false << false << false << true;
  }
  void needsAreMetByTheChartsState() {
    QFETCH(int, needs);
    QFETCH(bool, noChart);
    QFETCH(bool, emptyChart);
    QFETCH(bool, activeBlock);
    QFETCH(bool, history);
    const auto need = static_cast<Needs>(needs);
    QCOMPARE(NeedsMet(need, nullptr), noChart);
    BlocksHolderModel chart;
    QCOMPARE(NeedsMet(need, &chart), emptyChart);
    AddBlock(chart);
    chart.SetActiveBlock(1);
    QCOMPARE(NeedsMet(need, &chart), activeBlock);
    chart.SetActiveBlock(0);
    chart.ChangeSheetColor(0x0000FF);
    QCOMPARE(NeedsMet(need, &chart), history);
  }

  void aCommandWithoutHandlerStaysDisabled() {
    test::ChartWindow w;
    QVERIFY(!w.host.table.Action(CommandId::Print).isEnabled());
    w.host.table.Bind(CommandId::Print, [](QAction&) {});
    QVERIFY(w.host.table.Action(CommandId::Print).isEnabled());
  }

  void chartCommandsFollowTheActiveWindow() {
    test::ChartWindow w;
    QAction& zoom = w.host.table.Action(CommandId::Zoom, 50);
    QVERIFY(zoom.isEnabled());
    w.host.ChartWindowClosed(*w.form);
    QVERIFY(!zoom.isEnabled());
    zoom.trigger();
    QCOMPARE(w.model().ZoomPercents(), qint64(100));
    w.form->FormActivate();
    zoom.trigger();
    QCOMPARE(w.model().ZoomPercents(), qint64(50));
  }

  void blockCommandsFollowTheSelection() {
    test::ChartWindow w;
    AddBlock(w.model());
    CommandTable& table = w.host.table;
    for (CommandId id : {CommandId::Cut, CommandId::Copy, CommandId::Delete})
      QVERIFY(!table.Action(id).isEnabled());
    Click(*w.form->bh, kOnTheBlock);
    for (CommandId id : {CommandId::Cut, CommandId::Copy, CommandId::Delete})
      QVERIFY(table.Action(id).isEnabled());
    QVERIFY(!table.Action(CommandId::Group).isEnabled());  // one block is no selection
    QTest::keyClick(w.form->bh, Qt::Key_Escape);
    QVERIFY(!table.Action(CommandId::Delete).isEnabled());
  }

  // Grouping, ungrouping, ordering and aligning are enabled only where
  // they change something.
  void arrangingCommandsNeedWhatTheyActOn() {
    test::ChartWindow w;
    BlocksHolderModel& chart = w.model();
    AddBlock(chart);
    chart.AddDefaultBlock(btEllipse, 4000, 1000, 1000, 1000);
    CommandTable& table = w.host.table;
    const auto enabled = [&table](CommandId id) { return table.Action(id).isEnabled(); };
    chart.SetActiveBlock(1);
    QVERIFY(enabled(CommandId::BringToFront) && !enabled(CommandId::SendToBack));
    chart.SetActiveBlock(2);
    QVERIFY(!enabled(CommandId::BringToFront) && enabled(CommandId::SendToBack));
    QVERIFY(!enabled(CommandId::Group) && !enabled(CommandId::Ungroup) && !table.Action(CommandId::Align, 2).isEnabled());
    chart.MakeMultiSelection(-100, -100, 5500, 1500, {1, 2});
    QVERIFY(enabled(CommandId::Group) && !enabled(CommandId::Ungroup) && table.Action(CommandId::Align, 2).isEnabled());
    table.Action(CommandId::Group).trigger();
    QVERIFY(!enabled(CommandId::Group) && enabled(CommandId::Ungroup) && table.Action(CommandId::Align, 0).isEnabled());
    table.Action(CommandId::Ungroup).trigger();
    QCOMPARE(chart.BlockCount(), qint64(2));
    QVERIFY(!enabled(CommandId::Ungroup) && !table.Action(CommandId::Align, 0).isEnabled());
  }

  // "Соединить" in the context menu's tools joins the two selected symbols
  // by a line around the symbol between them, as one undo point; a
  // selection of other than two symbols gets nothing.
  void connectJoinsTwoSelectedSymbolsAroundTheOneBetween() {
    test::ChartWindow w;
    BlocksHolderModel& chart = w.model();
    chart.AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
    chart.AddDefaultBlock(btRectangle, 1000, 9000, 2000, 1000);
    chart.AddDefaultBlock(btLogicIf, 500, 4500, 3000, 1500);
    QAction& connect = w.host.table.Action(CommandId::Connect);
    QVERIFY(w.form->PopMenu->findChild<QMenu*>(QStringLiteral("mpInstrum"))->actions().contains(&connect));
    QVERIFY(!connect.isEnabled());
    chart.MakeMultiSelection(0, 0, 4000, 11000, {1, 2, 3});
    connect.trigger();
    QCOMPARE(chart.BlockCount(), qint64(4));
    chart.MakeMultiSelection(0, 0, 4000, 11000, {1, 2});
    QVERIFY(connect.isEnabled());
    connect.trigger();
    const std::int64_t lines = chart.BlockCount() - 3;
    QVERIFY(lines >= 3);
    const TBlock& first = chart.Blocks(4);
    const TBlock& last = chart.Blocks(chart.BlockCount());
    QCOMPARE((std::pair{first.X, first.Y}), (std::pair<std::int64_t, std::int64_t>{2000, 2000}));
    QCOMPARE((std::pair{last.X + last.W, last.Y + last.H}), (std::pair<std::int64_t, std::int64_t>{2000, 9000}));
    for (std::int64_t n = 4; n <= chart.BlockCount(); ++n) QVERIFY(chart.Blocks(n).W == 0 || chart.Blocks(n).H == 0);
    QCOMPARE(chart.ActiveBlock(), chart.BlockCount());
    chart.Undo();
    QCOMPARE(chart.BlockCount(), qint64(3));
  }

  // Paste is enabled while the clipboard holds a chart fragment, whoever
  // put it there.
  void pasteFollowsTheClipboard() {
    QGuiApplication::clipboard()->setText(QStringLiteral("[a text, not blocks]"));
    test::ChartWindow w;
    QAction& paste = w.host.table.Action(CommandId::Paste);
    QVERIFY(!paste.isEnabled());
    AddBlock(w.model());
    w.model().SetActiveBlock(1);
    w.host.table.Action(CommandId::Copy).trigger();
    QVERIFY(paste.isEnabled());
    paste.trigger();
    QCOMPARE(w.model().BlockCount(), qint64(2));
    QGuiApplication::clipboard()->setText(QStringLiteral("text"));
    QVERIFY(!paste.isEnabled());
  }

  // The buttons step by ten within 10..1000 %, a step is disabled where it
  // could not act, and a zoom set any other way moves those bounds too.
  void zoomStepsStopAtTheirBounds() {
    test::ChartWindow w;
    QAction& out = w.host.table.Action(CommandId::ZoomOut);
    QAction& in = w.host.table.Action(CommandId::ZoomIn);
    w.model().SetZoomPercents(10);
    QVERIFY(!out.isEnabled() && in.isEnabled());
    out.setEnabled(true);  // the handler itself keeps the bound as well
    out.trigger();
    QCOMPARE(w.model().ZoomPercents(), qint64(10));
    w.model().SetZoomPercents(990);
    QVERIFY(in.isEnabled());
    in.trigger();
    QCOMPARE(w.model().ZoomPercents(), qint64(1000));
    QCOMPARE(w.form->cbZoom->currentText(), QStringLiteral("1000"));
    QVERIFY(!in.isEnabled());
    in.setEnabled(true);
    in.trigger();
    QCOMPARE(w.model().ZoomPercents(), qint64(1000));
    out.trigger();
    QCOMPARE(w.model().ZoomPercents(), qint64(990));
  }

  void theZoomMenuSetsExactlyItsPercent() {
    test::ChartWindow w;
    w.model().SetZoomPercents(75);
    w.host.table.Action(CommandId::Zoom, 200).trigger();
    QCOMPARE(w.model().ZoomPercents(), qint64(200));
    QCOMPARE(w.form->cbZoom->currentText(), QStringLiteral("200"));
  }

  // Tag 2 is the line: it arms drawing a line, never a block of type 2.
  void insertingByTagTwoArmsALine() {
    test::ChartWindow w;
    w.host.table.Action(CommandId::InsertSymbol, btLine).trigger();
    QVERIFY(w.model().DrawingLineByHand());
    QVERIFY(!w.model().DrawingBlockByHand());
    QCOMPARE(w.model().History().FUndoCount(), 0);
    w.model().SetDrawingLineByHand(false);
    w.host.table.Action(CommandId::InsertSymbol, btTextRegion).trigger();
    QVERIFY(w.model().DrawingBlockByHand() && !w.model().DrawingLineByHand());
    QCOMPARE(int(w.model().DrawedBlockType()), int(btTextRegion));
  }

  // Without an active chart window every command that needs one is disabled
  // and, run anyway, changes nothing; the others still run.
  void withoutAChartWindowChartCommandsDoNothing() {
    test::ChartWindow w;
    BlocksHolderModel& chart = w.model();
    AddBlock(chart);
    chart.SetActiveBlock(1);
    chart.ChangeSheetColor(0x0000FF);
    chart.SetModified(false);
    w.host.ChartWindowClosed(*w.form);
    CommandTable& table = w.host.table;
    for (const CommandSpec& row : CommandCatalogue()) {
      if (row.needs == Needs::Nothing) continue;
      QAction& command = table.Action(row.key.id, row.key.tag);
      QVERIFY2(!command.isEnabled(), row.name);
      command.setEnabled(true);
      command.trigger();
    }
    QCOMPARE(chart.BlockCount(), qint64(1));
    QCOMPARE(chart.ActiveBlock(), qint64(1));
    QCOMPARE(chart.History().FUndoCount(), 1);
    QCOMPARE(chart.ZoomPercents(), qint64(100));
    QVERIFY(!chart.FModified() && !chart.DrawingBlockByHand() && !chart.DrawingLineByHand());
    QVERIFY(!w.form->bh->FUseGrid && w.form->bh->FShowGrid);
    QAction& search = table.Action(CommandId::Search);
    QVERIFY(search.isEnabled());
    search.trigger();
    QCOMPARE(w.host.triggered.last(), QStringLiteral("mSearch"));
  }

  // "Показывать сетку" always shows or hides the grid on the canvas; both
  // grid items are checked as the active window's grid is.
  void theGridItemsShowTheGridOfTheActiveWindow() {
    test::ChartWindow w;
    CommandTable& table = w.host.table;
    QAction& use = table.Action(CommandId::UseGrid);
    QAction& show = table.Action(CommandId::ShowGrid);
    const QImage plain = w.form->bh->grab().toImage();
    QVERIFY(!use.isChecked() && !show.isChecked());
    show.trigger();
    QVERIFY(w.form->bh->FUseGrid && w.form->bGrid->isChecked());
    QVERIFY(use.isChecked() && show.isChecked());
    QVERIFY(w.form->bh->grab().toImage() != plain);
    show.trigger();
    QCOMPARE(w.form->bh->grab().toImage(), plain);
    QVERIFY(use.isChecked() && !show.isChecked());
    use.trigger();
    QVERIFY(!w.form->bh->FUseGrid && !w.form->bGrid->isChecked() && !use.isChecked());
    QTest::mouseClick(w.form->bGrid, Qt::LeftButton);  // the window's own button
    QVERIFY(use.isChecked());
    QVERIFY(!show.isChecked());  // snapping without showing, as switched off above

    THolderForm other(w.host, w.context);
    other.FormActivate();
    QVERIFY(!use.isChecked() && !show.isChecked());
    w.form->FormActivate();
    QVERIFY(use.isChecked());
  }

  void undoIsEnabledOnlyWithSomethingToUndo() {
    test::ChartWindow w;
    AddBlock(w.model());
    QAction& undo = w.host.table.Action(CommandId::Undo);
    QVERIFY(!undo.isEnabled());
    Click(*w.form->bh, kOnTheBlock);  // a click that moves nothing is no undo point
    QVERIFY(!undo.isEnabled());
    w.host.table.Action(CommandId::InsertSymbol, btEllipse).trigger();
    QVERIFY(!undo.isEnabled());  // nor is arming a drawing tool
    Click(*w.form->bh, QPoint(150, 150));
    QCOMPARE(w.model().BlockCount(), qint64(2));
    QVERIFY(undo.isEnabled());
    undo.trigger();
    QCOMPARE(w.model().History().FUndoCount(), 0);
    QCOMPARE(w.model().BlockCount(), qint64(1));
    QVERIFY(!undo.isEnabled());
  }

  // Every menu, the keyboard included, deletes the same way; an empty
  // deletion leaves the chart unchanged and nothing to undo.
  void deletingNothingRecordsNoUndoPoint() {
    test::ChartWindow w;
    AddBlock(w.model());
    w.model().SetModified(false);
    DeleteWithUndo(w.model());
    QCOMPARE(w.model().History().FUndoCount(), 0);
    QVERIFY(!w.model().FModified());
    QTest::keyClick(w.form->bh, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(w.model().History().FUndoCount(), 0);
    QCOMPARE(w.model().BlockCount(), qint64(1));
    w.model().SetActiveBlock(1);
    w.host.table.Refresh();
    w.host.table.Action(CommandId::Delete).trigger();
    QCOMPARE(w.model().BlockCount(), qint64(0));
    QCOMPARE(w.model().History().FUndoCount(), 1);
    w.model().Undo();
    QCOMPARE(w.model().BlockCount(), qint64(1));
  }

  void theContextMenuShowsTheSharedActions() {
    test::ChartWindow w;
    const QList<QAction*> shown = w.form->PopMenu->actions();
    for (CommandId id : {CommandId::RepeatSymbol, CommandId::Undo, CommandId::Cut, CommandId::Copy, CommandId::Paste,
                         CommandId::Delete, CommandId::Inspector, CommandId::Library, CommandId::Palette})
      QVERIFY(shown.contains(&w.host.table.Action(id)));
    const QList<QAction*> symbols = w.form->PopMenu->findChild<QMenu*>(QStringLiteral("mpNewSymbol"))->actions();
    QVERIFY(symbols.contains(&w.host.table.Action(CommandId::InsertSymbol, btRectangle)));
    QVERIFY(w.form->MainMenu2->findChild<QMenu*>(QStringLiteral("mEdit"))->actions().contains(
        &w.host.table.Action(CommandId::Undo)));
  }

  // The drawing tools are one group of shared actions in both menus of the
  // chart window; the checked one is what the active canvas has armed,
  // however the arming ended.
  void theCheckedDrawingToolIsTheArmedOne() {
    test::ChartWindow w;
    CommandTable& table = w.host.table;
    QAction& polyline = table.Action(CommandId::InsertPolyline);
    QAction& rectangle = table.Action(CommandId::InsertSymbol, btRectangle);
    QAction& pointer = table.Action(CommandId::CancelInsert);
    QVERIFY(w.form->PopMenu->actions().contains(&polyline));
    QVERIFY(w.form->MainMenu2->findChild<QMenu*>(QStringLiteral("mEdit"))->actions().contains(&polyline));
    QVERIFY(pointer.isChecked());

    polyline.trigger();
    QVERIFY(w.model().DrawingMLineByHand());
    QVERIFY(polyline.isChecked() && !pointer.isChecked());
    QTest::keyClick(w.form->bh, Qt::Key_Escape);
    QVERIFY(!w.model().DrawingLineByHand());
    QVERIFY(pointer.isChecked());

    rectangle.trigger();
    QVERIFY(rectangle.isChecked() && !polyline.isChecked());
    TBlocksHolder& canvas = *w.form->bh;
    canvas.CanvasMouseDown(Qt::LeftButton, {}, 40, 40);
    canvas.CanvasMouseMove(Qt::LeftButton, {}, 120, 90);
    canvas.CanvasMouseUp();
    QCOMPARE(w.model().BlockCount(), qint64(1));
    QVERIFY(pointer.isChecked());

    // A tool chosen again on a chart drawn by the palette's repeat.
    table.Action(CommandId::RepeatSymbol).trigger();
    QVERIFY(rectangle.isChecked());
    w.host.ChartWindowClosed(*w.form);
    QVERIFY(!polyline.isEnabled() && pointer.isChecked());
  }

  // Ctrl+Delete is the delete command's shortcut and nothing else: without
  // the command the key deletes nothing.
  void ctrlDeleteDeletesOnlyThroughTheCommand() {
    test::ChartWindow w;
    AddBlock(w.model());
    w.model().SetActiveBlock(1);
    w.host.table.Unbind(CommandId::Delete);
    QTest::keyClick(w.form->bh, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(w.model().BlockCount(), qint64(1));
  }

  void theChartWindowsFileMenuOffersTheRecentFiles() {
    test::ChartWindow w;
    const QList<QAction*> file = w.form->MainMenu2->findChild<QMenu*>(QStringLiteral("mFile"))->actions();
    QCOMPARE(file.indexOf(w.host.recentMenu.menuAction()), file.indexOf(&w.host.table.Action(CommandId::Open)) + 1);
  }

  void aSharedShortcutWorksInEveryWindow() {
    test::FakeChartHost host;
    AppContext context;
    std::unique_ptr<THolderForm> windows[] = {std::make_unique<THolderForm>(host, context),
                                              std::make_unique<THolderForm>(host, context)};
    for (auto& window : windows) {
      AddBlock(window->bh->Model());
      window->bh->Model().SetActiveBlock(1);
      window->show();
    }
    for (auto& window : windows) {
      window->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(window.get()));
      QCOMPARE(host.active, window.get());
      QTest::keyClick(window->bh, Qt::Key_Delete, Qt::ControlModifier);
      QCOMPARE(window->bh->Model().BlockCount(), qint64(0));
      QTest::keyClick(window->bh, Qt::Key_Z, Qt::ControlModifier);
      QCOMPARE(window->bh->Model().BlockCount(), qint64(1));
    }
  }
};

QTEST_MAIN(ChartCommandsTest)
#include "ChartCommandsTest.moc"
#include "view/AppContext.h"
