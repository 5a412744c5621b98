// Lays a program out as a teacher draws it: top-down on one axis, a
// decision's branches side by side below its corners, a loop's return line
// on the left and its exit on the right, each part as wide as what it holds,
// so nothing overlaps and no line crosses a symbol; a symbol that a page
// break would cut moves down to the next page, its incoming line longer,
// and lines meet where an off-page connector finds room on either page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chart/BlockType.h"
#include "chart/wizards/FlowProgram.h"
#include "chart/wizards/SheetBands.h"
#include "chart/wizards/SymbolText.h"

namespace quobrix {

// The words a chart is labelled with, in code page 1251.
struct CodeChartWords {
  std::string begin, end, input, output, yes, no;
};

struct LayoutStyle {
  CodeChartWords words;
  SymbolSize symbol;  // the smallest symbol
  TextMetrics metrics;
  SheetArea sheet;
};

// A symbol or a line to add to a chart. A line runs in the direction of the
// flow, from (x, y) to (x + w, y + h).
struct PlannedBlock {
  std::uint8_t type = btRectangle;
  std::int64_t x = 0, y = 0, w = 0, h = 0;
  std::string text;
  std::uint8_t arrows = blaSimple;
  std::uint8_t place = btpInside;

  bool operator==(const PlannedBlock&) const = default;
};

// A laid-out piece of a chart in its own coordinates: the flow comes in at
// (0, 0), enters the piece at (0, entry) (below 0 when its first symbol
// moved down off a page break) and leaves at (0, height).
struct Figure {
  std::vector<PlannedBlock> blocks;
  std::int64_t entry = 0;
  std::int64_t left = 0;    // how far it reaches left of the axis
  std::int64_t right = 0;   // and right of it
  std::int64_t height = 0;
  bool open = true;           // the flow leaves at the bottom (no return or break ends it)
  bool entersSymbol = false;  // the flow enters a symbol's top edge at (0, entry)
  std::string exitLabel;      // the text of the line leaving at the bottom ("yes" under a repeat's condition)
};

// Distances between the parts of a chart, in chart units.
constexpr std::int64_t kFlowGap = 1000;     // the line from one symbol down to the next
constexpr std::int64_t kChannelGap = 1000;  // from a loop's body out to its return and exit lines
constexpr std::int64_t kBranchGap = 1000;   // between the two branches of a decision
constexpr std::int64_t kConnectorSize = 800;

// The chart of the main program or of one routine, starting at `top` on
// the sheet: a begin symbol with `beginText`, the body, and an end symbol
// where the body does not end in a return.
Figure LayOutChart(const std::string& beginText, const FlowSequence& body, const LayoutStyle& style,
                   std::int64_t top);

}  // namespace quobrix
