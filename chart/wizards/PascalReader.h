// Reads a school Pascal program: the main block, procedures and functions,
// assignments, if, case, while, for, repeat, read and write, calls.
#pragma once

#include <string_view>

#include "chart/wizards/FlowProgram.h"

namespace quobrix {

// Throws CodeError at the first fault.
FlowProgram ReadPascal(std::string_view utf8);

}  // namespace quobrix
