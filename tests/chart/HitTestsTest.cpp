#include <gtest/gtest.h>

#include "chart/HitTests.h"
#include "render/DrawHelpers.h"

namespace quobrix::testsupport {
namespace {

using Numbers = std::vector<std::int64_t>;

TBlock& Add(BlockList& list, std::uint8_t type, std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
  list.push_back(std::make_unique<TBlock>(MakeBlock(type, x, y, w, h)));
  return *list.back();
}

Numbers Every(const BlockList& list) {
  Numbers all;
  for (std::size_t n = 1; n <= list.size(); ++n) all.push_back(static_cast<std::int64_t>(n));
  return all;
}

TEST(InSpan, BoundsInEitherOrderAreInclusive) {
  const TBlock rect = MakeBlock(btRectangle, 0, 0, 0, 0);
  EXPECT_TRUE(InSpan(rect, 10, 20, 10));
  EXPECT_TRUE(InSpan(rect, 20, 20, 10));
  EXPECT_FALSE(InSpan(rect, 21, 20, 10));
  EXPECT_FALSE(InSpan(rect, 9, 10, 20));
}

TEST(InSpan, LinesAreHalfAMillimetreWider) {
  const TBlock line = MakeBlock(btLine, 0, 0, 0, 0);
  EXPECT_TRUE(InSpan(line, 60, 110, 200));
  EXPECT_FALSE(InSpan(line, 59, 110, 200));
  EXPECT_TRUE(InSpan(line, 250, 110, 200));
  EXPECT_FALSE(InSpan(line, 251, 110, 200));
}

TEST(InSpanTol, ToleranceWidensBeforeTheLineAllowance) {
  const TBlock rect = MakeBlock(btRectangle, 0, 0, 0, 0), line = MakeBlock(btLine, 0, 0, 0, 0);
  EXPECT_TRUE(InSpanTol(rect, 5, 95, 100, 200));
  EXPECT_FALSE(InSpanTol(rect, 5, 94, 100, 200));
  EXPECT_TRUE(InSpanTol(line, 5, 45, 100, 200));
  EXPECT_FALSE(InSpanTol(line, 5, 44, 100, 200));
}

TEST(InSpanTol, SaturatesAtTheEndsOfTheRange) {
  const TBlock line = MakeBlock(btLine, 0, 0, 0, 0);
  EXPECT_TRUE(InSpanTol(line, INT64_MAX, INT64_MIN, INT64_MIN, INT64_MAX));
  // A hugely negative tolerance narrows the span to nothing.
  EXPECT_FALSE(InSpanTol(line, INT64_MIN, 0, -10, 10));
}

TEST(BlockAtPoint, HighestNumberedOfOverlappingBlocksWins) {
  BlockList list;
  Add(list, btRectangle, 0, 0, 100, 100);
  Add(list, btEllipse, 50, 50, 100, 100);
  EXPECT_EQ(BlockAtPoint(list, Every(list), 75, 75), 2);
  EXPECT_EQ(BlockAtPoint(list, Every(list), 25, 25), 1);
  EXPECT_EQ(BlockAtPoint(list, Every(list), 200, 200), 0);
}

TEST(BlockAtPoint, LooksOnlyAtTheCandidates) {
  BlockList list;
  Add(list, btRectangle, 0, 0, 100, 100);
  Add(list, btRectangle, 0, 0, 100, 100);
  Add(list, btRectangle, 0, 0, 100, 100);
  EXPECT_EQ(BlockAtPoint(list, Numbers{1, 2}, 50, 50), 2);
  EXPECT_EQ(BlocksInRect(list, Numbers{1, 3}, 0, 0, 100, 100), (Numbers{0, 1, 3}));
}

TEST(BlockAtPoint, BlockDrawnLeftAndUpIsFoundInItsRectangle) {
  BlockList list;
  Add(list, btRectangle, 100, 100, -50, -50);
  EXPECT_EQ(BlockAtPoint(list, Every(list), 60, 60), 1);
}

struct LinePointCase {
  const char* name;
  std::int64_t x, y;
  bool hit;
  friend std::ostream& operator<<(std::ostream& out, const LinePointCase& row) { return out << row.name; }
};

class LineHits : public ::testing::TestWithParam<LinePointCase> {};

TEST_P(LineHits, InsideAThinEllipseAroundTheSegment) {
  BlockList list;
  Add(list, btLine, 0, 0, 1000, 0);
  EXPECT_EQ(BlockAtPoint(list, Every(list), GetParam().x, GetParam().y), GetParam().hit ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(HorizontalLine, LineHits,
                         ::testing::Values(LinePointCase{"nearTheMiddle", 500, 40, true},
                                           LinePointCase{"outsideTheWidenedSpan", 500, 60, false},
                                           LinePointCase{"onTheEllipseBorderIsOutside", 1005, 0, false},
                                           LinePointCase{"justInsideTheEnd", 1004, 0, true},
                                           LinePointCase{"behindTheStart", -4, 0, true}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(BlockAtPoint, ContainerIsHitOnlyThroughItsMembers) {
  BlockList list;
  TBlock& member = Add(list, btRectangle, 0, 0, 100, 100);
  TBlock& group = Add(list, btSelection, 0, 0, 1000, 1000);
  group.Compl = ckGroup;
  group.Members = {&member};
  EXPECT_EQ(BlockAtPoint(list, Every(list), 50, 50), 2);
  EXPECT_EQ(BlockAtPoint(list, Every(list), 500, 500), 0);
}

TEST(BlockAtPoint, ContainerMemberLineKeepsItsTolerance) {
  BlockList list;
  TBlock& line = Add(list, btLine, 0, 0, 100, 0);
  TBlock& group = Add(list, btSelection, -100, -100, 1000, 1000);
  group.Members = {&line};
  EXPECT_EQ(BlockAtPoint(list, Every(list), 50, 30), 2);
}

TEST(BlockAtPoint, ContainerWithoutMembersIsNeverHit) {
  BlockList list;
  Add(list, btRectangle, 0, 0, 100, 100);
  Add(list, btSelection, 0, 0, 100, 100).Compl = ckMultiSelection;
  EXPECT_EQ(BlockAtPoint(list, Every(list), 50, 50), 1);
}

TEST(BlocksInRect, NeedsBothCornersInside) {
  BlockList list;
  Add(list, btRectangle, 10, 10, 50, 50);
  Add(list, btRectangle, 80, 80, 50, 50);  // only its near corner is inside
  Add(list, btEllipse, 90, 90, -20, -20);
  EXPECT_EQ(BlocksInRect(list, Every(list), 100, 100, 0, 0), (Numbers{0, 1, 3}));
}

TEST(BlocksInRect, LinesMayReachHalfAMillimetreOutside) {
  BlockList list;
  Add(list, btLine, -50, 0, 150, 100);
  Add(list, btRectangle, -1, 0, 10, 10);
  EXPECT_EQ(BlocksInRect(list, Every(list), 0, 0, 100, 100), (Numbers{0, 1}));
}

TEST(BlocksInRect, NoHitLeavesOnlySlotZero) { EXPECT_EQ(BlocksInRect({}, {}, 0, 0, 100, 100), Numbers{0}); }

TEST(IndexOfMin, FirstOfEqualSmallest) {
  const Numbers values{5, 3, 3, 9};
  EXPECT_EQ(IndexOfMin(values), 1);
  EXPECT_EQ(IndexOfMin(Numbers{-1}), 0);
  EXPECT_EQ(IndexOfMin(Numbers{}), -1);
}

}  // namespace
}  // namespace quobrix::testsupport
