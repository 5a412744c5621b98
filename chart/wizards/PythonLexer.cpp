#include "chart/wizards/PythonLexer.h"

#include <array>

namespace quobrix {

namespace {

constexpr std::array kThreeCharSymbols = {"**=", "//=", ">>=", "<<=", "..."};
constexpr std::array kTwoCharSymbols = {"->", ":=", "**", "//", "==", "!=", "<=", ">=", "<<", ">>",
                                        "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "@="};
constexpr std::u32string_view kOneCharSymbols = U"+-*/%@&|^~<>()[]{},:.;=";
constexpr std::u32string_view kStringPrefixLetters = U"rRbBfFuU";
constexpr int kTabStop = 8;

class PythonLexer {
 public:
  explicit PythonLexer(const std::vector<SourceChar>& chars) : in_(chars) {}

  std::vector<Token> Run() {
    for (;;) {
      if (atLineStart_ && brackets_ == 0 && !Indentation()) break;
      const bool space = SkipBlanks() || pendingSpace_;
      pendingSpace_ = false;
      if (in_.AtEnd()) break;
      const char32_t c = in_.Peek();
      if (c == '\n') {
        EndLine();
      } else if (StringPrefixLength() >= 0) {
        tokens_.push_back(in_.Start(TokenKind::String, space));
        LexString();
      } else if (IsWordStart(c)) {
        tokens_.push_back(in_.Start(TokenKind::Word, space));
        while (!in_.AtEnd() && IsWordChar(in_.Peek())) in_.TakeInto(tokens_.back());
      } else if (IsDigit(c) || (c == '.' && IsDigit(in_.Peek(1)))) {
        tokens_.push_back(in_.Start(TokenKind::Number, space));
        LexNumber();
      } else {
        tokens_.push_back(in_.Start(TokenKind::Symbol, space));
        LexSymbol();
      }
    }
    Finish();
    return std::move(tokens_);
  }

 private:
  CharCursor in_;
  std::vector<Token> tokens_;
  std::vector<int> indents_{0};
  int brackets_ = 0;
  bool atLineStart_ = true;
  bool pendingSpace_ = false;  // a line break inside brackets

  // Measures a line's indentation and says Indent or Dedent; skips blank
  // and comment lines. False at the end of the text.
  bool Indentation() {
    for (;;) {
      int width = 0;
      while (in_.Peek() == ' ' || in_.Peek() == '\t' || in_.Peek() == '\f') {
        width = in_.Peek() == '\t' ? (width / kTabStop + 1) * kTabStop : width + 1;
        in_.Advance();
      }
      if (in_.Peek() == '#')
        while (!in_.AtEnd() && in_.Peek() != '\n') in_.Advance();
      if (in_.AtEnd()) return false;
      if (in_.Peek() == '\n') {
        in_.Advance();
        continue;
      }
      atLineStart_ = false;
      if (width > indents_.back()) {
        indents_.push_back(width);
        tokens_.push_back(in_.Start(TokenKind::Indent, true));
      }
      while (width < indents_.back()) {
        indents_.pop_back();
        tokens_.push_back(in_.Start(TokenKind::Dedent, true));
      }
      if (width != indents_.back()) in_.Fail(CodeErrorKind::BadIndentation);
      return true;
    }
  }

  bool SkipBlanks() {
    bool skipped = false;
    for (;;) {
      const char32_t c = in_.Peek();
      if (c == ' ' || c == '\t' || c == '\f' || c == 0xA0) {
        in_.Advance();
      } else if (c == '#') {
        while (!in_.AtEnd() && in_.Peek() != '\n') in_.Advance();
      } else if (c == '\\' && in_.Peek(1) == '\n') {
        in_.Advance(2);
      } else {
        return skipped;
      }
      skipped = true;
    }
  }

  void EndLine() {
    const Token end = in_.Start(TokenKind::Newline, false);
    in_.Advance();
    if (brackets_ > 0) {
      pendingSpace_ = true;
      return;
    }
    if (!tokens_.empty() && tokens_.back().kind != TokenKind::Newline) tokens_.push_back(end);
    atLineStart_ = true;
  }

  void Finish() {
    if (!tokens_.empty() && tokens_.back().kind != TokenKind::Newline && tokens_.back().kind != TokenKind::Dedent)
      tokens_.push_back(in_.Start(TokenKind::Newline, false));
    for (std::size_t i = 1; i < indents_.size(); ++i) tokens_.push_back(in_.Start(TokenKind::Dedent, true));
    tokens_.push_back(in_.Start(TokenKind::End, true));
  }

  // The number of prefix letters (r, b, f, u) before a quote that opens a
  // string here, or -1 where no string starts.
  int StringPrefixLength() const {
    for (int letters = 0; letters <= 2; ++letters) {
      const char32_t c = in_.Peek(static_cast<std::size_t>(letters));
      if (c == '\'' || c == '"') return letters;
      if (kStringPrefixLetters.find(c) == std::u32string_view::npos) return -1;
    }
    return -1;
  }

  void LexString() {
    Token& token = tokens_.back();
    for (int letters = StringPrefixLength(); letters > 0; --letters) in_.TakeInto(token);
    const char32_t quote = in_.Peek();
    const bool triple = in_.Peek(1) == quote && in_.Peek(2) == quote;
    const std::size_t quotes = triple ? 3 : 1;
    for (std::size_t i = 0; i < quotes; ++i) in_.TakeInto(token);
    for (;;) {
      if (in_.AtEnd() || (!triple && in_.Peek() == '\n'))
        throw CodeFault(CodeErrorKind::UnclosedString, token.line, token.column);
      if (in_.Peek() == quote && (!triple || (in_.Peek(1) == quote && in_.Peek(2) == quote))) break;
      if (in_.Peek() == '\\') in_.TakeInto(token);
      if (in_.Peek() == '\n') {  // a block text keeps a statement on one line
        in_.Advance();
        token.text.push_back(' ');
      } else if (!in_.AtEnd()) {
        in_.TakeInto(token);
      }
    }
    for (std::size_t i = 0; i < quotes; ++i) in_.TakeInto(token);
  }

  void LexNumber() {
    Token& token = tokens_.back();
    while (!in_.AtEnd()) {
      const char32_t c = in_.Peek();
      const char last = token.text.empty() ? 0 : token.text.back();
      const bool exponentSign = (c == '+' || c == '-') && (last == 'e' || last == 'E') &&
                                !(token.text.size() > 1 && (token.text[1] == 'x' || token.text[1] == 'X'));
      if (!IsWordChar(c) && c != '.' && !exponentSign) return;
      in_.TakeInto(token);
    }
  }

  void LexSymbol() {
    Token& token = tokens_.back();
    const auto matches = [this](const char* symbol) {
      for (std::size_t i = 0; symbol[i] != 0; ++i)
        if (in_.Peek(i) != static_cast<char32_t>(symbol[i])) return false;
      return true;
    };
    for (const char* symbol : kThreeCharSymbols)
      if (matches(symbol)) return Take(token, 3);
    for (const char* symbol : kTwoCharSymbols)
      if (matches(symbol)) return Take(token, 2);
    const char32_t c = in_.Peek();
    if (kOneCharSymbols.find(c) == std::u32string_view::npos) in_.Fail(CodeErrorKind::UnexpectedCharacter);
    if (c == '(' || c == '[' || c == '{') ++brackets_;
    if ((c == ')' || c == ']' || c == '}') && brackets_ > 0) --brackets_;
    Take(token, 1);
  }

  void Take(Token& token, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) in_.TakeInto(token);
  }
};

}  // namespace

std::vector<Token> LexPython(const std::vector<SourceChar>& chars) { return PythonLexer(chars).Run(); }

}  // namespace quobrix
