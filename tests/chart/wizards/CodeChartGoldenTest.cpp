// Whole charts of short programs against block lists worked out by hand:
// symbols of the smallest size 50 x 16 mm (15 mm rounded up to whole even
// millimetres), one line of text centred by one empty line before it, the
// chart centred on the sheet with its begin symbol 30 mm from the top,
// lines of 10 mm with an arrow where the flow enters a symbol.
#include <gtest/gtest.h>

#include <sstream>

#include "CodeChartTestSupport.h"

namespace quobrix::test {
namespace {

// "BT X Y W H arrows placement text" with the text in UTF-8, CR LF as "|".
std::string Row(const TBlock& b) {
  std::string text;
  for (char c : Cp1251ToUtf8(b.Text))
    if (c != '\r') text += c == '\n' ? '|' : c;
  std::ostringstream row;
  row << int{b.BT} << ' ' << b.X << ' ' << b.Y << ' ' << b.W << ' ' << b.H << ' ' << int{b.LineArrows} << ' '
      << int{b.TP} << ' ' << text;
  return row.str();
}

std::vector<std::string> Rows(const std::string& program, CodeLanguage language) {
  BlocksHolderModel chart;
  Draw(chart, program, language);
  std::vector<std::string> rows;
  for (std::int64_t n = 1; n <= chart.BlockCount(); ++n) rows.push_back(Row(chart.Blocks(n)));
  return rows;
}

// Block type codes as the rows show them.
#define LINE "2 "
#define RECT "3 "
#define TERMINAL "9 "
#define SUBROUTINE "10 "
#define IO "11 "
#define LOOP "12 "
#define DECISION "14 "

TEST(CodeChartGolden, LinearProgram) {
  EXPECT_EQ(Rows("program Linear;\nvar a, b: integer;\nbegin\n  readln(a);\n  b := a * 2;\n  writeln(b)\nend.",
                 CodeLanguage::Pascal),
            (std::vector<std::string>{
                TERMINAL "8000 3000 5000 1600 0 0 |Начало",
                LINE "10500 4600 0 1000 1 0 ",
                IO "8000 5600 5000 1600 0 0 |Ввод a",
                LINE "10500 7200 0 1000 1 0 ",
                RECT "8000 8200 5000 1600 0 0 |b := a * 2",
                LINE "10500 9800 0 1000 1 0 ",
                IO "8000 10800 5000 1600 0 0 |Вывод b",
                LINE "10500 12400 0 1000 1 0 ",
                TERMINAL "8000 13400 5000 1600 0 0 |Конец",
            }));
}

// The branches hang below the decision's corners, on lines as long as the
// longer label ("Нет", 656 wide, and 400 beside it) rounded up to even
// millimetres, labelled under them, and meet 5 mm below the longer branch.
TEST(CodeChartGolden, IfElse) {
  EXPECT_EQ(Rows("if x > 0:\n    y = 1\nelse:\n    y = 2\n", CodeLanguage::Python),
            (std::vector<std::string>{
                TERMINAL "8000 3000 5000 1600 0 0 |Начало",
                LINE "10500 4600 0 1000 1 0 ",
                DECISION "8000 5600 5000 1600 0 0 |x > 0",
                LINE "8000 6400 -1200 0 0 1 Да",
                LINE "6800 6400 0 1800 1 0 ",
                RECT "4300 8200 5000 1600 0 0 |y = 1",
                LINE "6800 9800 0 500 0 0 ",
                LINE "13000 6400 1200 0 0 1 Нет",
                LINE "14200 6400 0 1800 1 0 ",
                RECT "11700 8200 5000 1600 0 0 |y = 2",
                LINE "14200 9800 0 500 0 0 ",
                LINE "6800 10300 7400 0 0 0 ",
                LINE "10500 10300 0 1000 1 0 ",
                TERMINAL "8000 11300 5000 1600 0 0 |Конец",
            }));
}

// Each loop's return line climbs 10 mm outside what it holds into the loop
// symbol's left corner; its exit leaves the right corner, comes down
// 10 mm outside as well and turns back to the axis 10 mm below the body.
TEST(CodeChartGolden, NestedCountedLoops) {
  EXPECT_EQ(Rows("begin\n  for i := 1 to 2 do\n    for j := 1 to 3 do\n      s := s + j\nend.", CodeLanguage::Pascal),
            (std::vector<std::string>{
                TERMINAL "8000 3000 5000 1600 0 0 |Начало",
                LINE "10500 4600 0 1000 1 0 ",
                LOOP "8000 5600 5000 1600 0 0 |i := 1, 2",
                LINE "10500 7200 0 1000 1 0 ",
                LOOP "8000 8200 5000 1600 0 0 |j := 1, 3",
                LINE "10500 9800 0 1000 1 0 ",
                RECT "8000 10800 5000 1600 0 0 |s := s + j",
                LINE "10500 12400 0 500 0 0 ",
                LINE "10500 12900 -3500 0 0 0 ",
                LINE "7000 12900 0 -3900 0 0 ",
                LINE "7000 9000 1000 0 1 0 ",
                LINE "13000 9000 1000 0 0 0 ",
                LINE "14000 9000 0 4400 0 0 ",
                LINE "14000 13400 -3500 0 0 0 ",
                LINE "10500 13400 0 500 0 0 ",
                LINE "10500 13900 -4500 0 0 0 ",
                LINE "6000 13900 0 -7500 0 0 ",
                LINE "6000 6400 2000 0 1 0 ",
                LINE "13000 6400 2000 0 0 0 ",
                LINE "15000 6400 0 8000 0 0 ",
                LINE "15000 14400 -4500 0 0 0 ",
                LINE "10500 14400 0 1000 1 0 ",
                TERMINAL "8000 15400 5000 1600 0 0 |Конец",
            }));
}

// A function is a chart of its own, 20 mm to the right of the main one,
// headed by its name and parameters; its call is a subroutine symbol.
TEST(CodeChartGolden, ProcedureBesideTheMainChart) {
  EXPECT_EQ(Rows("def greet(name):\n    print(name)\n\ngreet(\"Аня\")\n", CodeLanguage::Python),
            (std::vector<std::string>{
                TERMINAL "4500 3000 5000 1600 0 0 |Начало",
                LINE "7000 4600 0 1000 1 0 ",
                SUBROUTINE "4500 5600 5000 1600 0 0 |greet(\"Аня\")",
                LINE "7000 7200 0 1000 1 0 ",
                TERMINAL "4500 8200 5000 1600 0 0 |Конец",
                TERMINAL "11500 3000 5000 1600 0 0 |greet(name)",
                LINE "14000 4600 0 1000 1 0 ",
                IO "11500 5600 5000 1600 0 0 |Вывод name",
                LINE "14000 7200 0 1000 1 0 ",
                TERMINAL "11500 8200 5000 1600 0 0 |Конец",
            }));
}

TEST(CodeChartGolden, SymbolsAreWhiteWithASolidBlackBorderAndLinesInTheChartsDefaultLook) {
  BlocksHolderModel chart;
  chart.SetDefBlockBorderColor(0x0000FF);
  chart.SetDefBlockBorderWidth(30);
  chart.SetDefBlockPlace(btpRightSide);
  Draw(chart, "if a:\n    b = 1\n", CodeLanguage::Python);
  for (std::int64_t n = 1; n <= chart.BlockCount(); ++n) {
    const TBlock& b = chart.Blocks(n);
    const bool plainLine = b.BT == btLine && b.Text.empty();
    EXPECT_EQ(b.MC, clWhite) << n;
    EXPECT_EQ(b.FS, bsSolid) << n;
    EXPECT_EQ(b.BS, psSolid) << n;
    EXPECT_EQ(b.BC, plainLine ? 0x0000FF : clBlack) << n;
    EXPECT_EQ(b.BW, plainLine ? 30 : 1) << n;
  }
  EXPECT_EQ(chart.DefBlockPlace(), btpRightSide) << "the placement of new blocks is the user's again";
}

TEST(CodeChartGolden, AFaultAddsNothing) {
  BlocksHolderModel chart;
  chart.ApplyChartWindowValues();
  chart.AddDefaultBlock(btRectangle, 0, 0, 1000, 1000);
  CodeChartOptions options;
  options.language = CodeLanguage::Python;
  const auto error = AppendCodeChart(chart, "x = 1\nif x\n    y = 2\n", options);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->line, 2);
  EXPECT_EQ(chart.BlockCount(), 1);
  EXPECT_EQ(chart.DocumentPages(), 1);
}

}  // namespace
}  // namespace quobrix::test
