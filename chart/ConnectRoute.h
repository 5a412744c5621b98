// Connectors that find their way: an orthogonal polyline from one symbol to
// another that goes around the symbols in between, drawn as a chain of
// lines whose ends lie on the two outlines.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "chart/BlockType.h"

namespace quobrix {

class BlocksHolderModel;

struct RoutePoint {
  std::int64_t x = 0, y = 0;
  bool operator==(const RoutePoint&) const = default;
};

// How far (chart units) a route keeps from the symbols it passes.
constexpr std::int64_t kRouteClearance = 300;

// The corners of an orthogonal route from `start` on symbol `from` to `end`
// on symbol `to`, each leaving its symbol straight out of the side it lies
// on, around every other symbol near them, with as few bends as it can and
// then as short as it can. Empty when nothing gets through or the way
// passes too many symbols (some hundreds) to be worth searching.
std::vector<RoutePoint> Route(BlocksHolderModel& chart, const TBlock& from, RoutePoint start, const TBlock& to,
                              RoutePoint end);

// Where a connector between the two symbols starts and ends: the
// connection points that face each other.
std::pair<RoutePoint, RoutePoint> FacingPoints(const TBlock& from, const TBlock& to);

// Adds the route from `start` on symbol `from` to `end` on symbol `to` as
// lines, as one edit; the last takes the default line ends. The number of
// lines added, 0 when no route was found.
std::int64_t ConnectSymbols(BlocksHolderModel& chart, std::int64_t from, RoutePoint start, std::int64_t to,
                            RoutePoint end);

// Connects the two symbols of the selection, the first in the list to the
// second, between their facing connection points. False, changing nothing,
// when the selection holds other than two symbols or no route gets through.
bool ConnectSelection(BlocksHolderModel& chart);

}  // namespace quobrix
