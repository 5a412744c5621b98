// Glue: the symbol a line end being drawn or dragged sticks to, and where on
// its outline the end goes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "chart/BlockType.h"
#include "chart/SymbolOutline.h"

namespace quobrix {

struct GlueTarget {
  std::int64_t block = 0;     // the symbol's number
  std::int64_t x = 0, y = 0;  // where the end goes, on the outline
  std::vector<OutlinePoint> connectionPoints;
  std::vector<OutlinePoint> outline;
};

// The topmost symbol among the candidates (block numbers, ascending) that
// the point lies inside or within `reach` of, other than `except`. The end
// goes to a connection point within `reach` of the point, else to the
// nearest point of the outline.
std::optional<GlueTarget> FindGlue(const BlockList& blocks, std::span<const std::int64_t> candidates, std::int64_t x,
                                   std::int64_t y, std::int64_t reach, const TBlock* except = nullptr);

}  // namespace quobrix
