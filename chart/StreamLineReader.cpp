#include "chart/StreamLineReader.h"

namespace quobrix {

bool StreamLineReader::NextPiece() {
  if (!ended_) piece_ = pieces_();
  ended_ = piece_.empty();
  return !ended_;
}

std::optional<std::string_view> StreamLineReader::Next() {
  carried_.clear();
  if (piece_.empty() && !NextPiece()) return std::nullopt;
  ++lineNumber_;
  for (;;) {
    const std::size_t lf = piece_.find('\n');
    if (lf == std::string_view::npos) {
      carried_.append(piece_);
      piece_ = {};
      if (NextPiece()) continue;
      return std::string_view(carried_);  // the last line, without a line break
    }
    std::string_view line = piece_.substr(0, lf);
    piece_.remove_prefix(lf + 1);
    if (!carried_.empty()) line = carried_.append(line);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }
}

}  // namespace quobrix
