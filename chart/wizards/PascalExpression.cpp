#include "chart/wizards/PascalExpression.h"

#include <array>

#include "chart/wizards/ExpressionCursor.h"

namespace quobrix {

namespace {

std::size_t Relational(const ExpressionCursor& in) {
  return OperatorOf(in.Peek(), {"=", "<>", "<", ">", "<=", ">="}, {"in", "is"});
}
std::size_t Additive(const ExpressionCursor& in) { return OperatorOf(in.Peek(), {"+", "-"}, {"or", "xor"}); }
std::size_t Multiplicative(const ExpressionCursor& in) {
  return OperatorOf(in.Peek(), {"*", "/"}, {"div", "mod", "and", "shl", "shr", "as"});
}
bool Prefix(const Token& token) { return OperatorOf(token, {"-", "+", "@"}, {"not"}) == 1; }

const std::array<OperatorLevel, 4> kLevels{{{Relational}, {Additive}, {Multiplicative}, {nullptr, Prefix}}};

void Expression(ExpressionCursor& in);

// a, or a..b in a set constructor or a case label.
void Element(ExpressionCursor& in) {
  Expression(in);
  if (in.TakeSymbol("..")) Expression(in);
}

// A value of write(x:8:2) may carry its field width and decimals.
void Argument(ExpressionCursor& in) {
  Expression(in);
  for (int part = 0; part < 2 && in.TakeSymbol(":"); ++part) Expression(in);
}

void Primary(ExpressionCursor& in) {
  const Token& token = in.Peek();
  if (token.kind == TokenKind::Number || token.kind == TokenKind::String ||
      (token.kind == TokenKind::Word && !IsPascalOperatorWord(token))) {
    in.Take();
  } else if (in.TakeSymbol("(")) {
    const NestingGuard guard(in.Depth(), token);
    Expression(in);
    in.ExpectSymbol(")");
  } else if (in.TakeSymbol("[")) {
    ReadList(in, {"]", true, false}, Element);
  } else {
    in.FailOperand();
  }
}

// An operand with its calls, indexes, fields and dereferences.
void Operand(ExpressionCursor& in) {
  Primary(in);
  for (;;) {
    if (in.TakeSymbol("(")) {
      ReadList(in, {")", true, false}, Argument);
    } else if (in.TakeSymbol("[")) {
      ReadList(in, {"]", false, false}, Expression);
    } else if (in.TakeSymbol(".")) {
      if (in.Peek().kind != TokenKind::Word) ThrowExpected(in.Here(), CodeExpected::FieldName);
      in.Take();
    } else if (!in.TakeSymbol("^")) {
      return;
    }
  }
}

void Expression(ExpressionCursor& in) { ReadOperators(in, kLevels, Operand); }

}  // namespace

bool IsPascalOperatorWord(const Token& token) {
  static constexpr std::array kWords = {"and", "or", "not", "div", "mod", "xor", "shl", "shr", "in", "is", "as"};
  return IsOneOf(token, kWords);
}

void CheckPascalExpression(const std::vector<Token>& tokens, TokenRange range) {
  ExpressionCursor in(tokens, range);
  Expression(in);
  in.ExpectEnd();
}

void CheckPascalStatement(const std::vector<Token>& tokens, TokenRange range) {
  ExpressionCursor in(tokens, range);
  Expression(in);
  if (OperatorOf(in.Peek(), {":=", "+=", "-=", "*=", "/="})) {
    in.Take();
    Expression(in);
  }
  in.ExpectEnd();
}

void CheckPascalCaseLabels(const std::vector<Token>& tokens, TokenRange range) {
  ExpressionCursor in(tokens, range);
  Element(in);
  while (in.TakeSymbol(",")) Element(in);
  in.ExpectEnd();
}

}  // namespace quobrix
