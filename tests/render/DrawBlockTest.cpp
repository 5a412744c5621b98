#include <gtest/gtest.h>

#include "DrawHelpers.h"

namespace quobrix::testsupport {
namespace {

using Script = std::vector<std::string>;

TEST(DrawBlockConversion, RectangleAtScreenResolutionTruncatesEachCorner) {
  const TBlock b = MakeBlock(btRectangle, 1000, 2000, 3000, 1500);
  EXPECT_EQ(Draw(b, {.resolution = 378}).Script(), Script{"Rectangle 37,75,151,132"});
}

TEST(DrawBlockConversion, RulerInsetShiftsRightAndDown) {
  const TBlock b = MakeBlock(btRectangle, 1000, 2000, 3000, 1500);
  EXPECT_EQ(Draw(b, {.resolution = 378, .rulerInset = true}).Script(), Script{"Rectangle 59,97,173,154"});
}

TEST(DrawBlockConversion, ScrollOffsetIsSubtractedAfterScaling) {
  const TBlock b = MakeBlock(btRectangle, 1000, 2000, 3000, 1500);
  EXPECT_EQ(Draw(b, {.resolution = 378, .rulerInset = true, .scrollX = 10, .scrollY = -5}).Script(),
            Script{"Rectangle 49,102,163,159"});
}

TEST(DrawBlockConversion, FarCornerComesFromTheChartSumNotTheScaledWidth) {
  // 37.8 + 37.8 pixels: x1 + scaled width would give 74, the sum gives 75.
  const TBlock b = MakeBlock(btRectangle, 1000, 1000, 1000, 1000);
  EXPECT_EQ(Draw(b, {.resolution = 378}).Script(), Script{"Rectangle 37,37,75,75"});
}

TEST(DrawBlockConversion, NegativeCoordinatesTruncateTowardZero) {
  const TBlock b = MakeBlock(btRectangle, -1000, -1000, -1000, 500);
  EXPECT_EQ(Draw(b, {.resolution = 378}).Script(), Script{"Rectangle -37,-37,-75,-18"});
}

TEST(DrawBlockConversion, HugeCoordinatesWrapWithoutFailing) {
  const TBlock b = MakeBlock(btRectangle, INT64_MAX, INT64_MIN, INT64_MAX, INT64_MIN);
  EXPECT_EQ(Draw(b, {.resolution = 378}).calls.size(), 1u);
}

struct PenCase {
  const char* name;
  std::int64_t bw, zoom;
  int penWidth, arrowUnit;
  // A printer or a picture finer than the screen of the chart.
  std::int64_t resolution = 378, screenResolution = 0;
  friend std::ostream& operator<<(std::ostream& out, const PenCase& row) { return out << row.name; }
};

class PenWidthAndArrowUnit : public ::testing::TestWithParam<PenCase> {};

TEST_P(PenWidthAndArrowUnit, FollowLineWidthResolutionAndZoom) {
  TBlock b = MakeBlock(btLine, 0, 0, 10000, 0);
  b.BW = GetParam().bw;
  b.LineArrows = blaEndRect;
  const RecordingCanvas c = Draw(
      b, {.resolution = GetParam().resolution, .zoom = GetParam().zoom, .screenResolution = GetParam().screenResolution});
  const CanvasCall square = c.Calls("Rectangle").at(0);
  EXPECT_EQ(square.pen.Width, GetParam().penWidth);
  // The square's side is 4 arrow units.
  EXPECT_EQ(square.args[2] - square.args[0], 4 * GetParam().arrowUnit);
}

// 4724 is 1200 dpi, where one pixel of a 378 screen is 12.5 printer dots;
// 1181 is 300 dpi, where 0.3 mm (3.5 dots) is thinner than a screen pixel.
INSTANTIATE_TEST_SUITE_P(
    Cases, PenWidthAndArrowUnit,
    ::testing::Values(PenCase{"thinAt100", 1, 100, 1, 1}, PenCase{"thinAt400", 1, 400, 1, 4},
                      PenCase{"zeroWidthDrawsOnePixel", 0, 100, 1, 1},
                      PenCase{"negativeWidthDrawsOnePixel", -50, 100, 1, 1},
                      PenCase{"justBelowThinLimit", 29, 100, 1, 1}, PenCase{"thickUpTo52StaysOne", 52, 100, 1, 1},
                      PenCase{"oneMillimetre", 100, 100, 3, 3}, PenCase{"oneMillimetreAt400", 100, 400, 15, 15},
                      PenCase{"thinPrintedAsAScreenPixel", 1, 100, 13, 14, 4724, 378},
                      PenCase{"thickPrintedAtItsOwnWidth", 100, 100, 47, 47, 4724, 378},
                      PenCase{"thinMarksNeverSmallerThanThePen", 1, 100, 4, 4, 1181, 378},
                      PenCase{"screenOfTheSameResolutionKeepsOnePixel", 1, 100, 1, 1, 378, 378},
                      PenCase{"truncatedPrinterResolutionCountsAsTheScreen", 1, 100, 1, 1, 379, 378},
                      PenCase{"coarserDeviceKeepsOnePixel", 1, 100, 1, 1, 100, 378},
                      PenCase{"threeTimesTheScreen", 1, 100, 3, 3, 1134, 378}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(DrawBlockState, SetsPenAndBrushFromTheBlockInCopyMode) {
  TBlock b = MakeBlock(btEllipse, 0, 0, 100, 50);
  b.BC = 0x0000FF;
  b.BS = psDash;
  b.MC = 0x00FF00;
  b.FS = bsCross;
  RecordingCanvas c;
  c.Pen.Mode = TPenMode::Xor;
  DrawBlock(b, c, {.device = {.resolution = kUnitResolution}});
  const CanvasCall& e = c.calls.at(0);
  EXPECT_EQ(e.pen, (TPen{0x0000FF, 1, psDash, TPenMode::Copy}));
  EXPECT_EQ(e.brush, (TBrush{0x00FF00, bsCross}));
}

struct OutlineCase {
  const char* name;
  std::uint8_t type;
  std::int64_t x, y, w, h;
  Script script;
  friend std::ostream& operator<<(std::ostream& out, const OutlineCase& row) { return out << row.name; }
};

class Outlines : public ::testing::TestWithParam<OutlineCase> {};

TEST_P(Outlines, DrawExactVertices) {
  const OutlineCase& p = GetParam();
  EXPECT_EQ(Draw(MakeBlock(p.type, p.x, p.y, p.w, p.h)).Script(), p.script);
}

// One chart unit is one pixel here. The 7 x 50 block reaching left and up
// checks that every fraction truncates toward zero.
INSTANTIATE_TEST_SUITE_P(
    Types, Outlines,
    ::testing::Values(
        OutlineCase{"selectionDrawsNothing", btSelection, 0, 0, 400, 800, {}},
        OutlineCase{"pointIsZeroLengthStroke", btPoint, 10, 20, 400, 800, {"MoveTo 10,20", "LineTo 10,20"}},
        OutlineCase{"squareTakesShorterSide", btSquare, 0, 0, 3000, 2000, {"Rectangle 0,0,2000,2000"}},
        OutlineCase{"squareGrowsLeftWithNegativeWidth", btSquare, 5000, 0, -3000, 2000, {"Rectangle 5000,0,3000,2000"}},
        OutlineCase{"squareGrowsUpWithNegativeHeight", btSquare, 0, 5000, 1000, -3000, {"Rectangle 0,5000,1000,4000"}},
        OutlineCase{"squareOfZeroWidthIsDegenerate", btSquare, 7, 9, 0, 300, {"Rectangle 7,9,7,9"}},
        OutlineCase{
            "roundRectangleCornerIsQuarterHeight", btRoundRectangle, 0, 0, 400, -203, {"RoundRect 0,0,400,-203,50,50"}},
        OutlineCase{
            "roundSquareCornerFromFullHeight", btRoundSquare, 0, 0, 2000, 4000, {"RoundRect 0,0,2000,2000,1000,1000"}},
        OutlineCase{"ellipseFillsRectangle", btEllipse, 1, 2, 30, 40, {"Ellipse 1,2,31,42"}},
        OutlineCase{"circleInSquare", btCircle, 0, 0, -50, 80, {"Ellipse 0,0,-50,50"}},
        OutlineCase{"beginEndCornerIsFullHeight", btBeginEnd, 0, 0, 400, 100, {"RoundRect 0,0,400,100,100,100"}},
        OutlineCase{"lRectangleInnerBySubtraction",
                    btLRectangle,
                    0,
                    0,
                    405,
                    100,
                    {"Rectangle 0,0,405,100", "Rectangle 40,0,365,100"}},
        OutlineCase{"sRectangle", btSRectangle, 0, 0, 400, 800, {"Polygon 40,0,400,0,360,800,0,800"}},
        OutlineCase{"sRectangleReversed", btSRectangle, 100, 200, -7, -50, {"Polygon 100,200,93,200,94,150,100,150"}},
        OutlineCase{"hexagon", btHexagon, 0, 0, 400, 800, {"Polygon 66,0,333,0,400,400,333,800,66,800,0,400"}},
        OutlineCase{
            "hexagonReversed", btHexagon, 100, 200, -7, -50, {"Polygon 99,200,95,200,93,175,95,150,99,150,100,175"}},
        OutlineCase{
            "octagon", btOctagon, 0, 0, 400, 800, {"Polygon 100,0,300,0,400,200,400,600,300,800,100,800,0,600,0,200"}},
        OutlineCase{"logicIf", btLogicIf, 0, 0, 401, 801, {"Polygon 200,0,401,400,200,801,0,400"}},
        OutlineCase{"orCrossRunsRightAndDownFromNearCorner",
                    btOr,
                    100,
                    100,
                    -31,
                    45,
                    {"Ellipse 100,100,69,131", "MoveTo 115,100", "LineTo 115,131", "MoveTo 100,115", "LineTo 131,115"}},
        OutlineCase{"document",
                    btDocument,
                    0,
                    0,
                    400,
                    800,
                    {"Polygon 0,720,50,784,100,800,150,784,200,720,250,656,300,640,350,656,400,720,400,0,0,0"}},
        OutlineCase{"documentReversed",
                    btDocument,
                    100,
                    200,
                    -7,
                    -50,
                    {"Polygon 100,155,100,151,99,150,98,151,97,155,96,159,95,160,94,159,93,155,93,200,100,200"}},
        OutlineCase{"paperTapeWaveRisesAboveTop",
                    btPaperTape,
                    0,
                    0,
                    400,
                    800,
                    {"Polygon 0,720,50,784,100,800,150,784,200,720,250,656,300,640,350,656,400,720,400,0,350,-64,"
                     "300,-80,250,-64,200,0,150,64,100,80,50,64,0,0"}},
        OutlineCase{"paperTapeReversed",
                    btPaperTape,
                    100,
                    200,
                    -7,
                    -50,
                    {"Polygon 100,155,100,151,99,150,98,151,97,155,96,159,95,160,94,159,93,155,93,200,94,204,95,205,"
                     "96,204,97,200,98,196,99,195,100,196,100,200"}},
        OutlineCase{
            "horzArrow", btHorzArrow, 0, 0, 400, 800, {"Polygon 0,160,266,160,266,0,400,400,266,800,266,640,0,640"}},
        OutlineCase{"vertArrowReversed",
                    btVertArrow,
                    100,
                    200,
                    -7,
                    -50,
                    {"Polygon 99,200,99,167,100,167,97,150,93,167,95,167,95,200"}},
        OutlineCase{"horzTriangle", btHorzTriangle, 0, 0, 400, 801, {"Polygon 0,0,400,400,0,801"}},
        OutlineCase{"vertTriangle", btVertTriangle, 0, 0, 401, 800, {"Polygon 0,0,401,0,200,800"}},
        OutlineCase{"inputSymbol", btInputSymbol, 0, 0, 400, 803, {"Polygon 0,200,400,0,400,803,0,803"}},
        OutlineCase{"trapezoid", btTrapezoid, 0, 0, 403, 800, {"Polygon 100,0,302,0,403,800,0,800"}},
        OutlineCase{"offPageConnectorReversed",
                    btOffPageConnector,
                    100,
                    200,
                    -7,
                    -50,
                    {"Polygon 100,200,93,200,93,167,97,150,100,167"}},
        OutlineCase{"delay",
                    btDelay,
                    0,
                    0,
                    400,
                    800,
                    {"Polygon 0,0,266,0,330,50,360,100,390,266,400,350,400,450,390,533,360,700,330,750,266,800,0,800"}},
        OutlineCase{"displayReversed",
                    btDisplay,
                    100,
                    200,
                    -7,
                    -50,
                    {"Polygon 99,200,96,200,95,197,94,194,94,184,93,179,93,172,94,167,94,157,95,154,96,150,99,150,"
                     "100,175"}},
        OutlineCase{"onLineStorageBulgesLeft",
                    btOnLineStorage,
                    0,
                    0,
                    400,
                    800,
                    {"Polygon 0,0,400,0,375,50,350,100,300,266,290,350,290,450,300,533,350,700,375,750,400,800,0,800,"
                     "-25,750,-50,700,-100,533,-110,450,-110,350,-100,266,-50,100,-25,50"}},
        OutlineCase{"onLineStorageReversed",
                    btOnLineStorage,
                    100,
                    200,
                    -7,
                    -50,
                    {"Polygon 100,200,93,200,94,197,94,194,95,184,95,179,95,172,95,167,94,157,94,154,93,150,100,150,"
                     "100,154,100,157,101,167,101,172,101,179,101,184,100,194,100,197"}},
        OutlineCase{"sortIsSplitDiamond",
                    btSort,
                    0,
                    0,
                    400,
                    800,
                    {"Polygon 200,0,400,400,200,800,0,400", "MoveTo 0,400", "LineTo 400,400"}},
        OutlineCase{"collateIsTwoTriangles", btCollate, 0, 0, 400, 800, {"Polygon 0,0,400,0,0,800,400,800"}},
        OutlineCase{"textRegionDrawsNothing", btTextRegion, 0, 0, 400, 800, {}},
        OutlineCase{"logic1",
                    btLogic1,
                    0,
                    0,
                    240,
                    160,
                    {"Polygon 40,0,120,0,162,10,180,20,198,53,200,70,200,90,198,106,180,140,162,150,120,160,40,160",
                     "MoveTo 0,53", "LineTo 40,53", "MoveTo 0,106", "LineTo 40,106", "MoveTo 200,80", "LineTo 240,80"}},
        OutlineCase{"logic2",
                    btLogic2,
                    0,
                    0,
                    240,
                    160,
                    {"Polygon 40,0,120,0,162,10,180,20,198,53,200,70,200,90,198,106,180,140,162,150,120,160,40,160",
                     "MoveTo 0,80", "LineTo 40,80", "MoveTo 200,80", "LineTo 240,80"}},
        OutlineCase{"logic3InnerBySubtraction",
                    btLogic3,
                    0,
                    0,
                    245,
                    160,
                    {"Rectangle 40,0,205,160", "MoveTo 0,53", "LineTo 40,53", "MoveTo 0,106", "LineTo 40,106",
                     "MoveTo 204,80", "LineTo 245,80"}},
        OutlineCase{"logic4",
                    btLogic4,
                    0,
                    0,
                    240,
                    160,
                    {"Rectangle 40,0,200,160", "MoveTo 0,80", "LineTo 40,80", "MoveTo 200,80", "LineTo 240,80"}},
        OutlineCase{
            "star4", btStar4, 0, 0, 400, 800, {"Polygon 0,0,200,200,400,0,300,400,400,800,200,600,0,800,100,400"}},
        OutlineCase{"star4b",
                    btStar4b,
                    0,
                    0,
                    400,
                    800,
                    {"Polygon 200,0,250,300,400,400,250,500,200,800,150,500,0,400,150,300"}},
        OutlineCase{"star5",
                    btStar5,
                    0,
                    0,
                    400,
                    800,
                    {"Polygon 200,0,240,320,400,320,260,480,320,800,200,600,80,800,140,480,0,320,160,320"}},
        OutlineCase{"workStationDrawsNothing", btWorkStation, 0, 0, 400, 800, {}},
        OutlineCase{"serverIsRectangle", btServer, 0, 0, 400, 800, {"Rectangle 0,0,400,800"}},
        OutlineCase{"gateIsRectangle", vXNOR, 0, 0, 400, 800, {"Rectangle 0,0,400,800"}},
        OutlineCase{"unknownCodeIsRectangle", 255, 0, 0, 400, 800, {"Rectangle 0,0,400,800"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(DrawBlockSquares, RoundSquareCornerIsQuarterOfFullHeightInPixels) {
  const TBlock b = MakeBlock(btRoundSquare, 0, 0, 2000, 4000);
  EXPECT_EQ(Draw(b, {.resolution = 378}).Script(), Script{"RoundRect 0,0,75,75,37,37"});
}

TEST(DrawBlockSquares, SquareSideIsScaledFromChartLength) {
  const TBlock b = MakeBlock(btSquare, 1000, 1000, 3000, -2000);
  EXPECT_EQ(Draw(b, {.resolution = 378}).Script(), Script{"Rectangle 37,37,112,-38"});
}

TEST(DrawBlockText, EveryTypeDrawsItsTextLast) {
  for (int type : {btSelection, btLine, btTextRegion, btWorkStation, btCircle}) {
    TBlock b = MakeBlock(static_cast<std::uint8_t>(type), 0, 0, 100, 100);
    b.Text.assign(1, 'x');  // assign: g++ 12 misreads "= \"x\"" here (-Wrestrict)
    const RecordingCanvas c = Draw(b);
    ASSERT_FALSE(c.calls.empty()) << type;
    EXPECT_EQ(c.calls.back().Describe(), "DrawTextWrapped 4,4,96,96 'x'") << type;
  }
}

TEST(DrawBlockText, EmptyTextDrawsNoText) {
  const RecordingCanvas c = Draw(MakeBlock(btTextRegion, 0, 0, 100, 100));
  EXPECT_TRUE(c.calls.empty());
}

}  // namespace
}  // namespace quobrix::testsupport
