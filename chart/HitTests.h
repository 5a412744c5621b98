// Which blocks lie under a point or inside a rectangle, in chart units.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "chart/BlockType.h"

namespace quobrix {

// Lines are this much (0.5 mm) easier to hit at their ends and across their bounding box.
constexpr std::int64_t kLineHitTolerance = 50;

// min(a, b) <= v <= max(a, b), widened for a line.
bool InSpan(const TBlock& block, std::int64_t v, std::int64_t a, std::int64_t b);
// The same with both bounds first widened by `tol`.
bool InSpanTol(const TBlock& block, std::int64_t tol, std::int64_t v, std::int64_t a, std::int64_t b);

// Whether the point hits the block. A line is hit inside a thin ellipse
// around its segment; a container only where one of its members is.
bool HitsBlock(const TBlock& block, std::int64_t x, std::int64_t y);
// Whether both corners of the block lie inside the rectangle.
bool LiesInRect(const TBlock& block, std::int64_t xa, std::int64_t ya, std::int64_t xb, std::int64_t yb);

// Both look only at the candidates: block numbers (1..N), ascending, that
// include every block the answer may hold.
// The number of the topmost block under the point, 0 for none.
std::int64_t BlockAtPoint(const BlockList& blocks, std::span<const std::int64_t> candidates, std::int64_t x,
                          std::int64_t y);
// Numbers of the blocks with both corners inside the rectangle, ascending,
// from slot 1 on; slot 0 holds 0.
std::vector<std::int64_t> BlocksInRect(const BlockList& blocks, std::span<const std::int64_t> candidates,
                                       std::int64_t xa, std::int64_t ya, std::int64_t xb, std::int64_t yb);

// The 0-based index of the smallest value, the first on ties; -1 for none.
// Distances come as unsigned values, exact however far apart the points are.
std::ptrdiff_t IndexOfMin(std::span<const std::int64_t> values);
std::ptrdiff_t IndexOfMin(std::span<const std::uint64_t> values);

}  // namespace quobrix
