// Connectors routed around the symbols between their two ends.
#include <gtest/gtest.h>

#include <random>

#include "chart/BlocksHolderModel.h"
#include "chart/ConnectRoute.h"
#include "chart/SymbolOutline.h"
#include "support/ChartBuilder.h"

namespace quobrix {
namespace {

using test::AddRect;

// Whether the level or upright segment passes through the inside of the block's box.
bool CutsThrough(RoutePoint a, RoutePoint b, const TBlock& s) {
  const std::int64_t left = std::min(s.X, s.X + s.W), right = std::max(s.X, s.X + s.W);
  const std::int64_t top = std::min(s.Y, s.Y + s.H), bottom = std::max(s.Y, s.Y + s.H);
  const std::int64_t x0 = std::min(a.x, b.x), x1 = std::max(a.x, b.x);
  const std::int64_t y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
  if (x0 == x1) return left < x0 && x0 < right && y0 < bottom && top < y1;
  return top < y0 && y0 < bottom && x0 < right && left < x1;
}

double OffOutline(const TBlock& s, RoutePoint p) {
  return NearestOnOutline(SymbolOutline(s), static_cast<double>(p.x), static_cast<double>(p.y)).distance;
}

// Checks what every route must be: orthogonal, from outline to outline,
// through no symbol, its ends' symbols included.
void ExpectSound(BlocksHolderModel& chart, std::int64_t from, std::int64_t to, const std::vector<RoutePoint>& route) {
  ASSERT_GE(route.size(), 2u);
  EXPECT_LE(OffOutline(chart.Blocks(from), route.front()), 1.0);
  EXPECT_LE(OffOutline(chart.Blocks(to), route.back()), 1.0);
  for (std::size_t k = 1; k < route.size(); ++k) {
    const RoutePoint a = route[k - 1], b = route[k];
    EXPECT_TRUE(a.x == b.x || a.y == b.y) << "segment " << k << " is not level or upright";
    for (std::int64_t n = 1; n <= chart.BlockCount(); ++n) {
      const bool own = (n == from && k == 1) || (n == to && k + 1 == route.size());
      if (chart.Blocks(n).BT == btLine || own) continue;
      EXPECT_FALSE(CutsThrough(a, b, chart.Blocks(n))) << "segment " << k << " cuts through block " << n;
    }
  }
}

std::vector<RoutePoint> Connect(BlocksHolderModel& chart, std::int64_t from, std::int64_t to) {
  const auto [start, end] = FacingPoints(chart.Blocks(from), chart.Blocks(to));
  return Route(chart, chart.Blocks(from), start, chart.Blocks(to), end);
}

TEST(Route, NothingBetweenIsOneStraightLine) {
  BlocksHolderModel chart;
  AddRect(chart, 1000, 1000);
  AddRect(chart, 1000, 5000);
  EXPECT_EQ(Connect(chart, 1, 2), (std::vector<RoutePoint>{{2000, 2000}, {2000, 5000}}));
}

TEST(Route, GoesAroundASymbolInBetweenWithTwoBendsAtMost) {
  BlocksHolderModel chart;
  AddRect(chart, 1000, 1000);
  AddRect(chart, 1000, 9000);
  AddRect(chart, 500, 4500, 3000, 1500, btLogicIf);
  const std::vector<RoutePoint> route = Connect(chart, 1, 2);
  ExpectSound(chart, 1, 2, route);
  EXPECT_LE(route.size(), 6u) << "down, aside, down, back, down";
}

TEST(Route, SymbolsBesideEachOtherMeetSideToSide) {
  BlocksHolderModel chart;
  AddRect(chart, 1000, 1000);
  AddRect(chart, 8000, 3000, 2000, 1000, btEllipse);
  const std::vector<RoutePoint> route = Connect(chart, 1, 2);
  ExpectSound(chart, 1, 2, route);
  EXPECT_EQ(route.front(), (RoutePoint{3000, 1500}));
  EXPECT_EQ(route.back(), (RoutePoint{8000, 3500}));
  EXPECT_EQ(route.size(), 4u);
}

// Symbols scattered over a board, any two connected: no route cuts through
// a symbol.
TEST(Route, NeverCutsThroughASymbol) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    BlocksHolderModel chart;
    std::mt19937 random(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    const std::uint8_t types[] = {btRectangle, btLogicIf, btEllipse, btBeginEnd, btHexagon, btDocument};
    for (int cell = 0; cell < 36; ++cell) {
      if (pick(0, 2) == 0) continue;
      chart.AddDefaultBlock(types[pick(0, 5)], (cell % 6) * 5000 + pick(0, 1500), (cell / 6) * 4000 + pick(0, 1500),
                            pick(800, 3000), pick(600, 2000));
    }
    for (int pair = 0; pair < 5; ++pair) {
      const std::int64_t from = pick(1, static_cast<int>(chart.BlockCount()));
      const std::int64_t to = pick(1, static_cast<int>(chart.BlockCount()));
      if (from == to) continue;
      SCOPED_TRACE("seed " + std::to_string(seed) + ", " + std::to_string(from) + " to " + std::to_string(to));
      ExpectSound(chart, from, to, Connect(chart, from, to));
    }
  }
}

// A route between the ends of a long chain would pass thousands of symbols:
// it is refused at once rather than searched for a long time.
TEST(Route, PastTooManySymbolsIsNone) {
  BlocksHolderModel chart;
  for (int k = 0; k < 2000; ++k) AddRect(chart, 0, k * 2000, 2000, 1000);
  EXPECT_TRUE(Connect(chart, 1, 2000).empty());
  EXPECT_FALSE(Connect(chart, 1, 2).empty());
}

TEST(ConnectSymbols, AddsTheRouteAsLinesInOneUndoPointTheLastWithTheDefaultEnds) {
  BlocksHolderModel chart;
  AddRect(chart, 1000, 1000);
  AddRect(chart, 8000, 3000);
  chart.SetDefLineArrows(blaFilledEndArrow);
  chart.SetModified(false);
  const auto [start, end] = FacingPoints(chart.Blocks(1), chart.Blocks(2));
  ASSERT_EQ(ConnectSymbols(chart, 1, start, 2, end), 3);
  ASSERT_EQ(chart.BlockCount(), 5);
  for (std::int64_t n = 3; n <= 5; ++n) EXPECT_EQ(chart.Blocks(n).BT, btLine);
  EXPECT_EQ(chart.Blocks(3).LineArrows, blaSimple);
  EXPECT_EQ(chart.Blocks(5).LineArrows, blaFilledEndArrow);
  EXPECT_EQ(chart.DefLineArrows(), blaFilledEndArrow);
  EXPECT_EQ(chart.History().FUndoCount(), 1);
  chart.Undo();
  EXPECT_EQ(chart.BlockCount(), 2);
  EXPECT_FALSE(chart.FModified());
}

}  // namespace
}  // namespace quobrix
