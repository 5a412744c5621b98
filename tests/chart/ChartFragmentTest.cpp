#include <gtest/gtest.h>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartFormat.h"
#include "support/ChartBuilder.h"

namespace quobrix {
namespace {

using test::AddRect;
using test::CrLf;

TEST(FontText, StylesAreFourFlagsInBoldItalicUnderlineStrikeOutOrder) {
  TBlockFont font;
  font.Name = "Arial";
  font.Color = clWindowText;
  font.SetSize(10);
  font.Bold = font.Underline = true;
  EXPECT_EQ(FontToText(font), "Arial|-16777208|10|1010");
}

struct StyleCase {
  const char* text;
  bool bold, italic, underline, strikeOut;
};

class OddStyleField : public ::testing::TestWithParam<StyleCase> {};

TEST_P(OddStyleField, SetsOnlyPositionsHoldingAOne) {
  const auto font = TextToFont(std::string("Courier|255|12|") + GetParam().text);
  ASSERT_TRUE(font.has_value());
  EXPECT_EQ(font->Bold, GetParam().bold);
  EXPECT_EQ(font->Italic, GetParam().italic);
  EXPECT_EQ(font->Underline, GetParam().underline);
  EXPECT_EQ(font->StrikeOut, GetParam().strikeOut);
  EXPECT_EQ(font->Size(), 12);
  EXPECT_EQ(font->Color, 255);
  EXPECT_EQ(font->Charset, DEFAULT_CHARSET);
}

INSTANTIATE_TEST_SUITE_P(Fields, OddStyleField,
                         ::testing::Values(StyleCase{"", false, false, false, false},
                                           StyleCase{"1", true, false, false, false},
                                           StyleCase{"x1y1", false, true, false, true},
                                           StyleCase{"11111", true, true, true, true},
                                           StyleCase{"0010", false, false, true, false}));

TEST(FontText, AFaceNameMayHoldBlanksAndIsSplitAtTheFirstBars) {
  const auto font = TextToFont("Times New Roman|0|9|0000|extra");
  ASSERT_TRUE(font.has_value());
  EXPECT_EQ(font->Name, "Times New Roman");
  EXPECT_EQ(font->Size(), 9);
}

TEST(LineBreaks, PairsAreReplacedFromTheLeft) {
  EXPECT_EQ(EncodeLineBreaks("a\r\nb\r\n"), "a||b||");
  EXPECT_EQ(EncodeLineBreaks("a\rb\nc"), "a\rb\nc");  // lone CR and LF are not line breaks here
  EXPECT_EQ(DecodeLineBreaks("a|||b"), "a\r\n|b");
  EXPECT_EQ(DecodeLineBreaks("||||"), "\r\n\r\n");
  EXPECT_EQ(EncodeLineBreaks("\r\r\n\n"), "\r||\n");
  // A million loaded texts add up: each is allocated at its own size.
  const std::string decoded = DecodeLineBreaks("Step 12345||x := x + 1");
  EXPECT_EQ(decoded.capacity(), decoded.size());
}

class Fragment : public ::testing::Test {
 protected:
  BlocksHolderModel chart;
};

TEST_F(Fragment, OfASingleBlockHoldsBareValues) {
  const auto n = AddRect(chart, 1000, 2000, 3000, 1500);
  chart.Blocks(n).Text = "a\r\nb";
  chart.Blocks(n).TF.SetSize(10);
  EXPECT_EQ(chart.BlockToFragment(chart.Blocks(n)),
            CrLf({"[Quobrix Sheme v.1.0]", "[BLOCK DATA]", "1000", "2000", "3000", "1500", "3", "16777215", "0", "0",
                  "0", "0", "1", "0", "a||b", "Arial|-16777208|10|0000", "2", "0", "0", "0", "", "0", "[END]",
                  "[SHEME END]"}));
}

TEST_F(Fragment, PastedBlocksLieOneGridStepRightAndBelow) {
  AddRect(chart, 1000, 2000);
  chart.SetPosGridSize(500);
  const std::string text = chart.BlockToFragment(chart.Blocks(1));
  ASSERT_TRUE(chart.LoadFragment(text));
  ASSERT_TRUE(chart.LoadFragment(text));
  ASSERT_EQ(chart.BlockCount(), 3);
  EXPECT_EQ(chart.Blocks(2).X, 1500);
  EXPECT_EQ(chart.Blocks(2).Y, 2500);
  EXPECT_EQ(chart.Blocks(3).X, 1500);  // both copies offset from the text, not from each other
  EXPECT_EQ(chart.Blocks(2).Owner, nullptr);
}

TEST_F(Fragment, OfAMultiSelectionComesBackAsAContainerOwningTheOthers) {
  AddRect(chart, 0, 0);
  AddRect(chart, 3000, 0);
  chart.MakeMultiSelection(0, 0, 6000, 2000, {1, 2});
  const std::string text = chart.BlockToFragment(chart.Blocks(3));
  chart.DissolveMultiSelection();
  ASSERT_TRUE(chart.LoadFragment(text));
  ASSERT_EQ(chart.BlockCount(), 5);
  const TBlock& container = chart.Blocks(5);
  EXPECT_EQ(container.Compl, ckMultiSelection);
  ASSERT_EQ(container.Members.size(), 2u);
  EXPECT_EQ(container.Members[0], &chart.Blocks(3));
  EXPECT_EQ(container.Members[1], &chart.Blocks(4));
  EXPECT_EQ(chart.Blocks(3).Owner, &container);
  EXPECT_EQ(chart.Blocks(4).X, 4000);
}

TEST_F(Fragment, OfAGroupHoldsTheMembersOfNestedGroupsInPlaceOfThem) {
  for (int i = 0; i < 3; ++i) AddRect(chart, i * 3000, 0);
  chart.MakeMultiSelection(0, 0, 6000, 2000, {1, 2});
  chart.Blocks(4).Compl = ckGroup;
  chart.MakeMultiSelection(0, 0, 9000, 2000, {4, 3});
  chart.Blocks(5).Compl = ckGroup;
  const std::string text = chart.BlockToFragment(chart.Blocks(5));
  std::size_t sections = 0;
  for (std::size_t at = text.find("[BLOCK DATA]"); at != std::string::npos; at = text.find("[BLOCK DATA]", at + 1))
    ++sections;
  EXPECT_EQ(sections, 4u);  // three rectangles and the outer group, no inner one
  ASSERT_TRUE(chart.LoadFragment(text));
  ASSERT_EQ(chart.BlockCount(), 9);
  EXPECT_EQ(chart.Blocks(9).Compl, ckGroup);
  ASSERT_EQ(chart.Blocks(9).Members.size(), 3u);
  for (std::int64_t i = 6; i <= 8; ++i) EXPECT_EQ(chart.Blocks(i).X, chart.Blocks(i - 5).X + 1000) << i;
}

TEST_F(Fragment, OfAGroupOfThreeAppendsFourBlocks) {
  for (int i = 0; i < 3; ++i) AddRect(chart, i * 3000, 0);
  chart.MakeMultiSelection(0, 0, 9000, 2000, {1, 2, 3});
  chart.Blocks(4).Compl = ckGroup;
  ASSERT_TRUE(chart.LoadFragment(chart.BlockToFragment(chart.Blocks(4))));
  ASSERT_EQ(chart.BlockCount(), 8);
  ASSERT_EQ(chart.Blocks(8).Members.size(), 3u);
  for (std::int64_t i = 5; i <= 7; ++i) {
    EXPECT_EQ(chart.Blocks(i).Owner, &chart.Blocks(8));
    EXPECT_EQ(chart.Blocks(i).X, chart.Blocks(i - 4).X + 1000);
    EXPECT_EQ(chart.Blocks(i).Y, chart.Blocks(i - 4).Y + 1000);
  }
}

TEST_F(Fragment, TextThatRunsOutBeforeTheEndFailsButKeepsBlocksAlreadyRead) {
  AddRect(chart, 0, 0);
  std::string text = chart.BlockToFragment(chart.Blocks(1));
  text = text.substr(0, text.rfind("[SHEME END]"));
  text += text.substr(text.find("[BLOCK DATA]"));  // a second, complete section, then nothing
  EXPECT_FALSE(chart.LoadFragment(text));
  EXPECT_EQ(chart.BlockCount(), 3);
}

TEST_F(Fragment, ForeignOrDamagedTextIsRefused) {
  EXPECT_FALSE(chart.LoadFragment(""));
  EXPECT_FALSE(chart.LoadFragment("hello"));
  EXPECT_FALSE(chart.LoadFragment(CrLf({"[Quobrix Sheme v.1.0]", "[BLOCK DATA]", "1", "[END]", "[SHEME END]"})));
  EXPECT_FALSE(chart.LoadFragment(CrLf({"[Quobrix Sheme v.1.0]", "[BLOCK DATA]", "1", "2"})));
  EXPECT_EQ(chart.BlockCount(), 0);
}

}  // namespace
}  // namespace quobrix
