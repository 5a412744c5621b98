#include <gtest/gtest.h>

#include "render/RulerPainting.h"
#include "support/RecordingCanvas.h"

namespace quobrix::testsupport {
namespace {

using Script = std::vector<std::string>;

RecordingCanvas PaintOf(const RulerProperties& r, int w, int h, TPoint mouse = {}) {
  RecordingCanvas c;
  PaintRuler(c, r, w, h, mouse);
  return c;
}

// The along-axis positions of the strokes drawn in `colour`, in order.
std::vector<int> TickPositions(const RecordingCanvas& c, TColor colour, bool vertical) {
  std::vector<int> out;
  for (const CanvasCall& call : c.calls)
    if (call.op == "LineTo" && call.pen.Color == colour) out.push_back(call.args[vertical ? 1 : 0]);
  return out;
}

Script Labels(const RecordingCanvas& c) {
  Script out;
  for (const CanvasCall& call : c.Calls("TextOut")) out.push_back(call.Describe());
  return out;
}

RulerProperties Horizontal(std::int32_t zoom, std::int32_t length) {
  RulerProperties r;
  r.Flat = true;
  r.Precition = 30;
  r.DigitsLenght = length;
  r.Zoom = zoom;
  return r;
}

TEST(RulerStep, NearestPixelToACentimetreAtZoom) {
  EXPECT_EQ(RulerStep(100), 38);
  EXPECT_EQ(RulerStep(50), 19);
  EXPECT_EQ(RulerStep(200), 76);
  EXPECT_EQ(RulerStep(40), 15);
  EXPECT_EQ(RulerStep(1), 0);
}

TEST(RulerPainting, MajorAndMinorTicksAtZoom100) {
  const RecordingCanvas c = PaintOf(Horizontal(100, 100), 300, 24);
  // Major, minor, for each of three major ticks below 30 + 100.
  EXPECT_EQ(TickPositions(c, clBtnShadow, false), (std::vector<int>{30, 49, 68, 87, 106, 125}));
  EXPECT_EQ(TickPositions(c, clBtnHighlight, false), (std::vector<int>{31, 50, 69, 88, 107, 126}));
  // Text 16 high, tick 10 long: labels stand on the tick's top end.
  EXPECT_EQ(Labels(c), (Script{"TextOut 32,-5 '0'", "TextOut 70,-5 '1'", "TextOut 108,-5 '2'"}));
}

TEST(RulerPainting, TickLengthsFollowDi) {
  RulerProperties r = Horizontal(100, 10);
  r.Di = 7;
  const Script s = PaintOf(r, 300, 24).Script();
  EXPECT_EQ(Script(s.begin() + 1, s.begin() + 5),
            (Script{"MoveTo 30,21", "LineTo 30,14", "MoveTo 49,21", "LineTo 49,18"}));
}

TEST(RulerPainting, BelowZoom50OnlyEveryTenthNumberIsWritten) {
  const RecordingCanvas c = PaintOf(Horizontal(40, 15 * 25), 500, 24);
  EXPECT_EQ(TickPositions(c, clBtnShadow, false).size(), 50u);
  EXPECT_EQ(Labels(c), (Script{"TextOut 32,-5 '0'", "TextOut 182,-5 '10'", "TextOut 332,-5 '20'"}));
}

TEST(RulerPainting, AtZoom50EveryMajorTickIsNumbered) {
  EXPECT_EQ(Labels(PaintOf(Horizontal(50, 50), 300, 24)),
            (Script{"TextOut 32,-5 '0'", "TextOut 51,-5 '1'", "TextOut 70,-5 '2'"}));
}

TEST(RulerPainting, VerticalNumbersAreRightAlignedAndClampedToTheLeftEdge) {
  RulerProperties r = Horizontal(100, 40);
  r.Kind = TRulerKind::Vertical;
  r.StartNumber = 9;
  // Ticks end 3 + 10 pixels from the right edge; "9" is 7 wide, "10" 14 wide.
  EXPECT_EQ(Labels(PaintOf(r, 30, 400)), (Script{"TextOut 10,32 '9'", "TextOut 3,70 '10'"}));
  r.StartNumber = 99;
  EXPECT_EQ(Labels(PaintOf(r, 30, 400)), (Script{"TextOut 3,32 '99'", "TextOut 1,70 '100'"}));
}

TEST(RulerPainting, VerticalTicksRunAcrossFromTheRightEdge) {
  RulerProperties r = Horizontal(100, 10);
  r.Kind = TRulerKind::Vertical;
  const Script s = PaintOf(r, 30, 400).Script();
  EXPECT_EQ(Script(s.begin() + 1, s.begin() + 9),
            (Script{"MoveTo 27,30", "LineTo 17,30", "MoveTo 27,49", "LineTo 22,49", "MoveTo 27,31", "LineTo 17,31",
                    "MoveTo 27,50", "LineTo 22,50"}));
}

TEST(RulerPainting, BevelOfAHorizontalRuler) {
  RulerProperties r;
  const RecordingCanvas c = PaintOf(r, 100, 24);
  EXPECT_EQ(c.Script(), (Script{"Rectangle 0,0,99,23", "MoveTo 1,21", "LineTo 97,21", "LineTo 97,1", "MoveTo 1,21",
                                "LineTo 1,1", "LineTo 98,1"}));
  EXPECT_EQ(c.calls[0].pen.Color, clBlack);
  EXPECT_EQ(c.calls[0].brush, (TBrush{clBtnFace, bsSolid}));
  EXPECT_EQ(c.calls[2].pen.Color, clBtnShadow);
  EXPECT_EQ(c.calls[5].pen.Color, clBtnHighlight);
}

TEST(RulerPainting, BevelOfAVerticalRuler) {
  RulerProperties r;
  r.Kind = TRulerKind::Vertical;
  EXPECT_EQ(PaintOf(r, 30, 100).Script(), (Script{"Rectangle 0,0,29,99", "MoveTo 27,1", "LineTo 27,97", "LineTo 1,97",
                                                  "MoveTo 27,1", "LineTo 1,1", "LineTo 1,97"}));
}

TEST(RulerPainting, FlatBackgroundIsEdgedInButtonFace) {
  const RecordingCanvas c = PaintOf(Horizontal(100, 0), 100, 24);
  EXPECT_EQ(c.Script(), Script{"Rectangle 0,0,99,23"});
  EXPECT_EQ(c.calls[0].pen.Color, clBtnFace);
}

TEST(RulerPainting, TransparentDrawsOnlyTicksNumbersAndTrace) {
  RulerProperties r = Horizontal(100, 30);
  r.Transparent = true;
  r.TraceMouse = true;
  const RecordingCanvas c = PaintOf(r, 100, 24, {40, 7});
  EXPECT_EQ(c.Script(),
            (Script{"MoveTo 30,21", "LineTo 30,11", "MoveTo 49,21", "LineTo 49,16", "MoveTo 31,21", "LineTo 31,11",
                    "MoveTo 50,21", "LineTo 50,16", "TextOut 32,-5 '0'", "MoveTo 40,0", "LineTo 40,24"}));
  EXPECT_EQ(c.calls.back().pen, (TPen{clBtnShadow, 1, psDot}));
}

TEST(RulerPainting, VerticalTraceLineFollowsTheMouseRow) {
  RulerProperties r = Horizontal(100, 0);
  r.Kind = TRulerKind::Vertical;
  r.TraceMouse = true;
  const Script s = PaintOf(r, 30, 100, {40, 7}).Script();
  EXPECT_EQ(Script(s.end() - 2, s.end()), (Script{"MoveTo 0,7", "LineTo 30,7"}));
}

TEST(RulerPainting, ZoomOfOneOrLessDrawsNoTicks) {
  for (std::int32_t zoom : {1, 0, -100}) {
    RulerProperties r = Horizontal(zoom, 1000);
    EXPECT_EQ(PaintOf(r, 100, 24).Script(), Script{"Rectangle 0,0,99,23"}) << zoom;
  }
}

TEST(RulerPainting, UnknownKindDrawsNothing) {
  RulerProperties r = Horizontal(100, 100);
  r.Kind = static_cast<TRulerKind>(2);
  EXPECT_TRUE(PaintOf(r, 100, 24).calls.empty());
}

TEST(RulerPainting, FarNegativeStartKeepsNumberingAndEnds) {
  RulerProperties r = Horizontal(100, INT32_MAX);
  r.Precition = -2000000000;
  const Script labels = Labels(PaintOf(r, 100, 24));
  // The first tick at or right of 0 is 52 631 579 steps of 38 from the start, at x = 2.
  EXPECT_NE(std::find(labels.begin(), labels.end(), "TextOut 4,-5 '52631579'"), labels.end());
  EXPECT_LT(labels.size(), 40u);
}

}  // namespace
}  // namespace quobrix::testsupport
