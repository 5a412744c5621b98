// Where lines meet a symbol: its outline in chart units, the points on it
// that lines are drawn to, and the point of it nearest to a place.
#pragma once

#include <vector>

#include "chart/BlockType.h"

namespace quobrix {

struct OutlinePoint {
  double x = 0, y = 0;
  bool operator==(const OutlinePoint&) const = default;
};

// Whether lines attach to the block: every symbol, but no line, point or
// container.
bool TakesLines(const TBlock& block);

// The symbol's outline as a closed polygon in chart units, curves as many
// short sides.
std::vector<OutlinePoint> SymbolOutline(const TBlock& block);

// Where the symbol's middle lines, across and down, leave its outline: the
// middle of each side of a box, the corners of a decision, the ends of a
// terminator. Top, right, bottom, left.
std::vector<OutlinePoint> ConnectionPoints(const TBlock& block);

struct NearestPoint {
  OutlinePoint point;
  double distance = 0;
};
// The point of the closed polygon nearest (x, y).
NearestPoint NearestOnOutline(const std::vector<OutlinePoint>& outline, double x, double y);

}  // namespace quobrix
