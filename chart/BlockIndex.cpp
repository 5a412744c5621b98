#include "chart/BlockIndex.h"

#include <algorithm>
#include <cmath>

#include "chart/BlockExtent.h"

namespace quobrix {

namespace {

// Beyond ten thousand kilometres a reach is no longer filed: up to there the
// sums are exact in doubles and cannot wrap. A chart of a million symbols may
// well reach twenty kilometres down the sheet.
constexpr double kFarthest = 1e15;
// A block covering more cells than this is tested on every search instead.
constexpr std::int64_t kMostCellsPerBlock = 64;
// The blocks sampled for the typical reach size.
constexpr std::size_t kSizeSamples = 4096;

}  // namespace

std::optional<ChartArea> BlockReach(const TBlock& block) {
  if (TextMayLeaveBlock(block)) return std::nullopt;
  const double x0 = static_cast<double>(block.X), x1 = x0 + static_cast<double>(block.W);
  const double y0 = static_cast<double>(block.Y), y1 = y0 + static_cast<double>(block.H);
  const double margin = DrawingMargin(block);
  const double left = std::min(x0, x1) - margin, right = std::max(x0, x1) + margin;
  const double top = std::min(y0, y1) - margin, bottom = std::max(y0, y1) + margin;
  if (!(left >= -kFarthest && right <= kFarthest && top >= -kFarthest && bottom <= kFarthest)) return std::nullopt;
  return ChartArea{static_cast<std::int64_t>(std::floor(left)), static_cast<std::int64_t>(std::floor(top)),
                   static_cast<std::int64_t>(std::ceil(right)), static_cast<std::int64_t>(std::ceil(bottom))};
}

void BlockIndex::Hear(const ChartNotice& notice) {
  if (notice.Kind == ChartChange::Structure && notice.ChangedBlocks.empty()) {
    // Appended blocks are found by the list's growth; any other change renumbers.
    if (notice.Structure != StructureChange::Added) stale_ = true;
  } else if (notice.Kind == ChartChange::Blocks || notice.Kind == ChartChange::Structure) {
    // A notice naming no block may have changed any.
    if (notice.ChangedBlocks.empty()) stale_ = true;
    for (const std::int64_t n : notice.ChangedBlocks) {
      if (n < 1 || n > static_cast<std::int64_t>(blocks_.size()))
        stale_ = true;
      else if (n <= filed_)
        Loosen(static_cast<Slot>(n - 1));
    }
  }
}

std::vector<std::int64_t> BlockIndex::Near(const ChartArea& area) {
  std::vector<std::int64_t> found;
  if (area.left > area.right || area.top > area.bottom) return found;
  Sync();
  if (++search_ == 0) {
    std::fill(seen_.begin(), seen_.end(), 0);
    search_ = 1;
  }
  auto look = [&](Slot slot) {
    if (seen_[slot] == search_) return;
    seen_[slot] = search_;
    if (Shows(slot, area)) found.push_back(std::int64_t{slot} + 1);
  };
  // Both the area and the reaches are clamped to the grid, so blocks beyond
  // its extent are met in its border cells.
  if (columns_ > 0) {
    for (std::int64_t row = Row(area.top), lastRow = Row(area.bottom); row <= lastRow; ++row)
      for (std::int64_t col = Column(area.left), lastCol = Column(area.right); col <= lastCol; ++col) {
        const auto cell = static_cast<std::size_t>(row * columns_ + col);
        for (std::uint32_t e = cellStart_[cell]; e < cellStart_[cell + 1]; ++e)
          if (!isLoose_[entries_[e]]) look(entries_[e]);
      }
  }
  for (const Slot slot : wide_) look(slot);
  for (const Slot slot : loose_) look(slot);
  std::sort(found.begin(), found.end());
  return found;
}

void BlockIndex::Sync() {
  if (stale_ || blocks_.size() < filed_) {
    Build();
    return;
  }
  for (; filed_ < blocks_.size(); ++filed_) {
    isLoose_.push_back(0);
    seen_.push_back(0);
    Loosen(filed_);
  }
  if (loose_.size() > std::max<std::size_t>(64, filed_ / 8)) Build();
}

void BlockIndex::Build() {
  const std::size_t count = blocks_.size();
  stale_ = false;
  filed_ = static_cast<Slot>(count);
  wide_.clear();
  loose_.clear();
  isLoose_.assign(count, 0);
  seen_.assign(count, 0);
  search_ = 0;
  columns_ = rows_ = 0;

  // The extent of the reaches and a typical reach's size, from a sample. The
  // extent leaves out the farthest few sampled edges, so a block far from the
  // rest (a damaged chart) does not stretch the grid over nothing: whatever
  // lies beyond the extent is filed in its border cells.
  std::vector<std::int64_t> sizes, lefts, tops, rights, bottoms;
  auto sample = [&](std::size_t step) {
    for (std::size_t i = 0; i < count; i += step) {
      const auto reach = BlockReach(*blocks_[i]);
      if (!reach) continue;
      sizes.push_back(std::max(reach->right - reach->left, reach->bottom - reach->top) + 1);
      lefts.push_back(reach->left);
      tops.push_back(reach->top);
      rights.push_back(-reach->right);
      bottoms.push_back(-reach->bottom);
    }
  };
  sample(count / kSizeSamples + 1);
  if (sizes.empty()) sample(1);  // the few blocks with a reach fell between the samples
  if (sizes.empty()) {
    for (std::size_t i = 0; i < count; ++i) wide_.push_back(static_cast<Slot>(i));
    return;
  }
  const std::size_t outliers = sizes.size() / 1000;
  auto edge = [outliers](std::vector<std::int64_t>& values) {
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(outliers), values.end());
    return values[outliers];
  };
  extent_ = {edge(lefts), edge(tops), -edge(rights), -edge(bottoms)};

  // Cells about as large as a typical reach, more of them than blocks only
  // where the chart is sparse, and never more than twice as many.
  std::nth_element(sizes.begin(), sizes.begin() + static_cast<std::ptrdiff_t>(sizes.size() / 2), sizes.end());
  const double width = static_cast<double>(extent_.right - extent_.left) + 1;
  const double height = static_cast<double>(extent_.bottom - extent_.top) + 1;
  const double mostCells = std::max(1024.0, 2.0 * static_cast<double>(count));
  double size = std::max(static_cast<double>(sizes[sizes.size() / 2]),
                         std::sqrt(width * height / static_cast<double>(count)));
  while (std::ceil(width / size) * std::ceil(height / size) > mostCells) size *= 2;
  cellSize_ = static_cast<std::int64_t>(std::ceil(size));
  columns_ = static_cast<std::int64_t>(std::ceil(width / static_cast<double>(cellSize_)));
  rows_ = static_cast<std::int64_t>(std::ceil(height / static_cast<double>(cellSize_)));

  // Counted first, then filed, so every cell's blocks lie side by side.
  cellStart_.assign(static_cast<std::size_t>(columns_ * rows_) + 1, 0);
  for (std::size_t i = 0; i < count; ++i) {
    const auto reach = BlockReach(*blocks_[i]);
    if (!reach || !ForCells(*reach, [&](std::size_t cell) { ++cellStart_[cell + 1]; }))
      wide_.push_back(static_cast<Slot>(i));
  }
  for (std::size_t c = 1; c < cellStart_.size(); ++c) cellStart_[c] += cellStart_[c - 1];
  entries_.assign(cellStart_.back(), 0);
  std::vector<std::uint32_t> next(cellStart_.begin(), cellStart_.end() - 1);
  for (std::size_t i = 0; i < count; ++i)
    if (const auto reach = BlockReach(*blocks_[i]))
      ForCells(*reach, [&](std::size_t cell) { entries_[next[cell]++] = static_cast<Slot>(i); });
}

void BlockIndex::Loosen(Slot slot) {
  if (isLoose_[slot]) return;
  isLoose_[slot] = 1;
  loose_.push_back(slot);
}

bool BlockIndex::Shows(Slot slot, const ChartArea& area) const {
  const auto reach = BlockReach(*blocks_[slot]);
  return !reach || reach->Meets(area);
}

std::int64_t BlockIndex::Column(std::int64_t x) const {
  return (std::clamp(x, extent_.left, extent_.right) - extent_.left) / cellSize_;
}

std::int64_t BlockIndex::Row(std::int64_t y) const {
  return (std::clamp(y, extent_.top, extent_.bottom) - extent_.top) / cellSize_;
}

template <typename F>
bool BlockIndex::ForCells(const ChartArea& reach, F&& file) const {
  const std::int64_t col0 = Column(reach.left), col1 = Column(reach.right);
  const std::int64_t row0 = Row(reach.top), row1 = Row(reach.bottom);
  if ((col1 - col0 + 1) * (row1 - row0 + 1) > kMostCellsPerBlock) return false;
  for (std::int64_t row = row0; row <= row1; ++row)
    for (std::int64_t col = col0; col <= col1; ++col) file(static_cast<std::size_t>(row * columns_ + col));
  return true;
}

}  // namespace quobrix
