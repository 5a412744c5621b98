// Puts laid-out charts on the pages of a sheet: side by side while they fit
// the page's width, then on the following pages, and never a symbol where a
// page break or a page's margins would cut it.
#pragma once

#include <cstdint>
#include <vector>

#include "chart/wizards/FlowLayout.h"

namespace quobrix {

struct SheetArea {
  std::int64_t width = 21000;
  std::int64_t height = 29700;
  std::int64_t left = 1000, right = 1000, top = 1000, bottom = 1000;  // margins
};

// Where the charts go: each chart's axis and top in sheet units.
std::vector<PlannedBlock> ArrangeCharts(const std::vector<Figure>& charts, const SheetArea& sheet);

// Moves everything from just above a symbol that leaves its page's printable
// band down to the next band, lengthening the lines that cross the gap. A
// symbol taller than a band stays where it is.
void KeepOffPageBreaks(std::vector<PlannedBlock>& blocks, const SheetArea& sheet);

// The pages the blocks reach into, texts under lines included.
std::int32_t PagesNeeded(const std::vector<PlannedBlock>& blocks, const SheetArea& sheet, std::int64_t lineHeight);

}  // namespace quobrix
