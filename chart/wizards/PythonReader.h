// Reads a school Python program: module statements, def, assignments, if,
// elif, else, while, for over range(), input(), print(), calls, return,
// break and continue.
#pragma once

#include <string_view>

#include "chart/wizards/FlowProgram.h"

namespace quobrix {

// Throws CodeError at the first fault.
FlowProgram ReadPython(std::string_view utf8);

}  // namespace quobrix
