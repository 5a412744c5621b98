// What the Pascal and Python expression checkers share: a cursor over the
// tokens of one expression, and operands joined by a table of operators.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "chart/wizards/ReaderSupport.h"

namespace quobrix {

// Walks an expression whose end the reader's scan has already found. Beyond
// the range Peek() sees the end; a fault there names the token that follows.
class ExpressionCursor {
 public:
  ExpressionCursor(const std::vector<Token>& tokens, TokenRange range);

  bool AtEnd() const { return at_ >= end_; }
  const Token& Peek(std::size_t ahead = 0) const;
  const Token& Here() const { return tokens_[std::min(at_, end_)]; }  // what a fault found
  const Token& Take();
  void Skip(std::size_t count) { at_ = std::min(at_ + count, end_); }
  bool TakeSymbol(std::string_view symbol);
  bool TakeKeyword(std::string_view keyword);
  void ExpectSymbol(std::string_view symbol);
  void ExpectKeyword(std::string_view keyword);
  [[noreturn]] void FailOperand() const;
  // Throws where tokens are left: an operand that follows another.
  void ExpectEnd() const;
  // Brackets and prefix operators nest no deeper than statements.
  DepthLimit& Depth() { return depth_; }

 private:
  const std::vector<Token>& tokens_;
  std::size_t at_;
  std::size_t end_;
  DepthLimit depth_{0, kMaxNesting, CodeErrorKind::TooDeep};
};

// One level of an operator table, the loosest first: how many tokens the
// binary operator at the cursor spans (0 where none stands), and which
// tokens are prefix operators binding at this level.
struct OperatorLevel {
  std::size_t (*binary)(const ExpressionCursor&) = nullptr;
  bool (*prefix)(const Token&) = nullptr;
};

using ReadOperand = std::function<void(ExpressionCursor&)>;

// Operands joined by the operators of `levels`, each read by `operand`.
void ReadOperators(ExpressionCursor& in, std::span<const OperatorLevel> levels, const ReadOperand& operand);

// Items separated by "," up to `close`, which it takes; the bracket that
// opened the list is already taken.
struct ListRules {
  std::string_view close;
  bool mayBeEmpty = true;
  bool trailingComma = false;
};
void ReadList(ExpressionCursor& in, const ListRules& rules, const ReadOperand& item);

// 1 where the token is one of the symbols or words, else 0.
std::size_t OperatorOf(const Token& token, std::initializer_list<std::string_view> symbols,
                       std::initializer_list<std::string_view> words = {});

}  // namespace quobrix
