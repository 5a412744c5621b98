// How big a flowchart symbol must be for its text, without a canvas: the
// text is measured with the widths of the default font's letters, wrapped
// where a line would pass the widest symbol allowed, and moved down by
// empty lines so that it stands in the middle of the symbol, as block text
// is drawn from the top.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chart/BlockType.h"

namespace quobrix {

// Lengths in chart units at 100 % zoom.
struct TextMetrics {
  std::int64_t em = 353;          // the font's size
  std::int64_t lineHeight = 423;  // one line of text
  std::int64_t margin = 106;      // the room block text keeps from each edge
};

TextMetrics MetricsOf(const TBlockFont& font);

// The width of one line of code page 1251 text.
std::int64_t TextWidth(std::string_view line, const TextMetrics& metrics);

struct SymbolSize {
  std::int64_t width = 5000;
  std::int64_t height = 1500;
};

struct FittedSymbol {
  std::int64_t width = 0;   // an even number of millimetres, so the middle lies on a millimetre
  std::int64_t height = 0;
  std::string text;         // lines joined by CR LF, led by the empty lines that centre them
};

// The symbol of `type` at least `smallest`, at most twice as wide, that
// holds `lines` (code page 1251).
FittedSymbol FitSymbol(std::uint8_t type, const std::vector<std::string>& lines, SymbolSize smallest,
                       const TextMetrics& metrics);

}  // namespace quobrix
