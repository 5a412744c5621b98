#include "chart/wizards/BranchChart.h"

#include <algorithm>

namespace quobrix {

namespace {

// One branch's symbols under the decision's corner at `centre`, from y
// down; returns how far they reach.
std::int64_t AppendBranch(WizardChart& out, const WizardWords& words, std::int64_t centre, std::int64_t y,
                          const WizardSection& process, const WizardSection& output) {
  const std::int64_t x = centre - 2500;
  if (process.on) {
    const std::int64_t n = LineCount(process.text);
    out.Symbol(btRectangle, {x, y + 6000, 5000, 1500 + 500 * n}, Captioned(words.process, process.text));
    out.Line({centre, y + 7500 + 500 * n, 0, 1500});
    y += 3000 + 500 * n;
  }
  if (output.on) {
    out.Symbol(btSRectangle, {x, y + 6000, 5000, 1500}, Captioned(words.output, output.text));
    out.Line({centre, y + 7500, 0, 1500});
    y += 3000;
  }
  return y;
}

}  // namespace

// The main axis is at 10500, the true branch's at 6500, the false one's at
// 14500; y is how far the symbols added so far have pushed the rest down.
void AppendBranchChart(BlocksHolderModel& chart, const WizardWords& words, const BranchChartInput& in) {
  WizardChart out(chart);
  out.Symbol(btBeginEnd, {8000, 3000, 5000, 1500}, words.begin);
  out.Line({10500, 4500, 0, 1500});
  std::int64_t y = 0;
  if (in.input.on) {
    out.Symbol(btSRectangle, {8000, 6000, 5000, 1500}, Captioned(words.input, in.input.text));
    out.Line({10500, 7500, 0, 1500});
    y = 3000;
  }
  if (in.condition.on) {
    out.Symbol(btLogicIf, {8000, y + 6000, 5000, 2000}, in.condition.text);
    out.LabelledLine({6500, y + 7000, 1500, 0}, words.yes);
    out.LabelledLine({13000, y + 7000, 1500, 0}, words.no);
    out.Line({6500, y + 7000, 0, 1500});
    out.Line({14500, y + 7000, 0, 1500});
    y += 2500;
  }
  const std::int64_t yL = AppendBranch(out, words, 6500, y, in.process1, in.output1);
  const std::int64_t yR = AppendBranch(out, words, 14500, y, in.process2, in.output2);
  // The shorter branch's line comes down to the longer one's end.
  if (yL < yR) out.Line({6500, yL + 6000, 0, yR - yL});
  if (yR < yL) out.Line({14500, yR + 6000, 0, yL - yR});
  y = std::max(yL, yR);
  out.Line({6500, y + 6000, 8000, 0});
  out.Line({10500, y + 6000, 0, 1500});
  out.Symbol(btBeginEnd, {8000, y + 7500, 5000, 1500}, words.end);
}

}  // namespace quobrix
