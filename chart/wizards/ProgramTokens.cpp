#include "chart/wizards/ProgramTokens.h"

#include <algorithm>

#include "chart/Cp1251.h"
#include "chart/Utf8.h"

namespace quobrix {

namespace {

constexpr char32_t kByteOrderMark = 0xFEFF;

std::string Utf8Of(char32_t c) {
  std::string out;
  AppendUtf8(out, c);
  return out;
}

}  // namespace

std::vector<SourceChar> DecodeProgram(std::string_view utf8) {
  std::vector<SourceChar> chars;
  chars.reserve(utf8.size());
  int line = 1;
  int column = 1;
  std::size_t at = 0;
  while (at < utf8.size()) {
    const auto c = NextUtf8(utf8, at);
    if (!c) throw CodeFault(CodeErrorKind::NotUtf8, line, column);
    if (*c == kByteOrderMark && chars.empty() && line == 1 && column == 1) continue;
    if (*c == '\r' && at < utf8.size() && utf8[at] == '\n') continue;  // the LF ends the line
    chars.push_back({*c == '\r' ? U'\n' : *c, line, column});
    if (chars.back().c == '\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
  return chars;
}

bool IsWordStart(char32_t c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || (c >= 0x0400 && c <= 0x04FF);
}

bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }

bool IsWordChar(char32_t c) { return IsWordStart(c) || IsDigit(c); }

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDF)) c = static_cast<char>(byte + 0x20);
    if (byte == 0xA8) c = static_cast<char>(0xB8);  // Ё
  }
  return lower;
}

bool IsKeyword(const Token& token, std::string_view lowerCaseKeyword) {
  return token.kind == TokenKind::Word && token.text.size() == lowerCaseKeyword.size() &&
         LowerCase(token.text) == lowerCaseKeyword;
}

bool IsSymbol(const Token& token, std::string_view symbol) {
  return token.kind == TokenKind::Symbol && token.text == symbol;
}

std::string Spell(const std::vector<Token>& tokens, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to; ++i) {
    if (i > from && tokens[i].spaceBefore) text += ' ';
    text += tokens[i].text;
  }
  return text;
}

namespace {

std::string FoundText(const Token& found) { return found.kind == TokenKind::Newline ? "\n" : Cp1251ToUtf8(found.text); }

[[noreturn]] void Throw(const Token& found, CodeExpected what, std::vector<std::string> tokens) {
  CodeError error = CodeFault(CodeErrorKind::Expected, found.line, found.column, FoundText(found));
  error.expected = what;
  error.tokens = std::move(tokens);
  throw error;
}

}  // namespace

void ThrowExpected(const Token& found, std::vector<std::string> tokens) {
  Throw(found, CodeExpected::Tokens, std::move(tokens));
}

void ThrowExpected(const Token& found, CodeExpected what, std::string token) {
  Throw(found, what, token.empty() ? std::vector<std::string>{} : std::vector{std::move(token)});
}

void ThrowUnsupported(const Token& found) {
  throw CodeFault(CodeErrorKind::Unsupported, found.line, found.column, Cp1251ToUtf8(found.text));
}

// ----- CharCursor

CharCursor::CharCursor(const std::vector<SourceChar>& chars) : chars_(chars) {}

char32_t CharCursor::Peek(std::size_t ahead) const { return at_ + ahead < chars_.size() ? chars_[at_ + ahead].c : 0; }

void CharCursor::Advance(std::size_t count) { at_ = std::min(at_ + count, chars_.size()); }

int CharCursor::Line() const {
  if (!AtEnd()) return chars_[at_].line;
  if (chars_.empty()) return 1;
  return chars_.back().c == '\n' ? chars_.back().line + 1 : chars_.back().line;
}

int CharCursor::Column() const {
  if (!AtEnd()) return chars_[at_].column;
  if (chars_.empty() || chars_.back().c == '\n') return 1;
  return chars_.back().column + 1;
}

Token CharCursor::Start(TokenKind kind, bool spaceBefore) const {
  Token token;
  token.kind = kind;
  token.line = Line();
  token.column = Column();
  token.spaceBefore = spaceBefore;
  return token;
}

void CharCursor::TakeInto(Token& token) {
  const char32_t c = Peek();
  const auto byte = CodePointToCp1251(c);
  if (!byte) throw CodeFault(CodeErrorKind::OutsideCodePage, Line(), Column(), Utf8Of(c));
  token.text.push_back(*byte);
  Advance();
}

void CharCursor::Fail(CodeErrorKind kind) const {
  throw CodeFault(kind, Line(), Column(), AtEnd() ? std::string() : Utf8Of(Peek()));
}

// ----- TokenCursor

TokenCursor::TokenCursor(std::vector<Token> tokens) : tokens_(std::move(tokens)) {
  if (tokens_.empty() || tokens_.back().kind != TokenKind::End) tokens_.push_back(Token{});
}

const Token& TokenCursor::Peek(std::size_t ahead) const { return tokens_[std::min(at_ + ahead, tokens_.size() - 1)]; }

const Token& TokenCursor::Take() {
  const Token& token = Peek();
  if (at_ + 1 < tokens_.size()) ++at_;
  return token;
}

bool TokenCursor::TakeKeyword(std::string_view keyword) {
  if (!IsKeyword(Peek(), keyword)) return false;
  Take();
  return true;
}

bool TokenCursor::TakeSymbol(std::string_view symbol) {
  if (!IsSymbol(Peek(), symbol)) return false;
  Take();
  return true;
}

void TokenCursor::ExpectKeyword(std::string_view keyword) {
  if (!TakeKeyword(keyword)) ThrowExpected(Peek(), {std::string(keyword)});
}

void TokenCursor::ExpectSymbol(std::string_view symbol) {
  if (!TakeSymbol(symbol)) ThrowExpected(Peek(), {std::string(symbol)});
}

}  // namespace quobrix
