// Moving and resizing the active block with the mouse, as model operations.
#include <gtest/gtest.h>

#include <limits>

#include "chart/BlocksHolderModel.h"
#include "support/ChartBuilder.h"
#include "support/NoticeLog.h"

namespace quobrix {
namespace {

using test::AddRect;

struct CornerCase {
  const char* name;
  std::uint8_t type;
  int corner;
  TBlock expected;  // X, Y, W, H after dragging by (+100, +50)
};

TBlock Rect(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
  TBlock b;
  b.X = x;
  b.Y = y;
  b.W = w;
  b.H = h;
  return b;
}

class DragCorner : public ::testing::TestWithParam<CornerCase> {};

TEST_P(DragCorner, MovesOnlyTheEdgesOfThatCorner) {
  BlocksHolderModel chart;
  AddRect(chart, 1000, 1000, 2000, 1000, GetParam().type);
  chart.SetActiveBlock(1);
  chart.DragActiveCorner(GetParam().corner, 100, 50, false);
  const TBlock& b = chart.Blocks(1);
  const TBlock& e = GetParam().expected;
  EXPECT_EQ(b.X, e.X);
  EXPECT_EQ(b.Y, e.Y);
  EXPECT_EQ(b.W, e.W);
  EXPECT_EQ(b.H, e.H);
}

INSTANTIATE_TEST_SUITE_P(Corners, DragCorner,
                         ::testing::Values(CornerCase{"top_left", btRectangle, 1, Rect(1100, 1050, 1900, 950)},
                                           CornerCase{"top_right", btRectangle, 2, Rect(1000, 1050, 2100, 950)},
                                           CornerCase{"bottom_left", btRectangle, 3, Rect(1100, 1000, 1900, 1050)},
                                           CornerCase{"bottom_right", btRectangle, 4, Rect(1000, 1000, 2100, 1050)},
                                           CornerCase{"a_point_moves_whole", btPoint, 4, Rect(1100, 1050, 2000, 1000)}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(DragCorner, AContainersMembersScaleWithItsBottomRightCorner) {
  BlocksHolderModel chart;
  AddRect(chart, 500, 500, 200, 100);
  chart.MakeMultiSelection(0, 0, 1000, 1000, {1});
  chart.DragActiveCorner(4, 1000, 0, false);
  const TBlock& m = chart.Blocks(1);
  EXPECT_EQ(m.X, 1000);
  EXPECT_EQ(m.Y, 500);
  EXPECT_EQ(m.W, 400);
  EXPECT_EQ(m.H, 100);
  EXPECT_EQ(chart.Blocks(2).W, 2000);
}

TEST(DragCorner, StraighteningLaysANearlyLevelLineFlat) {
  BlocksHolderModel chart;
  AddRect(chart, 0, 0, 1000, 150, btLine);
  chart.SetActiveBlock(1);
  chart.DragActiveCorner(4, 0, 30, true);
  EXPECT_EQ(chart.Blocks(1).H, 0);
  EXPECT_EQ(chart.Blocks(1).W, 1000);
}

class AttachedLines : public ::testing::Test {
 protected:
  // A rectangle with a line starting on its right edge and one ending on its left edge.
  void SetUp() override {
    AddRect(chart, 1000, 1000, 2000, 1000);
    AddRect(chart, 3000, 1500, 1000, 0, btLine);
    AddRect(chart, 0, 1500, 1000, 0, btLine);
    chart.SetActiveBlock(1);
    chart.AttachLines(1, 200);
  }
  BlocksHolderModel chart;
};

TEST_F(AttachedLines, FollowTheMovedSymbolAtTheirAttachedEnd) {
  ASSERT_EQ(chart.FAttachedLines().size(), 2u);
  chart.MoveActiveBlock(100, 200, true);
  EXPECT_EQ(chart.Blocks(2).X, 3100);
  EXPECT_EQ(chart.Blocks(2).W, 900);  // the far end stays
  EXPECT_EQ(chart.Blocks(3).X, 0);
  EXPECT_EQ(chart.Blocks(3).W, 1100);
  EXPECT_EQ(chart.Blocks(3).H, 200);
}

TEST_F(AttachedLines, ADeletedLineIsLetGoOf) {
  chart.DeleteBlock(true, 2);
  ASSERT_EQ(chart.FAttachedLines().size(), 1u);
  EXPECT_EQ(chart.FAttachedLines()[0].line, &chart.Blocks(2));
  chart.MoveActiveBlock(100, 0, true);
  EXPECT_EQ(chart.Blocks(2).W, 1100);
}

TEST_F(AttachedLines, UndoLetsGoOfEveryLine) {
  chart.ChangeSheetColor(0x0000FF);
  chart.Undo();
  EXPECT_TRUE(chart.FAttachedLines().empty());
}

// A pasted copy lies one grid step right of and below its original, over
// the ends of the original's lines: those touch the original, not the copy.
TEST(AttachLines, APastedCopyOverTheOriginalTakesNoneOfTheOriginalsLines) {
  BlocksHolderModel chart;
  AddRect(chart, 1000, 1000, 4000, 2000);
  AddRect(chart, 5000, 2500, 2000, 0, btLine);   // from the right edge
  AddRect(chart, 3000, 5000, 0, -2000, btLine);  // to the bottom edge
  chart.SetActiveBlock(1);
  ASSERT_TRUE(chart.PasteFragment(chart.BlockToFragment(chart.Blocks(1))));
  ASSERT_EQ(chart.ActiveBlock(), 4);
  chart.AttachLines(4, 200);
  EXPECT_TRUE(chart.FAttachedLines().empty());
  chart.MoveActiveBlock(500, 500, true);
  EXPECT_EQ(chart.Blocks(2).X, 5000);
  EXPECT_EQ(chart.Blocks(3).H, -2000);
  chart.SetActiveBlock(1);
  chart.AttachLines(1, 200);
  EXPECT_EQ(chart.FAttachedLines().size(), 2u) << "the original keeps its lines";
}

TEST_F(AttachedLines, AnEndWithinTheToleranceOutsideOrInsideTheOutlineIsAttached) {
  AddRect(chart, 800, 1500, -700, 0, btLine);   // ends 200 left of the left edge
  AddRect(chart, 1150, 1850, 0, 1000, btLine);  // starts 150 inside the bottom-left corner
  AddRect(chart, 2000, 1500, 0, 3000, btLine);  // starts in the middle of the block
  chart.AttachLines(1, 200);
  std::vector<std::int64_t> attached;
  for (const auto& line : chart.FAttachedLines()) attached.push_back(chart.IndexOfBlock(line.line));
  EXPECT_EQ(attached, (std::vector<std::int64_t>{2, 3, 4, 5}));
}

TEST(MoveActiveBlock, DamagedCoordinatesWrapInsteadOfOverflowing) {
  BlocksHolderModel chart;
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  AddRect(chart, kMax, kMax, kMax, 1000);
  chart.SetActiveBlock(1);
  chart.MoveActiveBlock(1, 1, false);
  EXPECT_EQ(chart.Blocks(1).X, std::numeric_limits<std::int64_t>::min());
  chart.DragActiveCorner(4, 1, 0, false);
  EXPECT_EQ(chart.Blocks(1).W, std::numeric_limits<std::int64_t>::min());
}

TEST(MoveActiveBlock, MarksTheChartModifiedAndDoesNothingWithoutAnActiveBlock) {
  BlocksHolderModel chart;
  AddRect(chart, 0, 0);
  chart.SetModified(false);
  chart.MoveActiveBlock(100, 100, true);
  chart.DragActiveCorner(4, 100, 100, false);
  EXPECT_EQ(chart.Blocks(1).X, 0);
  EXPECT_EQ(chart.Blocks(1).W, 2000);
  EXPECT_FALSE(chart.FModified());
  chart.SetActiveBlock(1);
  chart.MoveActiveBlock(100, 100, true);
  EXPECT_TRUE(chart.FModified());
}

// A step below the move threshold arrives as (0, 0): a click, no edit.
TEST(MoveActiveBlock, AStepThatMovesNothingLeavesTheChartUnmodified) {
  BlocksHolderModel chart;
  AddRect(chart, 0, 0);
  AddRect(chart, 0, 5000, 1000, 1000, btSquare);
  chart.SetModified(false);
  test::NoticeLog log(chart);
  for (std::int64_t n : {1, 2}) {
    chart.SetActiveBlock(n);
    chart.MoveActiveBlock(0, 0, true);
    chart.DragActiveCorner(4, 0, 0, false);
    chart.DragActiveCorner(1, 0, 0, false);
  }
  EXPECT_FALSE(chart.FModified());
  for (const ChartNotice& notice : log.notices) EXPECT_NE(notice.Kind, ChartChange::Blocks);
}

}  // namespace
}  // namespace quobrix
