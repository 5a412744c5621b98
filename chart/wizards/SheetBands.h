// The printable bands of a sheet's pages, stacked top to bottom: where a
// symbol may stand without a page break or a page's margins cutting it.
#pragma once

#include <cstdint>

namespace quobrix {

struct SheetArea {
  std::int64_t width = 21000;
  std::int64_t height = 29700;
  std::int64_t left = 1000, right = 1000, top = 1000, bottom = 1000;  // margins
};

// The page y lies on, 0 for the first.
std::int64_t PageOf(std::int64_t y, const SheetArea& sheet);
// The top and the bottom of page p's printable band.
std::int64_t BandTop(std::int64_t page, const SheetArea& sheet);
std::int64_t BandBottom(std::int64_t page, const SheetArea& sheet);

// Where a symbol `h` high meant for `y` stands: at y when it fits in y's
// band together with `keep` below it (room for what must not be parted
// from it), else a little below the top of the next band. A symbol taller
// than a band stays at y.
std::int64_t FitOnPage(std::int64_t y, std::int64_t h, const SheetArea& sheet, std::int64_t keep = 0);

}  // namespace quobrix
