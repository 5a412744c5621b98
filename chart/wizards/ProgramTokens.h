// The pieces both program readers share: the program's characters with their
// lines and columns, the tokens made of them, and a cursor over each.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chart/wizards/CodeError.h"

namespace quobrix {

struct SourceChar {
  char32_t c = 0;
  int line = 1;
  int column = 1;
};

// The characters of a UTF-8 program; CR LF and a lone CR become '\n' and a
// leading byte-order mark is dropped. Throws CodeError where it is not UTF-8.
std::vector<SourceChar> DecodeProgram(std::string_view utf8);

bool IsWordStart(char32_t c);  // Latin and Cyrillic letters, '_'
bool IsWordChar(char32_t c);
bool IsDigit(char32_t c);

enum class TokenKind : std::uint8_t { Word, Number, String, Symbol, Newline, Indent, Dedent, End };

struct Token {
  TokenKind kind = TokenKind::End;
  std::string text;  // code page 1251, as typed
  int line = 1;
  int column = 1;
  bool spaceBefore = false;  // blanks, a line break or a comment stood before it
};

// Keywords are matched in any letter case.
bool IsKeyword(const Token& token, std::string_view lowerCaseKeyword);
bool IsSymbol(const Token& token, std::string_view symbol);
// Latin and Russian capitals of code page 1251 made small.
std::string LowerCase(std::string_view text);

// The tokens [from, to) as typed, one blank wherever the program had any.
std::string Spell(const std::vector<Token>& tokens, std::size_t from, std::size_t to);

// `found` stands where one of `tokens` should, or what `what` names (next to `token`).
[[noreturn]] void ThrowExpected(const Token& found, std::vector<std::string> tokens);
[[noreturn]] void ThrowExpected(const Token& found, CodeExpected what, std::string token = "");
[[noreturn]] void ThrowUnsupported(const Token& found);

// Walks the characters for a lexer.
class CharCursor {
 public:
  explicit CharCursor(const std::vector<SourceChar>& chars);

  bool AtEnd() const { return at_ >= chars_.size(); }
  char32_t Peek(std::size_t ahead = 0) const;  // 0 beyond the end
  void Advance(std::size_t count = 1);
  int Line() const;
  int Column() const;

  // A token of `kind` starting at the current character.
  Token Start(TokenKind kind, bool spaceBefore) const;
  // Appends the current character to the token in code page 1251 and moves
  // on; throws CodeError when the code page does not hold it.
  void TakeInto(Token& token);
  [[noreturn]] void Fail(CodeErrorKind kind) const;

 private:
  const std::vector<SourceChar>& chars_;
  std::size_t at_ = 0;
};

// Walks the tokens for a parser; the last token is always End.
class TokenCursor {
 public:
  explicit TokenCursor(std::vector<Token> tokens);

  const std::vector<Token>& Tokens() const { return tokens_; }
  std::size_t Position() const { return at_; }
  void Seek(std::size_t at) { at_ = at; }
  const Token& Peek(std::size_t ahead = 0) const;
  const Token& Take();
  bool TakeKeyword(std::string_view keyword);
  bool TakeSymbol(std::string_view symbol);
  void ExpectKeyword(std::string_view keyword);
  void ExpectSymbol(std::string_view symbol);

 private:
  std::vector<Token> tokens_;
  std::size_t at_ = 0;
};

}  // namespace quobrix
