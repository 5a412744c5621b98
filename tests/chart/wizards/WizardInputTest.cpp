// How the wizards read what the user typed: line counts of a memo, symbol
// sizes in millimetres, and section texts kept whole.
#include <gtest/gtest.h>

#include "chart/wizards/ProcessChart.h"

namespace quobrix {
namespace {

TEST(LineCount, CountsLinesTheWayAMemoShowsThem) {
  EXPECT_EQ(LineCount(""), 0);
  EXPECT_EQ(LineCount("a"), 1);
  EXPECT_EQ(LineCount("a\r\nb\r\nc"), 3);
  EXPECT_EQ(LineCount("a\r\n"), 1);  // the caret on a new, empty line adds none
  EXPECT_EQ(LineCount("\r\n"), 1);
  EXPECT_EQ(LineCount("a\r\n\r\n"), 2);
}

TEST(SymbolSide, WholeMillimetresBecomeChartUnits) {
  EXPECT_EQ(SymbolSideFromText("60", 80, 21000), 6000);
  EXPECT_EQ(SymbolSideFromText(" 20 ", 30, 29700), 2000);
  EXPECT_EQ(SymbolSideFromText("+5", 30, 29700), 500);
  EXPECT_EQ(SymbolSideFromText("1", 80, 21000), 100);
  EXPECT_EQ(SymbolSideFromText("210", 80, 21000), 21000);  // as wide as the sheet
}

TEST(SymbolSide, WhatIsNoWholeNumberGivesTheFallback) {
  for (const char* text : {"", " ", "abc", "6O", "60mm", "6.5", "0x10", "--5", "99999999999999999999999"})
    EXPECT_EQ(SymbolSideFromText(text, 80, 21000), 8000) << text;
}

// A zero or negative side draws nothing usable and a side beyond the
// sheet runs off every page; both are refused like a non-number.
TEST(SymbolSide, SidesUnderAMillimetreOrBeyondTheSheetGiveTheFallback) {
  for (const char* text : {"0", "-5", "-0", "211", "100000", "92233720368547758"})
    EXPECT_EQ(SymbolSideFromText(text, 30, 21000), 3000) << text;
}

TEST(ProcessSections, ASlashInAConditionStaysInTheCondition) {
  BlocksHolderModel chart;
  AppendProcessChart(chart, {{{ProcessSectionKind::Condition, "a / b > 1", "c := a / b"},
                              {ProcessSectionKind::Loop, "i := 1/2", "x/y"}},
                             6000, 2000});
  ASSERT_EQ(chart.BlockCount(), 16);
  EXPECT_EQ(chart.Blocks(1).Text, "a / b > 1");
  EXPECT_EQ(chart.Blocks(5).Text, "c := a / b");
  EXPECT_EQ(chart.Blocks(8).Text, "i := 1/2");
  EXPECT_EQ(chart.Blocks(14).Text, "x/y");
}

TEST(ProcessSections, AnOperationThatLooksLikeAnotherKindKeepsItsOwnKind) {
  BlocksHolderModel chart;
  AppendProcessChart(chart, {{{ProcessSectionKind::Delay, "", "[Loop] - /i/  x"}}, 6000, 2000});
  ASSERT_EQ(chart.BlockCount(), 1);
  EXPECT_EQ(chart.Blocks(1).BT, btDelay);
  EXPECT_EQ(chart.Blocks(1).Text, "[Loop] - /i/  x");
}

}  // namespace
}  // namespace quobrix
