// The four structure wizards' charts, block for block. The expected lists
// are worked out by hand from the wizards' layout rules, not from the code.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "chart/wizards/BranchChart.h"
#include "chart/wizards/LinearChart.h"
#include "chart/wizards/LoopChart.h"
#include "chart/wizards/ProcessChart.h"

namespace quobrix {
namespace {

const WizardWords kWords{"Begin", "End", "In", "Out", "Calc", "Yes", "No"};

struct Row {
  int type;
  std::int64_t x, y, w, h;
  std::string text;
  bool operator==(const Row&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Row& r) {
  return os << "\n{" << r.type << ", " << r.x << ", " << r.y << ", " << r.w << ", " << r.h << ", \"" << r.text
            << "\"}";
}

constexpr int Ln = btLine;

// A chart whose defaults for new blocks differ from the wizards' look, so
// the test sees which blocks take which.
class WizardChartTest : public ::testing::Test {
 protected:
  WizardChartTest() {
    chart.SetDefBlockColor(0x00FF00);
    chart.SetDefBlockFillStyle(bsClear);
    chart.SetDefBlockBorderColor(0x0000FF);
    chart.SetDefBlockBorderWidth(20);
    chart.SetDefBlockBorderStyle(psDash);
    chart.SetDefBlockPlace(btpRightSide);
  }

  std::vector<Row> Rows() const {
    std::vector<Row> rows;
    for (std::int64_t n = 1; n <= chart.BlockCount(); ++n) {
      const TBlock& b = chart.Blocks(n);
      rows.push_back({b.BT, b.X, b.Y, b.W, b.H, b.Text});
    }
    return rows;
  }

  // Symbols and labelled lines are white with a solid black border one
  // unit wide; plain lines take the chart's defaults. Only a labelled line
  // puts its text under it.
  void ExpectTheWizardsLook() const {
    for (std::int64_t n = 1; n <= chart.BlockCount(); ++n) {
      const TBlock& b = chart.Blocks(n);
      SCOPED_TRACE(n);
      const bool plainLine = b.BT == btLine && b.Text.empty();
      EXPECT_EQ(b.MC, plainLine ? 0x00FF00 : clWhite);
      EXPECT_EQ(b.FS, plainLine ? bsClear : bsSolid);
      EXPECT_EQ(b.BC, plainLine ? 0x0000FF : clBlack);
      EXPECT_EQ(b.BW, plainLine ? 20 : 1);
      EXPECT_EQ(b.BS, plainLine ? psDash : psSolid);
      EXPECT_EQ(b.TP, b.BT == btLine && !b.Text.empty() ? btpUnder : btpRightSide);
    }
  }

  BlocksHolderModel chart;
};

const WizardSection kOff{false, "ignored"};

TEST_F(WizardChartTest, LinearWithEverySectionOffIsBeginLineEnd) {
  AppendLinearChart(chart, kWords, {kOff, kOff, kOff});
  EXPECT_EQ(Rows(), (std::vector<Row>{
                        {btBeginEnd, 8000, 3000, 5000, 1500, "Begin"},
                        {Ln, 10500, 4500, 0, 1500, ""},
                        {btBeginEnd, 8000, 6000, 5000, 1500, "End"},
                    }));
  ExpectTheWizardsLook();
}

TEST_F(WizardChartTest, LinearCalculationGrowsHalfACentimetrePerLine) {
  AppendLinearChart(chart, kWords, {{true, "A, B"}, {true, "a\r\nb\r\nc"}, {true, "Y"}});
  EXPECT_EQ(Rows(), (std::vector<Row>{
                        {btBeginEnd, 8000, 3000, 5000, 1500, "Begin"},
                        {Ln, 10500, 4500, 0, 1500, ""},
                        {btSRectangle, 8000, 6000, 5000, 1500, "In\r\nA, B"},
                        {Ln, 10500, 7500, 0, 1500, ""},
                        {btRectangle, 8000, 9000, 5000, 3000, "Calc\r\na\r\nb\r\nc"},
                        {Ln, 10500, 12000, 0, 1500, ""},
                        {btSRectangle, 8000, 13500, 5000, 1500, "Out\r\nY"},
                        {Ln, 10500, 15000, 0, 1500, ""},
                        {btBeginEnd, 8000, 16500, 5000, 1500, "End"},
                    }));
  ExpectTheWizardsLook();
}

TEST_F(WizardChartTest, BranchBringsTheEmptyFalseSideDownToTheJoin) {
  AppendBranchChart(chart, kWords,
                    {{true, "A"}, {true, "A > 0"}, {true, "x\r\ny"}, {true, "x"}, {false, "p"}, {false, "q"}});
  EXPECT_EQ(Rows(), (std::vector<Row>{
                        {btBeginEnd, 8000, 3000, 5000, 1500, "Begin"},
                        {Ln, 10500, 4500, 0, 1500, ""},
                        {btSRectangle, 8000, 6000, 5000, 1500, "In\r\nA"},
                        {Ln, 10500, 7500, 0, 1500, ""},
                        {btLogicIf, 8000, 9000, 5000, 2000, "A > 0"},
                        {Ln, 6500, 10000, 1500, 0, "Yes"},
                        {Ln, 13000, 10000, 1500, 0, "No"},
                        {Ln, 6500, 10000, 0, 1500, ""},
                        {Ln, 14500, 10000, 0, 1500, ""},
                        {btRectangle, 4000, 11500, 5000, 2500, "Calc\r\nx\r\ny"},
                        {Ln, 6500, 14000, 0, 1500, ""},
                        {btSRectangle, 4000, 15500, 5000, 1500, "Out\r\nx"},
                        {Ln, 6500, 17000, 0, 1500, ""},
                        {Ln, 14500, 11500, 0, 7000, ""},
                        {Ln, 6500, 18500, 8000, 0, ""},
                        {Ln, 10500, 18500, 0, 1500, ""},
                        {btBeginEnd, 8000, 20000, 5000, 1500, "End"},
                    }));
  ExpectTheWizardsLook();
}

TEST_F(WizardChartTest, BranchWithTheLongerFalseSideBringsTheTrueSideDown) {
  BranchChartInput in{kOff, kOff, kOff, kOff, kOff, kOff};
  in.condition = {true, "c"};
  in.process2 = {true, "p"};
  AppendBranchChart(chart, kWords, in);
  EXPECT_EQ(Rows(), (std::vector<Row>{
                        {btBeginEnd, 8000, 3000, 5000, 1500, "Begin"},
                        {Ln, 10500, 4500, 0, 1500, ""},
                        {btLogicIf, 8000, 6000, 5000, 2000, "c"},
                        {Ln, 6500, 7000, 1500, 0, "Yes"},
                        {Ln, 13000, 7000, 1500, 0, "No"},
                        {Ln, 6500, 7000, 0, 1500, ""},
                        {Ln, 14500, 7000, 0, 1500, ""},
                        {btRectangle, 12000, 8500, 5000, 2000, "Calc\r\np"},
                        {Ln, 14500, 10500, 0, 1500, ""},
                        {Ln, 6500, 8500, 0, 3500, ""},
                        {Ln, 6500, 12000, 8000, 0, ""},
                        {Ln, 10500, 12000, 0, 1500, ""},
                        {btBeginEnd, 8000, 13500, 5000, 1500, "End"},
                    }));
}

TEST_F(WizardChartTest, BranchLabelsItsLinesWithoutChangingTheChartsTextPlacement) {
  BranchChartInput in{kOff, kOff, kOff, kOff, kOff, kOff};
  in.condition = {true, "c"};
  AppendBranchChart(chart, kWords, in);
  EXPECT_EQ(chart.DefBlockPlace(), btpRightSide);
  ExpectTheWizardsLook();  // the end symbol, added after the labels, included
}

TEST_F(WizardChartTest, LoopWithEverySectionOn) {
  AppendLoopChart(chart, kWords,
                  {{true, "N"},
                   {true, "S := 0"},
                   "I:=1,N,1",
                   {true, "S := S + I\r\nP := P * I"},
                   {true, "I"},
                   {true, "M := S / N"},
                   {true, "M"}});
  EXPECT_EQ(Rows(), (std::vector<Row>{
                        {btBeginEnd, 8000, 3000, 5000, 1500, "Begin"},
                        {Ln, 10500, 4500, 0, 1000, ""},
                        {btSRectangle, 8000, 5500, 5000, 1500, "In\r\nN"},
                        {Ln, 10500, 7000, 0, 1000, ""},
                        {btRectangle, 8000, 7500, 5000, 2000, "Calc\r\nS := 0"},
                        {Ln, 10500, 9500, 0, 1000, ""},
                        {btHexagon, 8000, 10500, 5000, 2000, "I:=1,N,1"},
                        {Ln, 10500, 12500, 0, 1000, ""},
                        {Ln, 6500, 11500, 1500, 0, ""},
                        {Ln, 13000, 11500, 1500, 0, ""},
                        {Ln, 6500, 11500, 0, 8000, ""},
                        {Ln, 14500, 11500, 0, 8500, ""},
                        {btRectangle, 8000, 13500, 5000, 2500, "Calc\r\nS := S + I\r\nP := P * I"},
                        {Ln, 10500, 16000, 0, 1000, ""},
                        {btSRectangle, 8000, 17000, 5000, 1500, "Out\r\nI"},
                        {Ln, 10500, 18500, 0, 1000, ""},
                        {Ln, 6500, 19500, 4000, 0, ""},
                        {Ln, 10500, 20000, 4000, 0, ""},
                        {Ln, 10500, 20000, 0, 1000, ""},
                        {btRectangle, 8000, 21000, 5000, 2000, "Calc\r\nM := S / N"},
                        {Ln, 10500, 23000, 0, 1000, ""},
                        {btSRectangle, 8000, 24000, 5000, 1500, "Out\r\nM"},
                        {Ln, 10500, 25500, 0, 1000, ""},
                        {btBeginEnd, 8000, 26500, 5000, 1500, "End"},
                    }));
  ExpectTheWizardsLook();
}

TEST_F(WizardChartTest, LoopWithAnEmptyBodyStillDrawsItsHeaderAndPaths) {
  AppendLoopChart(chart, kWords, {kOff, kOff, "", kOff, kOff, kOff, kOff});
  EXPECT_EQ(Rows(), (std::vector<Row>{
                        {btBeginEnd, 8000, 3000, 5000, 1500, "Begin"},
                        {Ln, 10500, 4500, 0, 1000, ""},
                        {btHexagon, 8000, 5500, 5000, 2000, ""},
                        {Ln, 10500, 7500, 0, 1000, ""},
                        {Ln, 6500, 6500, 1500, 0, ""},
                        {Ln, 13000, 6500, 1500, 0, ""},
                        {Ln, 6500, 6500, 0, 2000, ""},
                        {Ln, 14500, 6500, 0, 2500, ""},
                        {Ln, 6500, 8500, 4000, 0, ""},
                        {Ln, 10500, 9000, 4000, 0, ""},
                        {Ln, 10500, 9000, 0, 1000, ""},
                        {btBeginEnd, 8000, 10000, 5000, 1500, "End"},
                    }));
}

TEST_F(WizardChartTest, ProcessWithOneOperationIsOneSymbolAndNoLine) {
  AppendProcessChart(chart, {{{ProcessSectionKind::Operation, "", "a := 1"}},
                             SymbolSideFromText("60", 80, chart.SheetWidth()),
                             SymbolSideFromText("20", 30, chart.SheetHeight())});
  EXPECT_EQ(Rows(), (std::vector<Row>{{btRectangle, 4000, 2000, 6000, 2000, "a := 1"}}));
  ExpectTheWizardsLook();
}

TEST_F(WizardChartTest, ProcessWithOneSectionOfEachKind) {
  AppendProcessChart(chart, {{{ProcessSectionKind::Operation, "", "a"},
                              {ProcessSectionKind::Delay, "", "d"},
                              {ProcessSectionKind::Condition, "x > 0", "y := x"},
                              {ProcessSectionKind::Loop, "i := 1, n", "s := s + i"},
                              {ProcessSectionKind::InputOutput, "", "s"}},
                             6000,
                             2000});
  EXPECT_EQ(Rows(), (std::vector<Row>{
                        {btRectangle, 4000, 2000, 6000, 2000, "a"},
                        {Ln, 7000, 4000, 0, 1000, ""},
                        {btDelay, 4000, 5000, 6000, 2000, "d"},
                        {Ln, 7000, 7000, 0, 1000, ""},
                        {btLogicIf, 4000, 8000, 6000, 2000, "x > 0"},
                        {Ln, 7000, 10000, 0, 1000, ""},
                        {Ln, 10000, 9000, 1000, 0, ""},
                        {Ln, 11000, 9000, 0, 4500, ""},
                        {btRectangle, 4000, 11000, 6000, 2000, "y := x"},
                        {Ln, 7000, 13000, 0, 1000, ""},
                        {Ln, 7000, 13500, 4000, 0, ""},
                        {btHexagon, 4000, 14000, 6000, 2000, "i := 1, n"},
                        {Ln, 3000, 15000, 1000, 0, ""},
                        {Ln, 3000, 15000, 0, 3000, ""},
                        {Ln, 7000, 16000, 0, 1000, ""},
                        {Ln, 10000, 15000, 1000, 0, ""},
                        {Ln, 11000, 15000, 0, 4500, ""},
                        {btRectangle, 4000, 17000, 6000, 2000, "s := s + i"},
                        {Ln, 3000, 18000, 1000, 0, ""},
                        {Ln, 7000, 19500, 0, 500, ""},
                        {Ln, 7000, 19500, 4000, 0, ""},
                        {btSRectangle, 4000, 20000, 6000, 2000, "s"},
                    }));
  ExpectTheWizardsLook();
}

TEST_F(WizardChartTest, ProcessEndingInAConditionLosesItsClosingLine) {
  AppendProcessChart(chart, {{{ProcessSectionKind::Condition, "c", "op"}}, 5000, 1000});
  EXPECT_EQ(Rows(), (std::vector<Row>{
                        {btLogicIf, 4000, 2000, 5000, 1000, "c"},
                        {Ln, 6500, 3000, 0, 1000, ""},
                        {Ln, 9000, 2500, 1000, 0, ""},
                        {Ln, 10000, 2500, 0, 3000, ""},
                        {btRectangle, 4000, 4000, 5000, 1000, "op"},
                        {Ln, 6500, 5000, 0, 1000, ""},
                    }));
}

TEST_F(WizardChartTest, ProcessWithNoSectionsAddsNothingAndDeletesNothing) {
  chart.AddDefaultBlock(btLine, 0, 0, 100, 0);
  AppendProcessChart(chart, {{}, 6000, 2000});
  EXPECT_EQ(chart.BlockCount(), 1);
}

TEST_F(WizardChartTest, BlocksFollowWhatTheChartAlreadyHolds) {
  chart.AddDefaultBlock(btCircle, 100, 200, 300, 300);
  AppendLinearChart(chart, kWords, {kOff, kOff, kOff});
  const std::vector<Row> rows = Rows();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0], (Row{btCircle, 100, 200, 300, 300, ""}));
  EXPECT_EQ(rows[1], (Row{btBeginEnd, 8000, 3000, 5000, 1500, "Begin"}));
}

}  // namespace
}  // namespace quobrix
