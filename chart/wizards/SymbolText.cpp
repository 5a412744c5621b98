#include "chart/wizards/SymbolText.h"

#include <algorithm>
#include <array>

#include "chart/BlockExtent.h"

namespace quobrix {

namespace {

constexpr std::int64_t kChartUnitsPerInch = 2540;
constexpr std::int64_t kPointsPerInch = 72;
constexpr std::int64_t kScreenResolution = 378;  // pixels per 10 000 chart units
constexpr std::int64_t kGrid = 200;              // sizes are whole even millimetres
constexpr std::int64_t kSlack = 200;             // beside the text, for fonts wider than measured
constexpr int kMaxWidthFactor = 2;

// Widths of the printable ASCII letters in thousandths of the font's size,
// as the default sans-serif face draws them.
constexpr std::array<std::int16_t, 95> kAsciiWidths = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,   // ' ' .. '/'
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,   // '0' .. '?'
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // '@' .. 'O'
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,   // 'P' .. '_'
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,   // '`' .. 'o'
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};       // 'p' .. '~'
constexpr std::int64_t kCyrillicCapital = 722;
constexpr std::int64_t kCyrillicSmall = 570;
constexpr std::int64_t kCyrillicWide = 940;  // Ж Ш Щ Ы Ю М Ф and their small letters, a little less
constexpr std::int64_t kOtherCharacter = 600;

std::int64_t CharWidth(unsigned char c) {
  if (c >= 0x20 && c < 0x7F) return kAsciiWidths[c - 0x20];
  if (c >= 0xC0) {
    const unsigned char capital = c >= 0xE0 ? static_cast<unsigned char>(c - 0x20) : c;
    const bool wide = capital == 0xC6 || capital == 0xD8 || capital == 0xD9 || capital == 0xDB ||
                      capital == 0xDE || capital == 0xCC || capital == 0xD4;
    if (wide) return c >= 0xE0 ? kCyrillicWide - 140 : kCyrillicWide;
    return c >= 0xE0 ? kCyrillicSmall : kCyrillicCapital;
  }
  return kOtherCharacter;
}

std::int64_t RoundUp(std::int64_t v, std::int64_t step) { return (v + step - 1) / step * step; }

// How much of a symbol's width its outline leaves to a text block `textHeight`
// high in the middle: the room between the slanted or rounded sides.
std::int64_t UsableWidth(std::uint8_t type, std::int64_t w, std::int64_t h, std::int64_t textHeight,
                         const TextMetrics& metrics) {
  const std::int64_t inner = w - 2 * metrics.margin - kSlack;
  switch (type) {
    case btSRectangle:
    case btLRectangle:
      return inner - w / 5;
    case btHexagon:
      return inner - w / 3 * textHeight / std::max<std::int64_t>(h, 1);
    case btBeginEnd:
      return inner - h / 2;
    case btLogicIf:
      return w * (h - textHeight) / std::max<std::int64_t>(h, 1) - 2 * metrics.margin - kSlack;
    default:
      return inner;
  }
}

// The smallest height whose outline holds `lines` lines.
std::int64_t HeightFor(std::uint8_t type, std::size_t lines, std::int64_t smallest, const TextMetrics& metrics) {
  const std::int64_t text = static_cast<std::int64_t>(lines) * metrics.lineHeight + 2 * metrics.margin;
  // A diamond or a hexagon narrows away from its middle: give it twice the text's height.
  const bool pointed = type == btLogicIf || type == btHexagon;
  return RoundUp(std::max(smallest, pointed ? 2 * text : text), kGrid);
}

std::int64_t WidestLine(const std::vector<std::string>& lines, const TextMetrics& metrics) {
  std::int64_t widest = 0;
  for (const std::string& line : lines) widest = std::max(widest, TextWidth(line, metrics));
  return widest;
}

// Breaks lines between words so that none is wider than `width` where it can.
std::vector<std::string> Wrapped(const std::vector<std::string>& lines, std::int64_t width,
                                 const TextMetrics& metrics) {
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    std::string current;
    std::size_t start = 0;
    while (start <= line.size()) {
      const std::size_t space = std::min(line.find(' ', start), line.size());
      const std::string word = line.substr(start, space - start);
      const std::string joined = current.empty() ? word : current + " " + word;
      if (!current.empty() && TextWidth(joined, metrics) > width) {
        out.push_back(current);
        current = word;
      } else {
        current = joined;
      }
      start = space + 1;
    }
    out.push_back(current);
  }
  return out;
}

std::string Centred(const std::vector<std::string>& lines, std::int64_t h, const TextMetrics& metrics) {
  const std::int64_t room = h - 2 * metrics.margin - static_cast<std::int64_t>(lines.size()) * metrics.lineHeight;
  const std::int64_t before = std::max<std::int64_t>(0, (room + metrics.lineHeight) / (2 * metrics.lineHeight));
  std::string text;
  for (std::int64_t i = 0; i < before; ++i) text += "\r\n";
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? "\r\n" : "") + lines[i];
  return text;
}

}  // namespace

TextMetrics MetricsOf(const TBlockFont& font) {
  TextMetrics metrics;
  metrics.em = std::max<std::int64_t>(1, std::int64_t{font.Size()} * kChartUnitsPerInch / kPointsPerInch);
  metrics.lineHeight = metrics.em * 6 / 5;
  metrics.margin = (kTextMargin * 10000 + kScreenResolution - 1) / kScreenResolution;
  return metrics;
}

std::int64_t TextWidth(std::string_view line, const TextMetrics& metrics) {
  std::int64_t thousandths = 0;
  for (char c : line) thousandths += CharWidth(static_cast<unsigned char>(c));
  return (thousandths * metrics.em + 999) / 1000;
}

FittedSymbol FitSymbol(std::uint8_t type, const std::vector<std::string>& lines, SymbolSize smallest,
                       const TextMetrics& metrics) {
  const std::int64_t widest = RoundUp(kMaxWidthFactor * smallest.width, kGrid);
  std::vector<std::string> text = lines;
  std::int64_t h = HeightFor(type, text.size(), smallest.height, metrics);
  // One line more than the text, for the half line centring may move it.
  const auto usable = [&](std::int64_t w) {
    return UsableWidth(type, w, h, static_cast<std::int64_t>(text.size() + 1) * metrics.lineHeight, metrics);
  };
  if (WidestLine(text, metrics) > usable(widest)) {
    text = Wrapped(lines, usable(widest), metrics);
    h = HeightFor(type, text.size(), smallest.height, metrics);
  }
  std::int64_t w = RoundUp(smallest.width, kGrid);
  while (w < widest && usable(w) < WidestLine(text, metrics)) w += kGrid;
  return {w, h, Centred(text, h, metrics)};
}

}  // namespace quobrix
