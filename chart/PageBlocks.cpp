#include "chart/PageBlocks.h"

#include <algorithm>
#include <limits>

#include "chart/BlocksHolderModel.h"
#include "chart/CoordinateMath.h"

namespace quobrix {

PageBlocks::PageBlocks(const BlocksHolderModel& chart) : chart_(chart) {
  const std::int64_t sheet = chart.SheetHeight();
  const bool bandsInRange = sheet > 0 && sheet <= std::numeric_limits<std::int64_t>::max() / chart.DocumentPages();
  for (std::int64_t n = 1; n <= chart.BlockCount(); ++n) {
    const TBlock& b = chart.Blocks(n);
    // The extent as page membership sees it, wrapped the same way.
    const std::int64_t end = WrapAdd(b.Y, b.H);
    const std::int64_t top = std::min(b.Y, end);
    const std::uint64_t extent = static_cast<std::uint64_t>(std::max(b.Y, end)) - static_cast<std::uint64_t>(top);
    if (!bandsInRange || extent > static_cast<std::uint64_t>(sheet)) {
      tall_.push_back(n);
      continue;
    }
    byTop_.push_back({top, n});
    reach_ = std::max(reach_, static_cast<std::int64_t>(extent));
  }
  std::sort(byTop_.begin(), byTop_.end(), [](const Entry& a, const Entry& b) { return a.top < b.top; });
}

std::vector<std::int64_t> PageBlocks::OnPage(std::int32_t page) const {
  std::vector<std::int64_t> found;
  if (page < 1 || page > chart_.DocumentPages()) return found;
  // A block no taller than reach_ that reaches into the page's band starts
  // at most reach_ above it.
  const std::int64_t bandTop = WrapMul(chart_.SheetHeight(), page - 1);
  const std::int64_t bandBottom = WrapMul(chart_.SheetHeight(), page);
  const auto first = std::lower_bound(byTop_.begin(), byTop_.end(), bandTop - reach_,
                                      [](const Entry& e, std::int64_t y) { return e.top < y; });
  for (auto it = first; it != byTop_.end() && it->top <= bandBottom; ++it)
    if (chart_.IsBlockOnPage(page, it->n)) found.push_back(it->n);
  for (const std::int64_t n : tall_)
    if (chart_.IsBlockOnPage(page, n)) found.push_back(n);
  std::sort(found.begin(), found.end());
  return found;
}

bool BlocksHolderModel::IsBlockOnPage(std::int32_t page, std::int64_t n) const {
  if (page < 1 || page > DocumentPages() || n < 1 || n > BlockCount()) return false;
  const TBlock& b = Blocks(n);
  const std::int64_t top = WrapMul(SheetHeight(), page - 1);
  const std::int64_t bottom = WrapMul(SheetHeight(), page);
  const std::int64_t end = WrapAdd(b.Y, b.H);
  // A block taller than the page reaches over it from the page above to the
  // page below, and belongs on it as much as a block that starts on it.
  return std::min(b.Y, end) <= bottom && std::max(b.Y, end) >= top;
}

}  // namespace quobrix
