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

const std::array<OperatorLevel, 11> kLevels{{
    {[](const ExpressionCursor& in) { return OperatorOf(in.Peek(), {}, {"or"}); }, nullptr},
    {[](const ExpressionCursor& in) { return OperatorOf(in.Peek(), {}, {"and"}); }, nullptr},
    {nullptr, [](const Token& token) { return IsKeyword(token, "not"); }},
    {Comparison, nullptr},
    {[](const ExpressionCursor& in) { return OperatorOf(in.Peek(), {"|"}); }, nullptr},
    {[](const ExpressionCursor& in) { return OperatorOf(in.Peek(), {"^"}); }, nullptr},
    {[](const ExpressionCursor& in) { return OperatorOf(in.Peek(), {"&"}); }, nullptr},
    {[](const ExpressionCursor& in) { return OperatorOf(in.Peek(), {"<<", ">>"}); }, nullptr},
    {[](const ExpressionCursor& in) { return OperatorOf(in.Peek(), {"+", "-"}); }, nullptr},
    {[](const ExpressionCursor& in) { return OperatorOf(in.Peek(), {"*", "/", "//", "%", "@"}); }, nullptr},
    {nullptr, [](const Token& token) { return OperatorOf(token, {"-", "+", "~"}) == 1; }},
}};
constexpr std::size_t kBitwiseOr = 4;
constexpr std::size_t kUnary = 10;

constexpr std::array kOperatorWords = {"and", "or", "not", "in", "is", "if", "else", "for", "lambda", "await"};

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
  if (token.kind == TokenKind::String || token.kind == TokenKind::Number || (token.kind == TokenKind::Word && !IsOneOf(token, kOperatorWords)) ||
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
      if (in.Peek().kind != TokenKind::Word) ThrowExpected(in.Here(), "an attribute name");
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
    if (in.Peek().kind != TokenKind::Word || IsOneOf(in.Peek(), kOperatorWords))
      ThrowExpected(in.Here(), "a parameter name");
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
