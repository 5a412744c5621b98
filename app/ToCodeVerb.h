// quobrix --to-code CHART OUT: the program a flowchart draws, in Pascal or
// Python by OUT's extension, without a display.
#pragma once

#include <string>

namespace quobrix {

// Writes the program of CHART's flow to OUT (.pas or .py); a chart without
// a structured program fails with the reason and the symbol where it breaks.
int WriteProgramOfChart(const std::string& chartPath, const std::string& out);

}  // namespace quobrix
