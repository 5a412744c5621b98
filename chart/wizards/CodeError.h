// Why a program text could not be drawn, and where: the reader stops at the
// first fault, so a chart is built from a whole program or not at all.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quobrix {

enum class CodeErrorKind : std::uint8_t {
  NotUtf8,              // the bytes are not UTF-8
  OutsideCodePage,      // `found`: a character block texts cannot hold
  UnexpectedCharacter,  // `found`: a character no token starts with
  UnclosedString,
  UnclosedComment,
  Expected,             // `expected` should have come where `found` stands
  Unsupported,          // `found`: a statement the reader does not draw
  BadIndentation,       // a line's indentation matches no enclosing block
  TooDeep,              // statements nested deeper than any chart could show
  TooLong,              // a text longer than kLongestProgram
  TooManyBranches,      // a chain of case labels or elifs longer than kMaxChainedDecisions
};

// Statements nest at most this deep; a chart of more would be far wider than any sheet.
constexpr int kMaxNesting = 100;

// Case labels and elifs are breadth, not nesting, but each decision of the
// chain they make hangs below the one before, and the chart is laid out by
// recursion: a chain of this many takes a tenth of a second and, below the
// deepest nesting, 3 to 4 MiB of stack in a sanitizer build.
constexpr int kMaxChainedDecisions = 500;

// Program texts are read up to this many bytes, more than any program drawn
// as a flowchart needs; a longer text is refused before it is read.
constexpr std::size_t kLongestProgram = std::size_t{16} << 20;

// What an Expected fault names as missing; the last three name it by the
// token it stands next to.
enum class CodeExpected : std::uint8_t {
  Tokens,  // one of `tokens`
  Operand,
  Operator,
  Expression,
  Condition,
  Statement,
  IndentedBlock,
  LineEnd,
  ProgramName,
  RoutineName,
  FunctionName,
  ParameterName,
  FieldName,
  AttributeName,
  ResultType,
  LoopVariable,
  LoopRange,
  CaseLabel,
  CharacterCode,
  ExpressionBefore,
  ExpressionAfter,
  VariableBefore,
};

// A fault is kept as its kind and its parts, so that a window can tell it in
// the interface's language; Message() and Describe() tell it in English.
struct CodeError {
  CodeErrorKind kind = CodeErrorKind::Expected;
  int line = 1;    // 1-based
  int column = 1;  // 1-based, in characters
  std::string found;     // UTF-8; empty at the end of the text, "\n" at the end of a line
  CodeExpected expected = CodeExpected::Tokens;
  std::vector<std::string> tokens;  // UTF-8, without quotes

  // "expected "then", found "do"".
  std::string Message() const;
  // "line 3, column 12: expected "then", found "do"".
  std::string Describe() const;
};

// A fault of any kind but Expected, at line and column.
inline CodeError CodeFault(CodeErrorKind kind, int line, int column, std::string found = "") {
  CodeError error;
  error.kind = kind;
  error.line = line;
  error.column = column;
  error.found = std::move(found);
  return error;
}

// The English words for a fault's parts: what was found, what was expected,
// and the code point of a character, " (U+00A0)", empty for no character.
std::string FoundInEnglish(const std::string& found);
std::string ExpectedInEnglish(const CodeError& error);
std::string CodePointName(const std::string& utf8);

}  // namespace quobrix
