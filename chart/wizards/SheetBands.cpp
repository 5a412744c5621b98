#include "chart/wizards/SheetBands.h"

#include <algorithm>

namespace quobrix {

std::int64_t PageOf(std::int64_t y, const SheetArea& sheet) {
  return y / sheet.height - (y % sheet.height != 0 && y < 0);
}

std::int64_t BandTop(std::int64_t page, const SheetArea& sheet) { return page * sheet.height + sheet.top; }

std::int64_t BandBottom(std::int64_t page, const SheetArea& sheet) { return (page + 1) * sheet.height - sheet.bottom; }

std::int64_t FitOnPage(std::int64_t y, std::int64_t h, const SheetArea& sheet, std::int64_t keep) {
  const std::int64_t page = PageOf(y, sheet);
  const std::int64_t bandBottom = BandBottom(page, sheet);
  if (h + keep + kPageTopGap > bandBottom - BandTop(page, sheet)) keep = 0;
  if (h + kPageTopGap > bandBottom - BandTop(page, sheet)) return y;
  if (y < BandTop(page, sheet) + kPageTopGap) return BandTop(page, sheet) + kPageTopGap;
  if (y + h + keep > bandBottom) return BandTop(page + 1, sheet) + kPageTopGap;
  return y;
}

SheetArea WithOffPageRoom(SheetArea sheet) {
  sheet.bottom += kOffPageRoom;
  return sheet;
}

std::int64_t FitJoin(std::int64_t y, const SheetArea& sheet) {
  const std::int64_t page = PageOf(y, sheet);
  if (y > BandBottom(page, sheet)) return BandTop(page + 1, sheet) + kPageTopGap;
  return std::max(y, BandTop(page, sheet) + kPageTopGap);
}

}  // namespace quobrix
