// A chart with a counted loop: begin, input and a calculation, the loop
// header, the loop's body (calculation and output), then the calculation
// and output after the loop, and the end. The header is always drawn.
#pragma once

#include <string>

#include "chart/wizards/WizardChart.h"

namespace quobrix {

struct LoopChartInput {
  WizardSection input, process;
  std::string loop;  // the header's expression
  WizardSection processFor, outputFor;  // the body
  WizardSection processR, outputR;      // after the loop
};

void AppendLoopChart(BlocksHolderModel& chart, const WizardWords& words, const LoopChartInput& in);

}  // namespace quobrix
