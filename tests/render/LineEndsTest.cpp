#include <gtest/gtest.h>

#include "DrawHelpers.h"
#include "render/LineEnds.h"

namespace quobrix::testsupport {
namespace {

using Script = std::vector<std::string>;

RecordingCanvas DrawLine(TPoint s, TPoint e, std::uint8_t arrows, int arrowUnit, TColor lineColor = clBlack) {
  RecordingCanvas c;
  DrawLineWithEnds(c, s, e, arrows, arrowUnit, lineColor, 0xABCDEF);
  return c;
}

struct ArrowCase {
  const char* name;
  TPoint start, end;
  std::uint8_t arrows;
  int arrowUnit;
  Script script;
  friend std::ostream& operator<<(std::ostream& out, const ArrowCase& row) { return out << row.name; }
};

class ArrowHeads : public ::testing::TestWithParam<ArrowCase> {};

TEST_P(ArrowHeads, LandOnRoundedPoints) {
  const ArrowCase& p = GetParam();
  EXPECT_EQ(DrawLine(p.start, p.end, p.arrows, p.arrowUnit).Script(), p.script);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ArrowHeads,
    ::testing::Values(
        ArrowCase{
            "horizontalEnd",
            {100, 50},
            {200, 50},
            blaEndArrow,
            1,
            {"MoveTo 100,50", "LineTo 200,50", "MoveTo 200,50", "LineTo 188,46", "MoveTo 200,50", "LineTo 188,54"}},
        ArrowCase{
            "horizontalStart",
            {100, 50},
            {200, 50},
            blaEndArrow2,
            1,
            {"MoveTo 100,50", "LineTo 200,50", "MoveTo 100,50", "LineTo 112,54", "MoveTo 100,50", "LineTo 112,46"}},
        ArrowCase{"verticalFilledEnd",
                  {50, 100},
                  {50, 200},
                  blaFilledEndArrow,
                  2,
                  {"MoveTo 50,100", "LineTo 50,200", "Polygon 50,200,58,176,42,176"}},
        ArrowCase{"diagonalEnd",
                  {0, 0},
                  {30, 40},
                  blaEndArrow,
                  1,
                  {"MoveTo 0,0", "LineTo 30,40", "MoveTo 30,40", "LineTo 26,28", "MoveTo 30,40", "LineTo 20,32"}},
        ArrowCase{"diagonalStart",
                  {0, 0},
                  {30, 40},
                  blaFilledEndArrow2,
                  1,
                  {"MoveTo 0,0", "LineTo 30,40", "Polygon 0,0,4,12,10,8"}},
        ArrowCase{"bothOpenArrowsEndFirst",
                  {0, 0},
                  {100, 0},
                  blaBothArrows,
                  1,
                  {"MoveTo 0,0", "LineTo 100,0", "MoveTo 100,0", "LineTo 88,-4", "MoveTo 100,0", "LineTo 88,4",
                   "MoveTo 0,0", "LineTo 12,4", "MoveTo 0,0", "LineTo 12,-4"}},
        ArrowCase{"bothFilledArrowsEndFirst",
                  {0, 0},
                  {0, -100},
                  blaBothFilledArrows,
                  1,
                  {"MoveTo 0,0", "LineTo 0,-100", "Polygon 0,-100,-4,-88,4,-88", "Polygon 0,0,4,-12,-4,-12"}},
        ArrowCase{"bothSquaresStartFirst",
                  {0, 0},
                  {100, 0},
                  blaBothRects,
                  1,
                  {"MoveTo 0,0", "LineTo 100,0", "Rectangle -2,-2,2,2", "Rectangle 98,-2,102,2"}},
        ArrowCase{"bothDotsStartFirst",
                  {0, 0},
                  {100, 0},
                  blaBothDots,
                  3,
                  {"MoveTo 0,0", "LineTo 100,0", "MoveTo 0,0", "LineTo 0,0", "MoveTo 100,0", "LineTo 100,0"}},
        ArrowCase{"headLongerThanLine",
                  {0, 0},
                  {10, 0},
                  blaEndArrow,
                  3,
                  {"MoveTo 0,0", "LineTo 10,0", "MoveTo 10,0", "LineTo -26,-12", "MoveTo 10,0", "LineTo -26,12"}},
        ArrowCase{"code13IsBare", {0, 0}, {100, 0}, 13, 1, {"MoveTo 0,0", "LineTo 100,0"}},
        ArrowCase{"noHeadWhenEndsShareAPixel", {5, 5}, {5, 5}, blaBothFilledArrows, 1, {"MoveTo 5,5", "LineTo 5,5"}},
        ArrowCase{"squaresNeedNoDirection",
                  {5, 5},
                  {5, 5},
                  blaEndRect,
                  1,
                  {"MoveTo 5,5", "LineTo 5,5", "Rectangle 3,3,7,7"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LineMarks, SegmentGapsShowTheSheetColour) {
  const RecordingCanvas c = DrawLine({0, 0}, {10, 0}, blaSimple, 1);
  EXPECT_EQ(c.calls.at(1).brush.Color, 0xABCDEF);
}

TEST(LineMarks, OpenArrowsOfADashedLineAreSolid) {
  RecordingCanvas c;
  c.Pen.Style = psDash;
  DrawLineWithEnds(c, {0, 0}, {100, 0}, blaBothArrows, 1, clBlack, clWhite);
  EXPECT_EQ(c.calls.at(1).pen.Style, psDash);
  for (std::size_t i = 2; i < c.calls.size(); ++i) EXPECT_EQ(c.calls[i].pen.Style, psSolid) << i;
}

TEST(LineMarks, FilledArrowsOfADashedLineKeepTheDashedEdge) {
  RecordingCanvas c;
  c.Pen.Style = psDash;
  DrawLineWithEnds(c, {0, 0}, {100, 0}, blaBothFilledArrows, 1, 0x123456, clWhite);
  for (const CanvasCall& head : c.Calls("Polygon")) {
    EXPECT_EQ(head.pen.Style, psDash);
    EXPECT_EQ(head.brush.Color, 0x123456);
  }
}

TEST(LineMarks, SquaresAreFilledInLineColourWithTheBlockFillStyle) {
  RecordingCanvas c;
  c.Brush.Style = bsClear;
  c.Pen.Width = 2;
  DrawLineWithEnds(c, {0, 0}, {100, 0}, blaBothRects, 1, 0x123456, clWhite);
  for (const CanvasCall& square : c.Calls("Rectangle")) {
    EXPECT_EQ(square.brush, (TBrush{0x123456, bsClear}));
    EXPECT_EQ(square.pen.Width, 2);
    EXPECT_EQ(square.pen.Style, psSolid);
  }
}

TEST(LineMarks, DotIsAZeroLengthStrokeFourUnitsWide) {
  const RecordingCanvas c = DrawLine({0, 0}, {100, 0}, blaEndDot, 3);
  ASSERT_EQ(c.calls.size(), 4u);
  EXPECT_EQ(c.calls[3].Describe(), "LineTo 100,0");
  EXPECT_EQ(c.calls[3].pen.Width, 12);
}

TEST(LineMarks, NearestEvenIsSymmetric) {
  EXPECT_EQ(NearestEven(2.5), 2);
  EXPECT_EQ(NearestEven(-2.5), -2);
  EXPECT_EQ(NearestEven(3.5), 4);
  EXPECT_EQ(NearestEven(-0.5), 0);
  EXPECT_EQ(NearestEven(1e300), -NearestEven(-1e300));
}

TEST(LineBlock, DrawnFromItsStartToItsEndWithMarksScaledByArrowUnit) {
  TBlock b = MakeBlock(btLine, 1000, 1000, 10000, 0);
  b.LineArrows = blaEndArrow;
  b.BW = 100;
  EXPECT_EQ(Draw(b, {.resolution = 378}).Script(), (Script{"MoveTo 37,37", "LineTo 415,37", "MoveTo 415,37",
                                                           "LineTo 379,25", "MoveTo 415,37", "LineTo 379,49"}));
}

}  // namespace
}  // namespace quobrix::testsupport
