// Python text as tokens: words, numbers, strings, symbols, and Newline,
// Indent and Dedent where logical lines end and blocks open and close; line
// breaks inside brackets, blank lines and # comments give none.
#pragma once

#include <vector>

#include "chart/wizards/ProgramTokens.h"

namespace quobrix {

// Throws CodeError at a character no token starts with, an unclosed string,
// or a line indented to no enclosing block's depth.
std::vector<Token> LexPython(const std::vector<SourceChar>& chars);

}  // namespace quobrix
