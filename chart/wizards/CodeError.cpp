#include "chart/wizards/CodeError.h"

#include <cstdio>

#include "chart/Utf8.h"

namespace quobrix {

namespace {

// What stood where something else was expected, as the message names it.
std::string Found(const std::string& text) {
  if (text.empty()) return "the end of the text";
  if (text == "\n") return "the end of the line";
  return "\"" + text + "\"";
}

std::string CodePointName(const std::string& utf8) {
  std::size_t at = 0;
  const auto codePoint = NextUtf8(utf8, at);
  if (!codePoint) return "";
  char name[16];
  std::snprintf(name, sizeof name, " (U+%04X)", static_cast<unsigned>(*codePoint));
  return name;
}

std::string What(const CodeError& e) {
  switch (e.kind) {
    case CodeErrorKind::NotUtf8:
      return "the text is not UTF-8";
    case CodeErrorKind::OutsideCodePage:
      return "the character " + Found(e.found) + CodePointName(e.found) +
             " cannot be written into a chart, whose texts use the Cyrillic code page 1251";
    case CodeErrorKind::UnexpectedCharacter:
      return "unexpected character " + Found(e.found) + CodePointName(e.found);
    case CodeErrorKind::UnclosedString:
      return "the string is not closed";
    case CodeErrorKind::UnclosedComment:
      return "the comment is not closed";
    case CodeErrorKind::Expected:
      return "expected " + e.expected + ", found " + Found(e.found);
    case CodeErrorKind::Unsupported:
      return Found(e.found) + " cannot be drawn as a flowchart";
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
