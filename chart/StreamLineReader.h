// Lines of a text that arrives a piece at a time (a file read in pieces), so
// the text never has to be whole in memory.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quobrix {

// The next piece of a text each call; an empty one means the text has ended.
// A piece must stay valid until the next call.
using TextPieces = std::function<std::string_view()>;

// Splits the text at LF as LineReader does (a CR before the LF is dropped, a
// trailing line break adds no empty line), whatever the pieces' sizes: a line
// may start in one piece and end several pieces later.
class StreamLineReader {
 public:
  explicit StreamLineReader(TextPieces pieces) : pieces_(std::move(pieces)) {}
  // The next line, valid until the next call; nothing at the end of the text.
  std::optional<std::string_view> Next();
  // The number of the line Next returned last, from 1; 0 before the first.
  std::int64_t LineNumber() const { return lineNumber_; }

 private:
  bool NextPiece();

  TextPieces pieces_;
  std::string_view piece_;  // what is left of the current piece
  std::string carried_;     // a line that began in an earlier piece
  bool ended_ = false;
  std::int64_t lineNumber_ = 0;
};

}  // namespace quobrix
