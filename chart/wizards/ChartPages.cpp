#include "chart/wizards/ChartPages.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace quobrix {

namespace {

constexpr std::int64_t kChartGap = 2000;  // between charts side by side, and below a page's top margin

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

std::int64_t Bottom(const PlannedBlock& b) { return b.y + std::max<std::int64_t>(b.h, 0); }

struct Band {
  std::int64_t top, bottom;
};

Band BandOf(std::int64_t page, const SheetArea& sheet) {
  return {page * sheet.height + sheet.top, (page + 1) * sheet.height - sheet.bottom};
}

// Where to cut above symbol `s`: above a return line that joins the flow
// just over it (so a loop's return goes with the loop), then above any
// symbol the cut would split or whose bottom edge, where a line starts,
// lies on it.
std::int64_t CutAbove(const std::vector<PlannedBlock>& blocks, const PlannedBlock& s) {
  std::int64_t c = s.y;
  const std::int64_t axis = s.x + s.w / 2;
  for (const PlannedBlock& b : blocks)
    if (b.type == btLine && b.h == 0 && b.x + b.w == axis && b.y < c && s.y - b.y < kFlowGap) c = b.y;
  for (bool moved = true; moved;) {
    moved = false;
    for (const PlannedBlock& b : blocks)
      if (b.type != btLine && b.y < c && c <= b.y + b.h) {
        c = b.y;
        moved = true;
      }
  }
  return c;
}

// Every point at or below `c` goes `d` further down.
void ShiftBelow(std::vector<PlannedBlock>& blocks, std::int64_t c, std::int64_t d) {
  for (PlannedBlock& b : blocks) {
    if (b.type != btLine) {
      if (b.y >= c) b.y += d;
      continue;
    }
    const std::int64_t endY = b.y + b.h + (b.y + b.h >= c ? d : 0);
    if (b.y >= c) b.y += d;
    b.h = endY - b.y;
  }
}

void Translate(std::vector<PlannedBlock>& blocks, std::int64_t dx, std::int64_t dy) {
  for (PlannedBlock& b : blocks) {
    b.x += dx;
    b.y += dy;
  }
}

std::int64_t LowestPage(const std::vector<PlannedBlock>& blocks, const SheetArea& sheet) {
  std::int64_t lowest = 0;
  for (const PlannedBlock& b : blocks) lowest = std::max(lowest, FloorDiv(Bottom(b), sheet.height));
  return lowest;
}

}  // namespace

void KeepOffPageBreaks(std::vector<PlannedBlock>& blocks, const SheetArea& sheet) {
  std::vector<std::size_t> symbols;
  for (std::size_t i = 0; i < blocks.size(); ++i)
    if (blocks[i].type != btLine) symbols.push_back(i);
  std::stable_sort(symbols.begin(), symbols.end(), [&](std::size_t a, std::size_t b) { return blocks[a].y < blocks[b].y; });
  const std::int64_t bandHeight = sheet.height - sheet.top - sheet.bottom;
  // Shifts move everything at or below the cut alike, so the order holds.
  for (std::size_t i : symbols) {
    for (;;) {
      const PlannedBlock& s = blocks[i];
      const Band band = BandOf(FloorDiv(s.y, sheet.height), sheet);
      if ((s.y >= band.top && s.y + s.h <= band.bottom) || s.h > bandHeight) break;
      const std::int64_t c = CutAbove(blocks, s);
      const std::int64_t page = FloorDiv(c, sheet.height);
      const Band cutBand = BandOf(page, sheet);
      if (c == cutBand.top) break;  // what must move together is taller than a band
      const std::int64_t target = c < cutBand.top ? cutBand.top : BandOf(page + 1, sheet).top;
      ShiftBelow(blocks, c, target - c);
    }
  }
}

std::vector<PlannedBlock> ArrangeCharts(const std::vector<Figure>& charts, const SheetArea& sheet) {
  std::vector<PlannedBlock> placed;
  const std::int64_t printable = sheet.width - sheet.left - sheet.right;
  std::int64_t rowTop = sheet.top + kChartGap;
  std::size_t first = 0;
  while (first < charts.size()) {
    // As many charts as fit side by side, at least one.
    std::size_t last = first + 1;
    std::int64_t rowWidth = charts[first].left + charts[first].right;
    while (last < charts.size() && rowWidth + kChartGap + charts[last].left + charts[last].right <= printable) {
      rowWidth += kChartGap + charts[last].left + charts[last].right;
      ++last;
    }
    std::int64_t x = sheet.left + std::max<std::int64_t>(0, (printable - rowWidth) / 2);
    x -= x % 100;  // axes on whole millimetres
    std::int64_t lowestPage = 0;
    for (std::size_t i = first; i < last; ++i) {
      std::vector<PlannedBlock> blocks = charts[i].blocks;
      Translate(blocks, x + charts[i].left, rowTop);
      KeepOffPageBreaks(blocks, sheet);
      lowestPage = std::max(lowestPage, LowestPage(blocks, sheet));
      placed.insert(placed.end(), blocks.begin(), blocks.end());
      x += charts[i].left + charts[i].right + kChartGap;
    }
    rowTop = BandOf(lowestPage + 1, sheet).top + kChartGap;
    first = last;
  }
  return placed;
}

std::int32_t PagesNeeded(const std::vector<PlannedBlock>& blocks, const SheetArea& sheet, std::int64_t lineHeight) {
  std::int64_t bottom = 0;
  for (const PlannedBlock& b : blocks) bottom = std::max(bottom, Bottom(b) + (b.text.empty() ? 0 : lineHeight));
  const std::int64_t pages = std::max<std::int64_t>(1, FloorDiv(bottom - 1, sheet.height) + 1);
  return static_cast<std::int32_t>(std::min<std::int64_t>(pages, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace quobrix
