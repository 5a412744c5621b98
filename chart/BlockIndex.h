// Where the blocks of a chart reach, filed in the cells of a uniform grid,
// so that the blocks near a place are found by looking at the cells around
// it instead of at every block: painting a window, hit tests, the rubber band
// and attached lines cost what lies near them, however large the chart.
//
// The index follows the chart through its notices. Blocks named as changed
// (also by an undo or redo that kept the list's order) and blocks appended
// become loose: they are tested on every search until the next full build,
// which comes with any other change of the list (deletion, reorder, load, an
// undo that reorders) or once the loose blocks grow many. All work waits for
// the next search, so a burst of changes costs one update.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "chart/BlockType.h"
#include "chart/ChartNotice.h"

namespace quobrix {

// A rectangle in chart units, bounds included.
struct ChartArea {
  std::int64_t left = 0, top = 0, right = -1, bottom = -1;

  bool Meets(const ChartArea& other) const {
    return left <= other.right && other.left <= right && top <= other.bottom && other.top <= bottom;
  }
};

// What a block's drawing and its hit tests may cover: its rectangle widened
// by DrawingMargin. None when it may be drawn anywhere: text under or beside
// it, or numbers so far out (a damaged chart) that sums wrap.
std::optional<ChartArea> BlockReach(const TBlock& block);

class BlockIndex {
 public:
  explicit BlockIndex(const BlockList& blocks) : blocks_(blocks) {}

  // Keeps step with a change the chart announced.
  void Hear(const ChartNotice& notice);

  // The numbers, ascending, of the blocks whose reach meets the area or who
  // have none.
  std::vector<std::int64_t> Near(const ChartArea& area);

 private:
  using Slot = std::uint32_t;  // a block's place in the list, from 0

  void Sync();
  void Build();
  void Loosen(Slot slot);
  bool Shows(Slot slot, const ChartArea& area) const;
  // The cell column or row of a coordinate, clamped to the grid.
  std::int64_t Column(std::int64_t x) const;
  std::int64_t Row(std::int64_t y) const;
  // Calls `file` with every cell a block's reach covers; false, calling
  // nothing, when that would be too many cells for one block.
  template <typename F>
  bool ForCells(const ChartArea& reach, F&& file) const;

  const BlockList& blocks_;
  bool stale_ = true;  // a full build is due
  Slot filed_ = 0;     // the blocks known are slots 0 .. filed_ - 1

  // The grid: cell (column, row) holds slots cellStart_[c] .. cellStart_[c + 1] - 1 of entries_.
  ChartArea extent_;
  std::int64_t cellSize_ = 1, columns_ = 0, rows_ = 0;
  std::vector<std::uint32_t> cellStart_;
  std::vector<Slot> entries_;

  std::vector<Slot> wide_;   // blocks without a reach or covering too many cells at the build
  std::vector<Slot> loose_;  // blocks changed or appended since the build
  std::vector<std::uint8_t> isLoose_;
  // Marks the blocks a search already looked at, so one filed in many cells counts once.
  std::vector<std::uint32_t> seen_;
  std::uint32_t search_ = 0;
};

}  // namespace quobrix
