// Pascal text as tokens: words, numbers, strings ('it''s' and #13 pieces
// run together), symbols; blanks and { }, (* *) and // comments between them.
#pragma once

#include <vector>

#include "chart/wizards/ProgramTokens.h"

namespace quobrix {

// Throws CodeError at a character no token starts with, or an unclosed string or comment.
std::vector<Token> LexPascal(const std::vector<SourceChar>& chars);

}  // namespace quobrix
