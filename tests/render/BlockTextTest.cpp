#include <gtest/gtest.h>

#include "DrawHelpers.h"
#include "render/BlockText.h"

namespace quobrix::testsupport {
namespace {

using Script = std::vector<std::string>;

TBlock TextBlock(std::uint8_t placement, std::uint8_t alignment, const std::string& text) {
  TBlock b = MakeBlock(btRectangle, 100, 50, 100, 50);  // (100, 50)-(200, 100) in pixels
  b.TP = placement;
  b.TA = alignment;
  b.Text = text;
  return b;
}

// The text calls only, without the outline.
Script TextScript(const RecordingCanvas& c) {
  Script out;
  for (const CanvasCall& call : c.calls)
    if (call.op == "TextOut" || call.op == "DrawTextWrapped") out.push_back(call.Describe());
  return out;
}

class FontScaling : public ::testing::TestWithParam<std::pair<std::int64_t, int>> {};

TEST_P(FontScaling, PointSizeFollowsZoomTruncated) {
  TBlock b = TextBlock(btpInside, taCenter, "x");
  b.TF.SetSize(10);
  const RecordingCanvas c = Draw(b, {.zoom = GetParam().first});
  EXPECT_EQ(c.calls.back().font.Size(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Zooms, FontScaling,
                         ::testing::Values(std::pair{75, 7}, std::pair{33, 3}, std::pair{150, 15}, std::pair{100, 10},
                                           std::pair{5, 0}));

TEST(BlockText, KeepsTheFontAttributesAndColour) {
  TBlock b = TextBlock(btpInside, taCenter, "x");
  b.TF.Name = "Courier New";
  b.TF.Bold = true;
  b.TF.Color = 0x0000FF;
  const TBlockFont font = Draw(b).calls.back().font;
  EXPECT_EQ(font.Name, "Courier New");
  EXPECT_TRUE(font.Bold);
  EXPECT_EQ(font.Color, 0x0000FF);
}

TEST(BlockText, InsideIsWrappedInRectangleShrunkByMargin) {
  const RecordingCanvas c = Draw(TextBlock(btpInside, taRightJustify, "a b c"));
  const CanvasCall& text = c.calls.back();
  EXPECT_EQ(text.Describe(), "DrawTextWrapped 104,54,196,96 'a b c'");
  EXPECT_EQ(text.alignment, taRightJustify);
  EXPECT_EQ(text.brush.Style, bsClear);
}

TEST(BlockText, UnknownAlignmentOrPlacementDrawsNoText) {
  for (std::uint8_t placement : {btpInside, btpUnder})
    EXPECT_EQ(TextScript(Draw(TextBlock(placement, 3, "a"))), Script{});
  EXPECT_EQ(TextScript(Draw(TextBlock(3, taCenter, "a"))), Script{});
}

struct LinesCase {
  const char* name;
  std::uint8_t placement, alignment;
  std::string text;
  Script script;
  friend std::ostream& operator<<(std::ostream& out, const LinesCase& row) { return out << row.name; }
};

class TextLines : public ::testing::TestWithParam<LinesCase> {};

// Characters are 7 pixels wide, lines 16 high; the pen is 1 pixel wide.
TEST_P(TextLines, ArePlacedByAlignment) {
  const LinesCase& p = GetParam();
  EXPECT_EQ(TextScript(Draw(TextBlock(p.placement, p.alignment, p.text))), p.script);
}

INSTANTIATE_TEST_SUITE_P(
    Placements, TextLines,
    ::testing::Values(
        LinesCase{"underStartAtBottomEdge",
                  btpUnder,
                  taLeftJustify,
                  "a\r\nbb\r\nccc",
                  {"TextOut 101,100 'a'", "TextOut 101,116 'bb'", "TextOut 101,132 'ccc'"}},
        LinesCase{
            "underCentred", btpUnder, taCenter, "abc\r\nabcd", {"TextOut 139,100 'abc'", "TextOut 136,116 'abcd'"}},
        LinesCase{"underRight", btpUnder, taRightJustify, "abc", {"TextOut 178,100 'abc'"}},
        LinesCase{"lineBreaksOfEveryKind",
                  btpUnder,
                  taLeftJustify,
                  "a\rb\nc\r\n",
                  {"TextOut 101,100 'a'", "TextOut 101,116 'b'", "TextOut 101,132 'c'"}},
        LinesCase{"besideOneLineCentred", btpRightSide, taCenter, "a", {"TextOut 201,67 'a'"}},
        LinesCase{
            "besideTwoLines", btpRightSide, taRightJustify, "a\r\nb", {"TextOut 201,59 'a'", "TextOut 201,75 'b'"}},
        LinesCase{"besideThreeLines",
                  btpRightSide,
                  taLeftJustify,
                  "a\r\nb\r\nc",
                  {"TextOut 201,51 'a'", "TextOut 201,67 'b'", "TextOut 201,83 'c'"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(BlockText, BesideHalvesTruncateSeparatelyForOddLineHeight) {
  RecordingCanvas c;
  c.textHeight = 15;
  TBlock b = TextBlock(btpRightSide, taCenter, "a\r\nb");
  DrawBlock(b, c, {.device = {.resolution = kUnitResolution}});
  // y1 + (50 - 15) div 2 = 67; then -15 div 2 and +15 div 2.
  EXPECT_EQ(TextScript(c), (Script{"TextOut 201,60 'a'", "TextOut 201,74 'b'"}));
}

TEST(BlockText, DotsAtLineEndsPushTextAsideByTheirWidth) {
  TBlock b = MakeBlock(btLine, 0, 0, 100, 40);
  b.LineArrows = blaEndDot;
  b.BW = 100;  // arrow unit 3 at resolution 378
  b.Text = "ab";
  b.TP = btpUnder;
  b.TA = taLeftJustify;
  const RecordingCanvas under = Draw(b, {.resolution = 378});
  EXPECT_EQ(TextScript(under), Script{"TextOut 12,1 'ab'"});
  b.TP = btpRightSide;
  EXPECT_EQ(TextScript(Draw(b, {.resolution = 378})), Script{"TextOut 15,-7 'ab'"});
}

TEST(BlockText, LineTextInsideUsesTheRectangleOfItsEndsEvenWhenInverted) {
  TBlock b = MakeBlock(btLine, 200, 100, -150, -60);
  b.Text = "x";
  EXPECT_EQ(TextScript(Draw(b)), Script{"DrawTextWrapped 204,104,46,36 'x'"});
}

TEST(BlockText, SquareTextUsesTheFullRectangle) {
  for (std::uint8_t type : {btSquare, btRoundSquare, btCircle}) {
    TBlock b = MakeBlock(type, 0, 0, 300, 100);
    b.Text = "x";
    EXPECT_EQ(TextScript(Draw(b)), Script{"DrawTextWrapped 4,4,296,96 'x'"});
  }
}

class CaretMark : public ::testing::Test {
 protected:
  static std::string Drawn(const std::string& text, bool viewOnly, bool isActive, int caretPos) {
    TBlock b = TextBlock(btpInside, taCenter, text);
    return Draw(b, {.viewOnly = viewOnly, .isActive = isActive, .caretPos = caretPos}).calls.back().text;
  }
};

TEST_F(CaretMark, ShowsAtTheEditingPositionOfTheActiveBlockOnly) {
  EXPECT_EQ(Drawn("AB", false, true, 2),
            "A\xA6"
            "B");
  EXPECT_EQ(Drawn("AB", true, false, 2), "AB");
  EXPECT_EQ(Drawn("AB", true, true, 2), "AB");
  EXPECT_EQ(Drawn("AB", false, false, 2), "AB");
  EXPECT_EQ(Drawn("AB", false, true, 3), "AB\xA6");
}

TEST_F(CaretMark, PositionOutsideTheTextGoesToTheNearestEnd) {
  EXPECT_EQ(WithCaretMark("AB", 0),
            "\xA6"
            "AB");
  EXPECT_EQ(WithCaretMark("AB", 1),
            "\xA6"
            "AB");
  EXPECT_EQ(WithCaretMark("AB", 65535), "AB\xA6");
}

TEST_F(CaretMark, EmptyTextOfTheActiveBlockDrawsNothing) {
  TBlock b = TextBlock(btpInside, taCenter, "");
  EXPECT_EQ(TextScript(Draw(b, {.viewOnly = false, .isActive = true, .caretPos = 1})), Script{});
}

TEST(SplitLines, TrailingBreakAddsNoLineButInnerEmptyLinesStay) {
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(SplitLines("\n"), (std::vector<std::string>{""}));
  EXPECT_EQ(SplitLines("\n\r"), (std::vector<std::string>{"", ""}));
}

}  // namespace
}  // namespace quobrix::testsupport
