// quobrix --from-code PROGRAM OUT: the flowchart of a Pascal or Python
// program, without a display.
#pragma once

#include <string>

namespace quobrix {

// Reads PROGRAM (the language by its extension, .pas or .py) and saves its
// flowchart as OUT: a chart, or a picture by OUT's extension.
int DrawFromCode(const std::string& program, const std::string& out);

}  // namespace quobrix
