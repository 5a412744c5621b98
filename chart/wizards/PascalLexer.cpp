#include "chart/wizards/PascalLexer.h"

#include <array>

namespace quobrix {

namespace {

bool IsHexDigit(char32_t c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Skips blanks and comments; true when any stood there.
bool SkipBlanks(CharCursor& in) {
  bool skipped = false;
  for (;;) {
    const char32_t c = in.Peek();
    const int line = in.Line();
    const int column = in.Column();
    if (!in.AtEnd() && (c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == 0xA0)) {
      in.Advance();
    } else if (c == '/' && in.Peek(1) == '/') {
      while (!in.AtEnd() && in.Peek() != '\n') in.Advance();
    } else if (c == '{' || (c == '(' && in.Peek(1) == '*')) {
      const bool braces = c == '{';
      in.Advance(braces ? 1 : 2);
      while (!in.AtEnd() && !(braces ? in.Peek() == '}' : in.Peek() == '*' && in.Peek(1) == ')')) in.Advance();
      if (in.AtEnd()) throw CodeFault(CodeErrorKind::UnclosedComment, line, column);
      in.Advance(braces ? 1 : 2);
    } else {
      return skipped;
    }
    skipped = true;
  }
}

void TakeWhile(CharCursor& in, Token& token, bool (*accepts)(char32_t)) {
  while (!in.AtEnd() && accepts(in.Peek())) in.TakeInto(token);
}

void LexNumber(CharCursor& in, Token& token) {
  if (in.Peek() == '$') {
    in.TakeInto(token);
    TakeWhile(in, token, IsHexDigit);
    return;
  }
  TakeWhile(in, token, IsDigit);
  if (in.Peek() == '.' && IsDigit(in.Peek(1))) {
    in.TakeInto(token);
    TakeWhile(in, token, IsDigit);
  }
  const char32_t e = in.Peek();
  const char32_t sign = in.Peek(1);
  if ((e == 'e' || e == 'E') && (IsDigit(sign) || ((sign == '+' || sign == '-') && IsDigit(in.Peek(2))))) {
    in.TakeInto(token);
    if (!IsDigit(in.Peek())) in.TakeInto(token);
    TakeWhile(in, token, IsDigit);
  }
}

// 'text' with '' for a quote, and #13 character codes, pieces run together.
void LexString(CharCursor& in, Token& token) {
  for (;;) {
    if (in.Peek() == '#') {
      in.TakeInto(token);
      if (in.Peek() == '$') in.TakeInto(token);
      if (!IsHexDigit(in.Peek())) ThrowExpected(in.Start(TokenKind::Symbol, false), CodeExpected::CharacterCode);
      TakeWhile(in, token, IsHexDigit);
    } else if (in.Peek() == '\'') {
      const int line = in.Line();
      const int column = in.Column();
      in.TakeInto(token);
      for (;;) {
        if (in.AtEnd() || in.Peek() == '\n') throw CodeFault(CodeErrorKind::UnclosedString, line, column);
        const bool quote = in.Peek() == '\'';
        in.TakeInto(token);
        if (quote && in.Peek() != '\'') break;
        if (quote) in.TakeInto(token);
      }
    } else {
      return;
    }
  }
}

constexpr std::array kTwoCharSymbols = {":=", "<=", ">=", "<>", "..", "+=", "-=", "*=", "/="};
constexpr std::u32string_view kOneCharSymbols = U"+-*/=<>()[],;:.^@";

void LexSymbol(CharCursor& in, Token& token) {
  for (const char* pair : kTwoCharSymbols)
    if (in.Peek() == static_cast<char32_t>(pair[0]) && in.Peek(1) == static_cast<char32_t>(pair[1])) {
      in.TakeInto(token);
      in.TakeInto(token);
      return;
    }
  if (kOneCharSymbols.find(in.Peek()) == std::u32string_view::npos) in.Fail(CodeErrorKind::UnexpectedCharacter);
  in.TakeInto(token);
}

}  // namespace

std::vector<Token> LexPascal(const std::vector<SourceChar>& chars) {
  CharCursor in(chars);
  std::vector<Token> tokens;
  for (;;) {
    const bool space = SkipBlanks(in);
    const char32_t c = in.Peek();
    if (in.AtEnd()) {
      tokens.push_back(in.Start(TokenKind::End, space));
      return tokens;
    }
    if (IsWordStart(c)) {
      tokens.push_back(in.Start(TokenKind::Word, space));
      TakeWhile(in, tokens.back(), IsWordChar);
    } else if (IsDigit(c) || (c == '$' && IsHexDigit(in.Peek(1)))) {
      tokens.push_back(in.Start(TokenKind::Number, space));
      LexNumber(in, tokens.back());
    } else if (c == '\'' || c == '#') {
      tokens.push_back(in.Start(TokenKind::String, space));
      LexString(in, tokens.back());
    } else {
      tokens.push_back(in.Start(TokenKind::Symbol, space));
      LexSymbol(in, tokens.back());
    }
  }
}

}  // namespace quobrix
