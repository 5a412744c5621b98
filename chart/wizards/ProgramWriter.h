// A program's text written from what its flowchart shows, in Pascal or in
// Python, each line knowing the symbol it came from.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "chart/wizards/ChartFlow.h"
#include "chart/wizards/CodeChart.h"
#include "chart/wizards/FlowProgram.h"

namespace quobrix {

struct ProgramLine {
  std::string text;                // UTF-8
  const TBlock* symbol = nullptr;  // none for declarations and the program's frame
};

struct ProgramListing {
  std::vector<ProgramLine> lines;
  std::string Text() const;  // the lines, each ended by "\n"
};

// Pascal declares what the statements assign and read: an integer unless a
// value says real, string or boolean; an array where a name is indexed.
// Fails only for what the language cannot say (a counted loop's step other
// than 1 or -1 in Pascal), naming the symbol.
std::variant<ProgramListing, ChartFlowError> WriteProgram(const FlowProgram& program, CodeLanguage language);

// The program of the chart's flow in `language`, or where the chart has none.
std::variant<ProgramListing, ChartFlowError> ChartProgramText(const BlocksHolderModel& chart, CodeLanguage language);

}  // namespace quobrix
