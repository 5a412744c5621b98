// Charts drawn by hand: lines drawn either way, arrows or none, labels of
// any of the usual words, lines joining lines, connectors across pages; and
// the charts that have no structured program, refused at the symbol where
// the structure breaks.
#include <gtest/gtest.h>

#include "ChartProgramTestSupport.h"
#include "CodeChartTestSupport.h"

namespace quobrix::test {
namespace {

class HandChart {
 public:
  const TBlock* Symbol(TBlockType type, std::int64_t x, std::int64_t y, const std::string& utf8, std::int64_t w = 4000,
                       std::int64_t h = 1000) {
    return &chart.Blocks(chart.AddBlock({.Type = type, .Rect = {x, y, w, h}, .Text = Cp(utf8)}));
  }
  void Line(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, TBlocksLineArrows arrows = blaSimple,
            const std::string& utf8 = "") {
    chart.AddBlock({.Type = btLine, .Rect = {x1, y1, x2 - x1, y2 - y1}, .Text = Cp(utf8), .LineArrows = arrows});
  }

  BlocksHolderModel chart;
};

ChartFlowError Refusal(const BlocksHolderModel& chart) {
  auto listing = ChartProgramText(chart, CodeLanguage::Pascal);
  EXPECT_TRUE(std::holds_alternative<ChartFlowError>(listing)) << std::get<ProgramListing>(listing).Text();
  return std::holds_alternative<ChartFlowError>(listing) ? std::get<ChartFlowError>(listing) : ChartFlowError{};
}

// A loop drawn with "+" and "-": yes to the side and back up the right,
// the exit straight down, some lines drawn against the flow.
TEST(HandDrawnChartProgram, LoopWithPlusAndMinus) {
  HandChart c;
  c.Symbol(btBeginEnd, 0, 0, "начало");
  c.Line(2000, 1000, 2000, 2000);
  c.Symbol(btSRectangle, 0, 2000, "ввод n");
  c.Line(2000, 3000, 2000, 4000, blaEndArrow);
  c.Symbol(btRectangle, 0, 4000, "f := 1");
  c.Line(2000, 5000, 2000, 6000);
  c.Symbol(btLogicIf, 0, 6000, "n > 1", 4000, 2000);
  c.Line(4000, 7000, 6000, 7000, blaSimple, "+");
  c.Line(6000, 9000, 6000, 7000);  // drawn upwards, into the corner line
  c.Symbol(btRectangle, 4000, 9000, "f := f * n\r\nn := n - 1", 4000, 1000);
  c.Line(6000, 10000, 6000, 11000);
  c.Line(6000, 11000, 8500, 11000);
  c.Line(8500, 11000, 8500, 5500);
  c.Line(8500, 5500, 2000, 5500, blaEndArrow);      // onto the line above the decision
  c.Line(2000, 13000, 2000, 8000, blaSimple, "-");  // drawn upwards from the output
  c.Symbol(btSRectangle, 0, 13000, "вывод f");
  c.Line(2000, 14000, 2000, 15000);
  c.Symbol(btBeginEnd, 0, 15000, "конец");
  EXPECT_EQ(WrittenProgram(c.chart, CodeLanguage::Pascal),
            "program FromChart;\nvar\n  n: integer;\n  f: integer;\nbegin\n  readln(n);\n  f := 1;\n  while n > 1 do\n"
            "  begin\n    f := f * n;\n    n := n - 1;\n  end;\n  writeln(f);\nend.\n");
  EXPECT_EQ(WrittenProgram(c.chart, CodeLanguage::Python),
            "n = int(input())\nf = 1\nwhile n > 1:\n    f = f * n\n    n = n - 1\nprint(f)\n");
}

// "нет" on the left and "да" on the right: the labels, not the sides, say
// which branch is which; the branches meet on a line across.
TEST(HandDrawnChartProgram, DecisionLabelsOverSides) {
  HandChart c;
  c.Symbol(btBeginEnd, 4000, 0, "Start");
  c.Line(6000, 1000, 6000, 2000, blaEndArrow);
  c.Symbol(btLogicIf, 4000, 2000, "a > b", 4000, 2000);
  c.Line(4000, 3000, 2000, 3000, blaSimple, "нет");
  c.Line(2000, 3000, 2000, 5000, blaEndArrow);
  c.Symbol(btRectangle, 0, 5000, "m := b");
  c.Line(8000, 3000, 10000, 3000, blaSimple, "да");
  c.Line(10000, 3000, 10000, 5000, blaEndArrow);
  c.Symbol(btRectangle, 8000, 5000, "m := a");
  c.Line(2000, 6000, 2000, 7000);
  c.Line(10000, 6000, 10000, 7000);
  c.Line(2000, 7000, 10000, 7000);
  c.Line(6000, 7000, 6000, 8000, blaEndArrow);
  c.Symbol(btSRectangle, 4000, 8000, "Output m");
  c.Line(6000, 9000, 6000, 10000, blaEndArrow);
  c.Symbol(btBeginEnd, 4000, 10000, "End");
  EXPECT_EQ(WrittenProgram(c.chart, CodeLanguage::Python), "if a > b:\n    m = a\nelse:\n    m = b\nprint(m)\n");
}

// Off-page connectors with the same label carry the flow from one page to
// the next.
TEST(HandDrawnChartProgram, OffPageConnectorsCarryTheFlow) {
  HandChart c;
  c.Symbol(btBeginEnd, 0, 0, "Begin");
  c.Line(2000, 1000, 2000, 2000, blaEndArrow);
  c.Symbol(btRectangle, 0, 2000, "x = 1");
  c.Line(2000, 3000, 2000, 4000, blaEndArrow);
  c.Symbol(btOffPageConnector, 1500, 4000, "A", 1000, 1000);
  c.Symbol(btOffPageConnector, 1500, 30000, "A", 1000, 1000);
  c.Line(2000, 31000, 2000, 32000, blaEndArrow);
  c.Symbol(btRectangle, 0, 32000, "x = x + 1");
  c.Line(2000, 33000, 2000, 34000, blaEndArrow);
  c.Symbol(btBeginEnd, 0, 34000, "End");
  EXPECT_EQ(WrittenProgram(c.chart, CodeLanguage::Python), "x = 1\nx = x + 1\n");
}

TEST(HandDrawnChartProgram, RefusedWhereTheStructureBreaks) {
  {
    SCOPED_TRACE("a branch that jumps into a loop's body");
    HandChart c;
    c.Symbol(btBeginEnd, 0, 0, "начало");
    c.Line(2000, 1000, 2000, 2000, blaEndArrow);
    c.Symbol(btLogicIf, 0, 2000, "a > 0", 4000, 2000);
    c.Line(2000, 4000, 2000, 5000, blaEndArrow, "да");
    c.Symbol(btRectangle, 0, 5000, "a := 1");
    c.Line(2000, 6000, 2000, 7000, blaEndArrow);
    c.Symbol(btLogicIf, 0, 7000, "a < 10", 4000, 2000);
    c.Line(4000, 8000, 6000, 8000, blaSimple, "да");
    c.Line(6000, 8000, 6000, 10000, blaEndArrow);
    const TBlock* body = c.Symbol(btRectangle, 4000, 10000, "a := a + 1");
    c.Line(6000, 11000, 6000, 11500);
    c.Line(6000, 11500, 8500, 11500);
    c.Line(8500, 11500, 8500, 6500);
    c.Line(8500, 6500, 2000, 6500, blaEndArrow);
    c.Line(2000, 9000, 2000, 13000, blaEndArrow, "нет");
    c.Symbol(btBeginEnd, 0, 13000, "конец");
    c.Line(4000, 3000, 10000, 3000, blaSimple, "нет");
    c.Line(10000, 3000, 10000, 10500);
    c.Line(10000, 10500, 8000, 10500, blaEndArrow);  // into the loop's body from the side
    const ChartFlowError error = Refusal(c.chart);
    EXPECT_EQ(error.fault, ChartFlowFault::Unstructured);
    EXPECT_EQ(error.symbol, body) << Cp1251ToUtf8(error.symbol->Text);  // where the jump lands
  }
  {
    SCOPED_TRACE("two ways out of a rectangle");
    HandChart c;
    c.Symbol(btBeginEnd, 0, 0, "начало");
    c.Line(2000, 1000, 2000, 2000, blaEndArrow);
    const TBlock* process = c.Symbol(btRectangle, 0, 2000, "a := 1");
    c.Line(2000, 3000, 2000, 4000, blaEndArrow);
    c.Line(4000, 2500, 6000, 2500, blaEndArrow);
    c.Symbol(btRectangle, 6000, 2000, "a := 2");
    c.Symbol(btBeginEnd, 0, 4000, "конец");
    const ChartFlowError error = Refusal(c.chart);
    EXPECT_EQ(error.fault, ChartFlowFault::TwoWaysOut);
    EXPECT_EQ(error.symbol, process);
  }
  {
    SCOPED_TRACE("a decision with one way out");
    HandChart c;
    c.Symbol(btBeginEnd, 0, 0, "начало");
    c.Line(2000, 1000, 2000, 2000, blaEndArrow);
    const TBlock* decision = c.Symbol(btLogicIf, 0, 2000, "a > 0", 4000, 2000);
    c.Line(2000, 4000, 2000, 5000, blaEndArrow);
    c.Symbol(btBeginEnd, 0, 5000, "конец");
    const ChartFlowError error = Refusal(c.chart);
    EXPECT_EQ(error.fault, ChartFlowFault::DecisionWays);
    EXPECT_EQ(error.symbol, decision);
  }
  {
    SCOPED_TRACE("the flow stops short of the end");
    HandChart c;
    c.Symbol(btBeginEnd, 0, 0, "начало");
    c.Line(2000, 1000, 2000, 2000, blaEndArrow);
    const TBlock* process = c.Symbol(btRectangle, 0, 2000, "a := 1");
    c.Symbol(btBeginEnd, 0, 5000, "конец");
    const ChartFlowError error = Refusal(c.chart);
    EXPECT_EQ(error.fault, ChartFlowFault::NoWayOut);
    EXPECT_EQ(error.symbol, process);
  }
  {
    SCOPED_TRACE("a connector whose label continues nowhere");
    HandChart c;
    c.Symbol(btBeginEnd, 0, 0, "начало");
    c.Line(2000, 1000, 2000, 2000, blaEndArrow);
    const TBlock* connector = c.Symbol(btCircle, 1500, 2000, "7", 1000, 1000);
    const ChartFlowError error = Refusal(c.chart);
    EXPECT_EQ(error.fault, ChartFlowFault::ConnectorNowhere);
    EXPECT_EQ(error.symbol, connector);
  }
  {
    SCOPED_TRACE("nothing to start from");
    HandChart c;
    EXPECT_EQ(Refusal(c.chart).fault, ChartFlowFault::NoBegin);
  }
}

}  // namespace
}  // namespace quobrix::test
