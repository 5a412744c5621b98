// Token-level helpers both program readers parse with.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chart/wizards/FlowProgram.h"
#include "chart/wizards/ProgramTokens.h"

namespace quobrix {

// Whether the token is one of the keywords, in any letter case.
template <std::size_t N>
bool IsOneOf(const Token& token, const std::array<const char*, N>& words) {
  return std::any_of(words.begin(), words.end(), [&](const char* word) { return IsKeyword(token, word); });
}

struct ExpressionRules {
  bool (*operatorWord)(const Token&);  // "and", "not", "mod" ...: words that join operands
  bool (*stopWord)(const Token&);      // statement words, which end an expression at any depth
  std::vector<std::string_view> stopSymbols;  // end an expression outside brackets
  bool stringsJoin = false;  // 'a' 'b' is one string, not two operands
};

// The end of the expression starting at `from`: the first stop outside
// brackets, or the first operand that follows an operand with nothing
// between (where a separator is missing). Throws CodeError where a bracket
// is left open or closed by the wrong kind.
std::size_t ScanExpression(const std::vector<Token>& tokens, std::size_t from, const ExpressionRules& rules);

using TokenRange = std::pair<std::size_t, std::size_t>;  // [first, last)

// The parts of [from, to) between `separator`s outside brackets.
std::vector<TokenRange> SplitOutsideBrackets(const std::vector<Token>& tokens, TokenRange range,
                                             std::string_view separator);

// The bracket that closes the one at `open`; throws CodeError where the
// statement ends first.
std::size_t ClosingBracket(const std::vector<Token>& tokens, std::size_t open);

// The range without one pair of brackets that encloses all of it.
TokenRange WithoutOuterParentheses(const std::vector<Token>& tokens, TokenRange range);

// The names followed by "(" in the range, lower-cased when `ignoreCase`.
std::vector<std::string> CalledNames(const std::vector<Token>& tokens, TokenRange range, bool ignoreCase);

// How many levels are open, how many may be, and the fault of one more.
struct DepthLimit {
  int open = 0;
  int most = 0;
  CodeErrorKind fault = CodeErrorKind::TooDeep;
};

// Counts open levels while it lives; throws CodeError at the token that
// goes past the limit.
class NestingGuard {
 public:
  NestingGuard(DepthLimit& depth, const Token& at);
  ~NestingGuard() { depth_.open -= levels_; }
  NestingGuard(const NestingGuard&) = delete;
  NestingGuard& operator=(const NestingGuard&) = delete;

  // One level more, for a chain of decisions each nested in the one before.
  void Deeper(const Token& at);

 private:
  DepthLimit& depth_;
  int levels_ = 0;
};

// Statements that call one of `routines` become Calls; statements after a
// return, break or continue in the same sequence (or a decision whose
// branches all end so), which nothing reaches, go.
void FinishProgram(FlowProgram& program, const std::vector<std::string>& routines);

}  // namespace quobrix
