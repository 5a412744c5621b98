#include "chart/wizards/ExpressionCursor.h"

#include <algorithm>

namespace quobrix {

namespace {

const Token kBeyond{};  // kind End

}  // namespace

ExpressionCursor::ExpressionCursor(const std::vector<Token>& tokens, TokenRange range)
    : tokens_(tokens), at_(range.first), end_(range.second) {}

const Token& ExpressionCursor::Peek(std::size_t ahead) const {
  return at_ + ahead < end_ ? tokens_[at_ + ahead] : kBeyond;
}

const Token& ExpressionCursor::Take() {
  if (AtEnd()) FailOperand();
  return tokens_[at_++];
}

bool ExpressionCursor::TakeSymbol(std::string_view symbol) {
  if (!IsSymbol(Peek(), symbol)) return false;
  ++at_;
  return true;
}

bool ExpressionCursor::TakeKeyword(std::string_view keyword) {
  if (!IsKeyword(Peek(), keyword)) return false;
  ++at_;
  return true;
}

void ExpressionCursor::ExpectSymbol(std::string_view symbol) {
  if (!TakeSymbol(symbol)) ThrowExpected(Here(), {std::string(symbol)});
}

void ExpressionCursor::ExpectKeyword(std::string_view keyword) {
  if (!TakeKeyword(keyword)) ThrowExpected(Here(), {std::string(keyword)});
}

void ExpressionCursor::FailOperand() const { ThrowExpected(Here(), CodeExpected::Operand); }

void ExpressionCursor::ExpectEnd() const {
  if (!AtEnd()) ThrowExpected(Here(), CodeExpected::Operator);
}

void ReadOperators(ExpressionCursor& in, std::span<const OperatorLevel> levels, const ReadOperand& operand) {
  if (levels.empty()) return operand(in);
  const OperatorLevel& level = levels.front();
  if (level.prefix && level.prefix(in.Peek())) {
    const NestingGuard guard(in.Depth(), in.Take());
    return ReadOperators(in, levels, operand);
  }
  ReadOperators(in, levels.subspan(1), operand);
  while (level.binary) {
    const std::size_t length = level.binary(in);
    if (length == 0) return;
    in.Skip(length);
    ReadOperators(in, levels.subspan(1), operand);
  }
}

void ReadList(ExpressionCursor& in, const ListRules& rules, const ReadOperand& item) {
  const NestingGuard guard(in.Depth(), in.Here());
  if (rules.mayBeEmpty && in.TakeSymbol(rules.close)) return;
  for (;;) {
    item(in);
    if (in.TakeSymbol(rules.close)) return;
    if (!in.TakeSymbol(",")) ThrowExpected(in.Here(), {",", std::string(rules.close)});
    if (rules.trailingComma && in.TakeSymbol(rules.close)) return;
  }
}

std::size_t OperatorOf(const Token& token, std::initializer_list<std::string_view> symbols,
                       std::initializer_list<std::string_view> words) {
  if (token.kind == TokenKind::Symbol)
    return std::any_of(symbols.begin(), symbols.end(), [&](std::string_view s) { return token.text == s; }) ? 1 : 0;
  return std::any_of(words.begin(), words.end(), [&](std::string_view w) { return IsKeyword(token, w); }) ? 1 : 0;
}

}  // namespace quobrix
