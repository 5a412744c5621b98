#include "chart/wizards/CodeError.h"

#include <cstdio>

#include "chart/Utf8.h"

namespace quobrix {

namespace {

constexpr const char* kPhrases[] = {
    "",
    "an operand",
    "an operator",
    "an expression",
    "a condition",
    "a statement",
    "an indented block",
    "the end of the line",
    "the program's name",
    "the routine's name",
    "the function's name",
    "a parameter name",
    "a field name",
    "an attribute name",
    "the result type",
    "the loop variable",
    "what the loop runs over",
    "a case label",
    "a character code",
    "an expression before ",
    "an expression after ",
    "a variable before ",
};

std::string Quoted(const std::string& token) { return "\"" + token + "\""; }

}  // namespace

std::string FoundInEnglish(const std::string& text) {
  if (text.empty()) return "the end of the text";
  if (text == "\n") return "the end of the line";
  return Quoted(text);
}

std::string CodePointName(const std::string& utf8) {
  std::size_t at = 0;
  const auto codePoint = NextUtf8(utf8, at);
  if (!codePoint) return "";
  char name[16];
  std::snprintf(name, sizeof name, " (U+%04X)", static_cast<unsigned>(*codePoint));
  return name;
}

std::string ExpectedInEnglish(const CodeError& e) {
  std::string tokens;
  for (const std::string& token : e.tokens) tokens += (tokens.empty() ? "" : " or ") + Quoted(token);
  return kPhrases[static_cast<std::size_t>(e.expected)] + tokens;
}

namespace {

std::string What(const CodeError& e) {
  switch (e.kind) {
    case CodeErrorKind::NotUtf8:
      return "the text is not UTF-8";
    case CodeErrorKind::OutsideCodePage:
      return "the character " + FoundInEnglish(e.found) + CodePointName(e.found) +
             " cannot be written into a chart, whose texts use the Cyrillic code page 1251";
    case CodeErrorKind::UnexpectedCharacter:
      return "unexpected character " + FoundInEnglish(e.found) + CodePointName(e.found);
    case CodeErrorKind::UnclosedString:
      return "the string is not closed";
    case CodeErrorKind::UnclosedComment:
      return "the comment is not closed";
    case CodeErrorKind::Expected:
      return "expected " + ExpectedInEnglish(e) + ", found " + FoundInEnglish(e.found);
    case CodeErrorKind::Unsupported:
      return FoundInEnglish(e.found) + " cannot be drawn as a flowchart";
    case CodeErrorKind::BadIndentation:
      return "the indentation matches no enclosing block";
    case CodeErrorKind::TooDeep:
      return "statements nested more than " + std::to_string(kMaxNesting) + " deep";
    case CodeErrorKind::TooManyBranches:
      return "more than " + std::to_string(kMaxChainedDecisions) + " case labels or elif branches in one chain";
    case CodeErrorKind::TooLong:
      return "the text is longer than " + std::to_string(kLongestProgram >> 20) + " MiB, more than any program needs";
  }
  return "";
}

}  // namespace

std::string CodeError::Message() const { return What(*this); }

std::string CodeError::Describe() const {
  return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + Message();
}

}  // namespace quobrix
