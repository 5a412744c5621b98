#include "view/ChartCommands.h"

#include <QAction>
#include <QApplication>
#include <QToolButton>

#include "chart/ChartEdit.h"
#include "chart/ConnectRoute.h"
#include "view/ActiveChart.h"
#include "view/AppContext.h"
#include "view/ArmDrawing.h"
#include "view/CommandTable.h"
#include "view/FormatCommands.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"
#include "view/ZoomLimits.h"

namespace quobrix {

namespace {

BlocksHolderModel& Chart(THolderForm& window) { return window.bh->Model(); }

bool GridShown(const THolderForm& window) { return window.bh->FShowGrid && window.bh->FUseGrid; }

void ClipboardAndOrder(CommandTable& c) {
  using enum CommandId;
  c.BindChart(Undo, [](THolderForm& w, QAction&) { Chart(w).Undo(); });
  c.BindChart(Redo, [](THolderForm& w, QAction&) { Chart(w).Redo(); });
  c.BindChart(Cut, [](THolderForm& w, QAction&) { Chart(w).CutToClipboard(w.Context().Clipboard()); });
  c.BindChart(Copy, [](THolderForm& w, QAction&) { Chart(w).CopyToClipboard(w.Context().Clipboard()); });
  c.BindChart(Paste, [](THolderForm& w, QAction&) { Chart(w).PasteFromClipboard(w.Context().Clipboard()); });
  c.BindChart(Delete, [](THolderForm& w, QAction&) { DeleteWithUndo(Chart(w)); });
  c.BindChart(Group, [](THolderForm& w, QAction&) { Chart(w).GroupSelection(); });
  c.BindChart(Ungroup, [](THolderForm& w, QAction&) { Chart(w).UngroupBlock(); });
  c.BindChart(Connect, [](THolderForm& w, QAction&) {
    if (!ConnectSelection(Chart(w))) QApplication::beep();
  });
  c.BindChart(BringToFront, [](THolderForm& w, QAction&) { Chart(w).BringToFront(Chart(w).ActiveBlock()); });
  c.BindChart(SendToBack, [](THolderForm& w, QAction&) { Chart(w).SendToBack(Chart(w).ActiveBlock()); });
  c.BindChart(Align, [](THolderForm& w, QAction& item) { Chart(w).AlignSelection(MenuTag(item)); });
  // The check mark is the switch itself: every chart window follows it.
  c.BindChart(AlsoAlignLines, [](THolderForm&, QAction&) {});
}

void PassMultiInsert(const CommandTable& c) {
  if (THolderForm* window = c.Active().Window())
    window->bh->FMultiInsert = c.Action(CommandId::MultiInsert).isChecked();
}

// Choosing a tool, wherever, makes it the symbol that RepeatSymbol arms again.
void DrawingByHand(CommandTable& c) {
  using enum CommandId;
  c.BindChart(InsertSymbol, [](THolderForm& w, QAction& item) {
    w.Context().Settings().SetLastLibrarySymbol(MenuTag(item));
    ArmDrawing(Chart(w), MenuTag(item));
  });
  c.BindChart(InsertPolyline, [](THolderForm& w, QAction&) {
    w.Context().Settings().SetLastLibrarySymbol(btLine);
    Chart(w).SetDrawingMLineByHand(true);
  });
  c.BindChart(CancelInsert, [](THolderForm& w, QAction&) { Disarm(Chart(w)); });
  c.BindChart(RepeatSymbol, [](THolderForm& w, QAction&) {
    const int symbol = w.Context().Settings().LastLibrarySymbol();
    if (symbol != -1) ArmDrawing(Chart(w), symbol);
  });
  // The switch holds for every canvas that becomes active; turning it either
  // way puts the armed tool down.
  c.Bind(MultiInsert, [&c](QAction&) {
    PassMultiInsert(c);
    if (BlocksHolderModel* chart = c.Active().Chart()) Disarm(*chart);
  });
  QObject::connect(&c.Active(), &ActiveChart::Switched, &c, [&c] { PassMultiInsert(c); });
}

void ZoomAndGrid(CommandTable& c) {
  using enum CommandId;
  c.BindChart(Zoom, [](THolderForm& w, QAction& item) {
    Chart(w).SetZoomPercents(MenuTag(item));
    w.UpdateZoomDisplay();
  });
  c.BindChart(ZoomOut, [](THolderForm& w, QAction&) { StepZoom(w, -kZoomStep); });
  c.BindChart(ZoomIn, [](THolderForm& w, QAction&) { StepZoom(w, kZoomStep); });
  c.BindChart(UseGrid, [](THolderForm& w, QAction&) { w.SetUseGrid(!w.bh->FUseGrid); });
  // The grid is drawn only while positions snap to it: showing a grid that
  // is not drawn switches snapping on too, so the item always shows or
  // hides the grid on the canvas.
  c.BindChart(ShowGrid, [](THolderForm& w, QAction&) {
    if (GridShown(w)) {
      w.SetShowGrid(false);
      return;
    }
    w.SetShowGrid(true);
    w.SetUseGrid(true);
  });
  // Their check marks show the active window's grid.
  QObject::connect(&c, &CommandTable::Refreshed, &c, [&c] {
    const THolderForm* w = c.Active().Window();
    c.Action(UseGrid).setChecked(w && w->bh->FUseGrid);
    c.Action(ShowGrid).setChecked(w && GridShown(*w));
  });
}

}  // namespace

void BindChartCommands(CommandTable& commands) {
  ClipboardAndOrder(commands);
  DrawingByHand(commands);
  ZoomAndGrid(commands);
  BindFormatCommands(commands);
}

void DeleteWithUndo(BlocksHolderModel& chart) {
  if (!chart.ActiveBlockPtr()) return;
  ChartEdit edit(chart);
  chart.DeleteActiveBlock(true);
}

void StepZoom(THolderForm& window, int step) {
  auto& chart = Chart(window);
  const std::int64_t zoom = SteppedZoom(chart.ZoomPercents(), step);
  if (zoom == chart.ZoomPercents()) return;
  chart.SetZoomPercents(zoom);
  window.UpdateZoomDisplay();
}

}  // namespace quobrix
