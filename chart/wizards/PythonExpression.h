// Python expressions checked in full: lambda, x if c else y, or < and <
// not < comparisons (in, not in, is, is not, chained) < | < ^ < & < shifts
// < + - < * / // % @ < prefix - + ~ < ** < await and operands with calls,
// subscripts, slices and attributes; tuples, lists, dicts, sets and their
// comprehensions, strings and numbers. Each throws CodeError at the first
// token that does not fit.
#pragma once

#include <vector>

#include "chart/wizards/ReaderSupport.h"

namespace quobrix {

// "and", "not", "lambda" ...: words that are operators, not operands.
bool IsPythonOperatorWord(const Token& token);

// The condition of an if, elif or while: one expression, n := f() allowed.
void CheckPythonCondition(const std::vector<Token>& tokens, TokenRange range);

// Expressions separated by ",", *starred or not: the sides of an
// assignment, what return gives, what a for loop runs over.
void CheckPythonList(const std::vector<Token>& tokens, TokenRange range);

// The targets of a for loop, before its "in".
void CheckPythonTargets(const std::vector<Token>& tokens, TokenRange range);

}  // namespace quobrix
