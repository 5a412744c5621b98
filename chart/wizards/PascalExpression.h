// Pascal expressions checked in full: relational < additive (+ - or xor) <
// multiplicative (* / div mod and shl shr as) < prefix (not - + @) <
// operands with calls, indexes, fields and ^; strings, numbers and set
// constructors [a, b..c]. Each throws CodeError at the first token that
// does not fit.
#pragma once

#include <vector>

#include "chart/wizards/ReaderSupport.h"

namespace quobrix {

// "and", "div", "not" ...: words that are operators, not operands.
bool IsPascalOperatorWord(const Token& token);

void CheckPascalExpression(const std::vector<Token>& tokens, TokenRange range);

// An expression, or one assigned (:= += -= *= /=) to another.
void CheckPascalStatement(const std::vector<Token>& tokens, TokenRange range);

// The labels of a case arm: values and ranges a..b separated by ",".
void CheckPascalCaseLabels(const std::vector<Token>& tokens, TokenRange range);

}  // namespace quobrix
