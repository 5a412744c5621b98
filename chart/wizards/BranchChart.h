// A chart with a decision: begin, input, the condition, a true branch on the
// left and a false branch on the right, each with a calculation and an
// output, joined again above the end.
#pragma once

#include "chart/wizards/WizardChart.h"

namespace quobrix {

struct BranchChartInput {
  WizardSection input, condition;
  WizardSection process1, output1;  // the condition holds
  WizardSection process2, output2;  // it does not
};

void AppendBranchChart(BlocksHolderModel& chart, const WizardWords& words, const BranchChartInput& in);

}  // namespace quobrix
