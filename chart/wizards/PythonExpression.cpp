#include "chart/wizards/PythonExpression.h"

#include <array>

#include "chart/wizards/ExpressionCursor.h"

namespace quobrix {

namespace {

std::size_t Comparison(const ExpressionCursor& in) {
  const Token& token = in.Peek();
  if (IsKeyword(token, "not")) return IsKeyword(in.Peek(1), "in") ? 2 : 0;
  if (IsKeyword(token, "is")) return IsKeyword(in.Peek(1), "not") ? 2 : 1;
  return OperatorOf(token, {"<", ">", "==", ">=", "<=", "!="}, {"in"});
}

std::size_t Or(const ExpressionCursor& in) { return OperatorOf(in.Peek(), {}, {"or"}); }
std::size_t And(const ExpressionCursor& in) { return OperatorOf(in.Peek(), {}, {"and"}); }
bool Not(const Token& token) { return IsKeyword(token, "not"); }
std::size_t BitOr(const ExpressionCursor& in) { return OperatorOf(in.Peek(), {"|"}); }
std::size_t BitXor(const ExpressionCursor& in) { return OperatorOf(in.Peek(), {"^"}); }
std::size_t BitAnd(const ExpressionCursor& in) { return OperatorOf(in.Peek(), {"&"}); }
std::size_t Shift(const ExpressionCursor& in) { return OperatorOf(in.Peek(), {"<<", ">>"}); }
std::size_t Additive(const ExpressionCursor& in) { return OperatorOf(in.Peek(), {"+", "-"}); }
std::size_t Multiplicative(const ExpressionCursor& in) { return OperatorOf(in.Peek(), {"*", "/", "//", "%", "@"}); }
bool Sign(const Token& token) { return OperatorOf(token, {"-", "+", "~"}) == 1; }

const std::array<OperatorLevel, 11> kLevels{{{Or},
                                             {And},
                                             {nullptr, Not},
                                             {Comparison},
                                             {BitOr},
                                             {BitXor},
                                             {BitAnd},
                                             {Shift},
                                             {Additive},
                                             {Multiplicative},
                                             {nullptr, Sign}}};
constexpr std::size_t kBitwiseOr = 4;
constexpr std::size_t kUnary = 10;

void Test(ExpressionCursor& in);
void Power(ExpressionCursor& in);

void OrTest(ExpressionCursor& in) { ReadOperators(in, kLevels, Power); }
void BitwiseOr(ExpressionCursor& in) { ReadOperators(in, std::span(kLevels).subspan(kBitwiseOr), Power); }

// *a where a list may unpack, else an expression.
void StarredOrTest(ExpressionCursor& in) {
  if (in.TakeSymbol("*")) return BitwiseOr(in);
  Test(in);
}

// The "for a in b if c" clauses after the item of a comprehension.
void Comprehension(ExpressionCursor& in) {
  while (in.TakeKeyword("for")) {
    BitwiseOr(in);
    while (in.TakeSymbol(",") && !IsKeyword(in.Peek(), "in")) BitwiseOr(in);
    in.ExpectKeyword("in");
    OrTest(in);
    while (in.TakeKeyword("if")) OrTest(in);
  }
}

// The items of ( ) or [ ] after the opening bracket: one item and its
// comprehension, or a list.
void Display(ExpressionCursor& in, std::string_view close) {
  if (in.TakeSymbol(close)) return;
  StarredOrTest(in);
  if (IsKeyword(in.Peek(), "for")) {
    Comprehension(in);
    return in.ExpectSymbol(close);
  }
  if (in.TakeSymbol(close)) return;
  in.ExpectSymbol(",");
  ReadList(in, {close, true, true}, StarredOrTest);
}

// key: value, **mapping, or a set's *items and values.
void DictItem(ExpressionCursor& in) {
  if (in.TakeSymbol("**") || in.TakeSymbol("*")) return BitwiseOr(in);
  Test(in);
  if (in.TakeSymbol(":")) Test(in);
}

void Braces(ExpressionCursor& in) {
  if (in.TakeSymbol("}")) return;
  DictItem(in);
  if (IsKeyword(in.Peek(), "for")) {
    Comprehension(in);
    return in.ExpectSymbol("}");
  }
  if (in.TakeSymbol("}")) return;
  in.ExpectSymbol(",");
  ReadList(in, {"}", true, true}, DictItem);
}

void Argument(ExpressionCursor& in) {
  if (in.Peek().kind == TokenKind::Word && IsSymbol(in.Peek(1), "=")) {
    in.Skip(2);
    return Test(in);
  }
  if (in.TakeSymbol("*") || in.TakeSymbol("**")) return Test(in);
  Test(in);
  Comprehension(in);
}

bool EndsSlicePart(const Token& token) { return IsSymbol(token, ":") || IsSymbol(token, ",") || IsSymbol(token, "]"); }

// a, a:b, a:b:c with any part left out, or *a.
void Subscript(ExpressionCursor& in) {
  if (in.TakeSymbol("*")) return BitwiseOr(in);
  const bool slice = IsSymbol(in.Peek(), ":");
  if (!slice) Test(in);
  if (!in.TakeSymbol(":")) return;
  if (!EndsSlicePart(in.Peek())) Test(in);
  if (in.TakeSymbol(":") && !EndsSlicePart(in.Peek())) Test(in);
}

void Atom(ExpressionCursor& in) {
  const Token& token = in.Peek();
  if (token.kind == TokenKind::String) {
    while (in.Peek().kind == TokenKind::String) in.Take();  // 'a' 'b' is one string
  } else if (token.kind == TokenKind::Number || (token.kind == TokenKind::Word && !IsPythonOperatorWord(token)) ||
             IsSymbol(token, "...")) {
    in.Take();
  } else if (in.TakeSymbol("(")) {
    const NestingGuard guard(in.Depth(), token);
    Display(in, ")");
  } else if (in.TakeSymbol("[")) {
    const NestingGuard guard(in.Depth(), token);
    Display(in, "]");
  } else if (in.TakeSymbol("{")) {
    const NestingGuard guard(in.Depth(), token);
    Braces(in);
  } else {
    in.FailOperand();
  }
}

// await, an atom with its calls, subscripts and attributes, and ** with
// its right operand, which may carry a sign.
void Power(ExpressionCursor& in) {
  in.TakeKeyword("await");
  Atom(in);
  for (;;) {
    if (in.TakeSymbol("(")) {
      ReadList(in, {")", true, true}, Argument);
    } else if (in.TakeSymbol("[")) {
      ReadList(in, {"]", false, true}, Subscript);
    } else if (in.TakeSymbol(".")) {
      if (in.Peek().kind != TokenKind::Word) ThrowExpected(in.Here(), CodeExpected::AttributeName);
      in.Take();
    } else {
      break;
    }
  }
  if (!IsSymbol(in.Peek(), "**")) return;
  const NestingGuard guard(in.Depth(), in.Take());
  ReadOperators(in, std::span(kLevels).subspan(kUnary), Power);
}

// lambda a, b=1, *c: ...
void Lambda(ExpressionCursor& in) {
  while (!IsSymbol(in.Peek(), ":")) {
    if (!in.TakeSymbol("**")) in.TakeSymbol("*");
    if (in.Peek().kind != TokenKind::Word || IsPythonOperatorWord(in.Peek()))
      ThrowExpected(in.Here(), CodeExpected::ParameterName);
    in.Take();
    if (in.TakeSymbol("=")) Test(in);
    if (!in.TakeSymbol(",")) break;
  }
  in.ExpectSymbol(":");
  Test(in);
}

// One expression: n := ..., lambda, or x if c else y.
void Test(ExpressionCursor& in) {
  if (in.Peek().kind == TokenKind::Word && IsSymbol(in.Peek(1), ":=")) in.Skip(2);
  for (;;) {
    if (IsKeyword(in.Peek(), "lambda")) {
      const NestingGuard guard(in.Depth(), in.Take());
      return Lambda(in);
    }
    OrTest(in);
    if (!in.TakeKeyword("if")) return;
    OrTest(in);
    in.ExpectKeyword("else");
  }
}

void List(ExpressionCursor& in, const ReadOperand& item) {
  item(in);
  while (in.TakeSymbol(",") && !in.AtEnd()) item(in);
  in.ExpectEnd();
}

}  // namespace

bool IsPythonOperatorWord(const Token& token) {
  static constexpr std::array kWords = {"and", "or", "not", "in", "is", "if", "else", "for", "lambda", "await"};
  return IsOneOf(token, kWords);
}

void CheckPythonCondition(const std::vector<Token>& tokens, TokenRange range) {
  ExpressionCursor in(tokens, range);
  Test(in);
  in.ExpectEnd();
}

void CheckPythonList(const std::vector<Token>& tokens, TokenRange range) {
  ExpressionCursor in(tokens, range);
  List(in, StarredOrTest);
}

void CheckPythonTargets(const std::vector<Token>& tokens, TokenRange range) {
  ExpressionCursor in(tokens, range);
  List(in, [](ExpressionCursor& cursor) {
    cursor.TakeSymbol("*");
    BitwiseOr(cursor);
  });
}

}  // namespace quobrix
