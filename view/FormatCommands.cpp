#include "view/FormatCommands.h"

#include <QAction>
#include <algorithm>

#include "chart/ChartEdit.h"
#include "view/ActiveChart.h"
#include "view/CommandTable.h"
#include "view/PropertyDialogs.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

namespace {

BlocksHolderModel& Chart(THolderForm& window) { return window.bh->Model(); }

// The dialogs are titled with the caption of the command that opens them.
QString Title(const QAction& item) { return item.text().remove(u'&'); }

void SheetAndBlockColours(CommandTable& c) {
  using enum CommandId;
  c.BindChart(SheetColor, [](THolderForm& w, QAction& item) {
    auto& chart = Chart(w);
    if (const auto colour = ChooseColor(&w, chart.SheetColor(), Title(item))) chart.ChangeSheetColor(*colour);
  });
  c.BindChart(BlockColor, [](THolderForm& w, QAction& item) {
    auto& chart = Chart(w);
    const TBlock* active = chart.ActiveBlockPtr();
    if (!active) return;
    if (const auto colour = ChooseColor(&w, active->MC, Title(item))) chart.SetBlockMC(*colour);
  });
  c.BindChart(LineColor, [](THolderForm& w, QAction& item) {
    auto& chart = Chart(w);
    const TBlock* active = chart.ActiveBlockPtr();
    if (!active) return;
    if (const auto colour = ChooseColor(&w, active->BC, Title(item))) chart.SetBlockBC(*colour);
  });
  c.BindChart(TextFont, [](THolderForm& w, QAction& item) {
    auto& chart = Chart(w);
    const TBlockFont* font = chart.GetBlockFont();
    if (!font) return;
    if (const auto chosen = ChooseBlockFont(&w, *font, Title(item))) chart.SetBlockFont(*chosen);
  });
}

// The picture items: each sets the value of its tag.
void BlockLook(CommandTable& c) {
  using enum CommandId;
  c.BindChart(FillStyle, [](THolderForm& w, QAction& item) {
    Chart(w).SetBlockFS(static_cast<TBrushStyle>(MenuTag(item)));
  });
  c.BindChart(LineStyle, [](THolderForm& w, QAction& item) {
    Chart(w).SetBlockBS(static_cast<TPenStyle>(MenuTag(item)));
  });
  c.BindChart(LineWidth, [](THolderForm& w, QAction& item) { Chart(w).SetBlockBW(MenuTag(item)); });
  c.BindChart(LineEnds, [](THolderForm& w, QAction& item) {
    Chart(w).SetBlockLineArrows(static_cast<TBlocksLineArrows>(MenuTag(item)));
  });
  c.BindChart(TextPlacement, [](THolderForm& w, QAction& item) {
    Chart(w).SetBlockTP(static_cast<TBlockTextPlacement>(MenuTag(item)));
  });
  c.BindChart(TextAlign, [](THolderForm& w, QAction& item) {
    Chart(w).SetBlockTA(static_cast<TAlignment>(MenuTag(item)));
  });
}

// What blocks added later receive: stored only, no undo point.
void Defaults(CommandTable& c) {
  using enum CommandId;
  c.BindChart(DefaultFillColor, [](THolderForm& w, QAction& item) {
    auto& chart = Chart(w);
    if (const auto colour = ChooseColor(&w, chart.DefBlockColor(), Title(item))) chart.SetDefBlockColor(*colour);
  });
  c.BindChart(DefaultLineColor, [](THolderForm& w, QAction& item) {
    auto& chart = Chart(w);
    if (const auto colour = ChooseColor(&w, chart.DefBlockBorderColor(), Title(item)))
      chart.SetDefBlockBorderColor(*colour);
  });
  c.BindChart(DefaultTextFont, [](THolderForm& w, QAction& item) {
    auto& chart = Chart(w);
    if (const auto chosen = ChooseBlockFont(&w, chart.DefBlockFont(), Title(item))) chart.SetDefBlockFont(*chosen);
  });
  c.BindChart(DefaultFillStyle, [](THolderForm& w, QAction& item) {
    Chart(w).SetDefBlockFillStyle(static_cast<TBrushStyle>(MenuTag(item)));
  });
  c.BindChart(DefaultLineStyle, [](THolderForm& w, QAction& item) {
    Chart(w).SetDefBlockBorderStyle(static_cast<TPenStyle>(MenuTag(item)));
  });
  c.BindChart(DefaultLineWidth, [](THolderForm& w, QAction& item) { Chart(w).SetDefBlockBorderWidth(MenuTag(item)); });
  c.BindChart(DefaultTextPlacement, [](THolderForm& w, QAction& item) {
    Chart(w).SetDefBlockPlace(static_cast<TBlockTextPlacement>(MenuTag(item)));
  });
  c.BindChart(DefaultTextAlign, [](THolderForm& w, QAction& item) {
    Chart(w).SetDefBlockTextAlign(static_cast<TAlignment>(MenuTag(item)));
  });
  c.BindChart(DefaultLineEnds, [](THolderForm& w, QAction& item) {
    Chart(w).SetDefLineArrows(static_cast<TBlocksLineArrows>(MenuTag(item)));
  });
}

}  // namespace

void BindFormatCommands(CommandTable& commands) {
  SheetAndBlockColours(commands);
  BlockLook(commands);
  Defaults(commands);
}

void SetPageCountFromText(BlocksHolderModel& chart, const QString& answer) {
  bool ok = false;
  const int pages = answer.trimmed().toInt(&ok);
  if (!ok) return;
  // The chart keeps at least one page.
  if (std::max(pages, 1) == chart.DocumentPages()) return;
  ChartEdit edit(chart);
  chart.SetDocumentPages(pages);
}

}  // namespace quobrix
