// Lines whose ends lie on a symbol follow it when its box changes: a move
// carries the ends along, a resize keeps each end at its place on the
// outline. Whether an end is attached stays a matter of geometry: an end on
// the outline or within the tolerance outside it, not deep inside.
#pragma once

#include <cstdint>
#include <vector>

#include "chart/BlockIndex.h"
#include "chart/BlockType.h"
#include "chart/SymbolOutline.h"

namespace quobrix {

class BlocksHolderModel;
class ChartEdit;

// How far (chart units) outside a box a line end still counts as on it.
constexpr std::int64_t kAttachTolerance = 200;

// The area where the ends of lines attached to `block` may lie.
ChartArea AttachReach(const TBlock& block, std::int64_t tolerance);
// Which end of `line` is attached to `block`, whose outline (chart units,
// empty for a block without one) is given: 1 the start, 2 the end, 0
// neither or both (a line lying over the block belongs to no edge of it).
int AttachedEnd(const TBlock& line, const TBlock& block, const std::vector<OutlinePoint>& outline,
                std::int64_t tolerance);
// The outline ends are attached to: the symbol's, none for other blocks.
std::vector<OutlinePoint> OutlineForLines(const TBlock& block);
// Whether the point lies on the outline, within a unit.
bool OnOutline(const std::vector<OutlinePoint>& outline, std::int64_t x, std::int64_t y);

class LineFollow {
 public:
  // Notes the ends attached to `symbols`, before their boxes change. Lines
  // in `moving` change with them and are left alone.
  LineFollow(BlocksHolderModel& chart, const std::vector<TBlock*>& symbols, const std::vector<TBlock*>& moving = {});

  // Brings the noted ends to the symbols' new boxes, within `edit`; returns
  // the lines changed.
  std::vector<const TBlock*> Follow(ChartEdit& edit) const;

 private:
  struct Box {
    std::int64_t X, Y, W, H;
  };
  struct End {
    TBlock* line;
    int end;
    const TBlock* symbol;
    Box before;
    bool onOutline;
  };
  std::vector<End> ends_;

  static void PutEnd(TBlock& line, int end, std::int64_t x, std::int64_t y);
  static std::pair<std::int64_t, std::int64_t> NewPlace(const End& e, std::int64_t x, std::int64_t y);
};

}  // namespace quobrix
