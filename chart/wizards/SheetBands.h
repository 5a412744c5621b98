// The printable bands of a sheet's pages, stacked top to bottom: where a
// symbol may stand without a page break or a page's margins cutting it.
#pragma once

#include <cstdint>

namespace quobrix {

// An off-page connector's side, and the shortest line into or out of one:
// together the room a line needs at a band's edge to end or start in one.
constexpr std::int64_t kOffPageSize = 600;
constexpr std::int64_t kOffPageStub = 200;
constexpr std::int64_t kOffPageRoom = kOffPageSize + kOffPageStub;
// Room between the top of a band and a symbol or join moved there, for the
// off-page connector the flow comes in from and a loop's return line
// joining the flow above the symbol.
constexpr std::int64_t kPageTopGap = 1600;

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
// from it), else a little below the top of the next band, leaving room for
// an off-page connector above it. A symbol taller than a band stays at y.
std::int64_t FitOnPage(std::int64_t y, std::int64_t h, const SheetArea& sheet, std::int64_t keep = 0);

// The sheet a chart is laid out on, its bands shortened at the bottom so
// that an off-page connector fits below any symbol or join.
SheetArea WithOffPageRoom(SheetArea sheet);

// Where lines meeting at `y` (below what they come from) meet: at y, or
// lower where a line leaving them across a page break would find no room
// for an off-page connector on either page.
std::int64_t FitJoin(std::int64_t y, const SheetArea& sheet);

}  // namespace quobrix
