// A linear chart: begin, input, calculation, output, end, one below the other.
#pragma once

#include "chart/wizards/WizardChart.h"

namespace quobrix {

struct LinearChartInput {
  WizardSection input, process, output;
};

void AppendLinearChart(BlocksHolderModel& chart, const WizardWords& words, const LinearChartInput& in);

}  // namespace quobrix
