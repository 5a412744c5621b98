// The structured program a flowchart draws: its control flow read back into
// sequences, decisions and loops, as the program readers would have read
// the program the chart was drawn from.
#pragma once

#include <variant>

#include "chart/wizards/ChartFlow.h"
#include "chart/wizards/FlowProgram.h"

namespace quobrix {

// The main program (the chart whose begin terminal says so, or the first)
// and a routine for each other begin terminal, in the chart's order. Every
// node names the symbol it was read from. Texts are the symbols' own, in
// code page 1251, without the wizards' captions; a rectangle gives one node
// per statement.
std::variant<FlowProgram, ChartFlowError> ReadChartProgram(const BlocksHolderModel& chart);

}  // namespace quobrix
