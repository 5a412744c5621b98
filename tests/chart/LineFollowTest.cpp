// Lines attached to a symbol follow every change of its box, as one undo
// point with the change.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "chart/BlocksHolderModel.h"
#include "chart/CoordinateMath.h"
#include "chart/SymbolOutline.h"
#include "support/ChartBuilder.h"

namespace quobrix {
namespace {

using test::AddRect;

struct Point {
  std::int64_t x, y;
  bool operator==(const Point&) const = default;
};

Point Start(const TBlock& line) { return {line.X, line.Y}; }
Point End(const TBlock& line) { return {line.X + line.W, line.Y + line.H}; }

Point Rounded(const OutlinePoint& p) { return {RoundHalfEven(p.x), RoundHalfEven(p.y)}; }

double OffOutline(const TBlock& symbol, Point p) {
  return NearestOnOutline(SymbolOutline(symbol), static_cast<double>(p.x), static_cast<double>(p.y)).distance;
}

// A decision with a line leaving its right corner for a point far away.
class LineOnADecision : public ::testing::Test {
 protected:
  void SetUp() override {
    AddRect(chart, 1000, 1000, 2000, 1000, btLogicIf);
    AddRect(chart, 3000, 1500, 4000, 1000, btLine);
    chart.SetActiveBlock(1);
    chart.SetModified(false);
  }
  BlocksHolderModel chart;
  const TBlock& decision() { return chart.Blocks(1); }
  const TBlock& line() { return chart.Blocks(2); }
};

TEST_F(LineOnADecision, AResizeByTheHandlesTakesTheEndToTheNewCorner) {
  chart.DragActiveCorner(4, 600, 400, false);
  EXPECT_EQ(Start(line()), (Point{3600, 1700}));
  EXPECT_EQ(End(line()), (Point{7000, 2500})) << "the far end stays";
  chart.DragActiveCorner(1, -500, 0, false);
  EXPECT_EQ(Start(line()), (Point{3600, 1700}));
}

TEST_F(LineOnADecision, TheInspectorsPositionAndSizeTakeTheEndAlong) {
  chart.SetBlockX(1500);
  EXPECT_EQ(Start(line()), (Point{3500, 1500}));
  chart.SetBlockW(1000);
  EXPECT_EQ(Start(line()), (Point{2500, 1500}));
  chart.SetBlockH(3000);
  EXPECT_EQ(Start(line()), (Point{2500, 2500}));
}

TEST_F(LineOnADecision, ResizeAndFollowAreOneUndoPoint) {
  chart.DragActiveCorner(4, 600, 400, false);
  chart.Undo();
  EXPECT_EQ(decision().W, 2000);
  EXPECT_EQ(Start(line()), (Point{3000, 1500}));
  EXPECT_FALSE(chart.FModified());
  chart.Redo();
  EXPECT_EQ(Start(line()), (Point{3600, 1700}));
}

TEST_F(LineOnADecision, AnEndOffTheOutlineKeepsItsPlaceBesideTheBox) {
  AddRect(chart, 800, 1500, -700, 0, btLine);  // ends 200 left of the box
  chart.SetActiveBlock(1);
  chart.DragActiveCorner(1, -300, 0, false);
  EXPECT_EQ(Start(chart.Blocks(3)), (Point{500, 1500}));
  EXPECT_EQ(End(chart.Blocks(3)), (Point{100, 1500}));
}

TEST(LineFollow, AlignedSymbolsTakeTheirLinesAlong) {
  BlocksHolderModel chart;
  AddRect(chart, 1000, 1000);
  AddRect(chart, 1500, 5000);
  AddRect(chart, 2500, 6000, 0, 2000, btLine);  // from the second's bottom
  chart.MakeMultiSelection(0, 0, 4000, 6500, {1, 2});
  chart.AlignSelection(0);
  EXPECT_EQ(Start(chart.Blocks(3)), (Point{1000, 6000}));
  EXPECT_EQ(End(chart.Blocks(3)), (Point{2500, 8000}));
}

TEST(LineFollow, AMovedSelectionTakesTheLinesEndingOnItsMembers) {
  BlocksHolderModel chart;
  AddRect(chart, 1000, 1000);
  AddRect(chart, 3000, 1500, 2000, 0, btLine);
  AddRect(chart, 1000, 4000);
  chart.MakeMultiSelection(0, 0, 3500, 2500, {1});
  chart.MoveActiveBlock(0, 500, true);
  EXPECT_EQ(Start(chart.Blocks(2)), (Point{3000, 2000}));
  EXPECT_EQ(End(chart.Blocks(2)), (Point{5000, 1500}));
}

// Symbols far apart, each with lines glued to its connection points and
// running to the next one; a random run of moves, resizes, inspector values,
// undo and redo keeps every glued end on its symbol's outline.
TEST(LineFollow, GluedEndsStayOnTheOutlineThroughAnyRunOfEdits) {
  const std::uint8_t types[] = {btRectangle, btLogicIf, btEllipse, btBeginEnd, btHexagon, btDocument, btSRectangle};
  constexpr std::int64_t kApart = 30000;
  for (unsigned seed = 1; seed <= 6; ++seed) {
    BlocksHolderModel chart;
    const int symbols = std::size(types);
    for (int i = 0; i < symbols; ++i) AddRect(chart, i * kApart, 0, 3000, 2000, types[i]);
    struct Glued {
      std::int64_t line, symbol;
      bool start;
    };
    std::vector<Glued> glued;
    for (int i = 0; i < symbols; ++i) {
      const std::int64_t from = i + 1, to = (i + 1) % symbols + 1;
      const Point a = Rounded(ConnectionPoints(chart.Blocks(from))[1]);
      const Point b = Rounded(ConnectionPoints(chart.Blocks(to))[3]);
      const std::int64_t line = AddRect(chart, a.x, a.y, b.x - a.x, b.y - a.y, btLine);
      glued.push_back({line, from, true});
      glued.push_back({line, to, false});
    }
    std::mt19937 random(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int step = 0; step < 60; ++step) {
      const std::int64_t s = pick(1, symbols);
      chart.SetActiveBlock(s);
      const TBlock& b = chart.Blocks(s);
      // Each symbol keeps to its own stretch and never shrinks below 5 mm.
      const std::int64_t home = (s - 1) * kApart;
      switch (pick(0, 5)) {
        case 0:
          chart.AttachLines(s, 200);
          chart.MoveActiveBlock(std::clamp<std::int64_t>(b.X + pick(-900, 900), home - 5000, home + 5000) - b.X,
                                pick(-900, 900), true);
          break;
        case 1:
          chart.DragActiveCorner(4, std::max<std::int64_t>(pick(-900, 900), 500 - b.W),
                                 std::max<std::int64_t>(pick(-900, 900), 500 - b.H), false);
          break;
        case 2:
          chart.DragActiveCorner(1, std::min<std::int64_t>(pick(-900, 900), b.W - 500),
                                 std::min<std::int64_t>(pick(-900, 900), b.H - 500), false);
          break;
        case 3:
          chart.SetBlockW(pick(500, 6000));
          break;
        case 4:
          chart.Undo();
          break;
        default:
          chart.Redo();
          break;
      }
      for (const Glued& g : glued) {
        const TBlock& line = chart.Blocks(g.line);
        const Point end = g.start ? Start(line) : End(line);
        ASSERT_LE(OffOutline(chart.Blocks(g.symbol), end), 1.0)
            << "seed " << seed << " step " << step << " line " << g.line << " symbol " << g.symbol;
      }
    }
  }
}

}  // namespace
}  // namespace quobrix
