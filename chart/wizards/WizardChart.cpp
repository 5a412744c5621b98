#include "chart/wizards/WizardChart.h"

#include <algorithm>
#include <utility>

namespace quobrix {

namespace {

NewBlock WizardSymbol(TBlockType type, const BlockRect& rect, std::string text) {
  return {.Type = type,
          .Rect = rect,
          .FillColor = clWhite,
          .FillStyle = bsSolid,
          .LineColor = clBlack,
          .LineStyle = psSolid,
          .LineWidth = 1,
          .Text = std::move(text)};
}

// Puts the chart's text placement back however the addition ends.
class PlacementKept {
 public:
  explicit PlacementKept(BlocksHolderModel& chart) : chart_(chart), place_(chart.DefBlockPlace()) {}
  ~PlacementKept() { chart_.SetDefBlockPlace(place_); }
  PlacementKept(const PlacementKept&) = delete;
  PlacementKept& operator=(const PlacementKept&) = delete;

 private:
  BlocksHolderModel& chart_;
  TBlockTextPlacement place_;
};

}  // namespace

std::int64_t LineCount(std::string_view text) {
  if (text.empty()) return 0;
  const auto breaks = std::count(text.begin(), text.end(), '\n');
  return breaks + (text.back() == '\n' ? 0 : 1);
}

std::string Captioned(const std::string& word, const std::string& text) { return word + "\r\n" + text; }

void WizardChart::Symbol(TBlockType type, const BlockRect& rect, std::string text) {
  chart_.AddBlock(WizardSymbol(type, rect, std::move(text)));
}

void WizardChart::Line(const BlockRect& rect) {
  lastLine_ = chart_.AddDefaultBlock(btLine, rect.X, rect.Y, rect.W, rect.H);
}

void WizardChart::LabelledLine(const BlockRect& rect, std::string text) {
  const PlacementKept kept(chart_);
  chart_.SetDefBlockPlace(btpUnder);
  chart_.AddBlock(WizardSymbol(btLine, rect, std::move(text)));
}

void WizardChart::DeleteLastLine() {
  if (lastLine_ == 0) return;
  chart_.DeleteBlock(false, lastLine_);
  lastLine_ = 0;
}

}  // namespace quobrix
