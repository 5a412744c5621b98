#include "platform/SvgCanvas.h"

#include <QFontInfo>
#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "platform/Cp1251Codec.h"
#include "platform/QtDrawingStyle.h"
#include "platform/SystemColors.h"
#include "platform/WordWrap.h"

namespace quobrix {

namespace {

constexpr std::size_t kFlushSize = 64 * 1024;
constexpr std::int64_t kMaxDotsPerInch = 100000;
constexpr int kHatchTile = 8;

// The tile of each hatch style, drawn in the brush colour.
const char* HatchPath(std::uint8_t style) {
  switch (style) {
    case bsHorizontal:
      return "M0 0.5H8";
    case bsVertical:
      return "M0.5 0V8";
    case bsFDiagonal:
      return "M0 0L8 8";
    case bsBDiagonal:
      return "M0 8L8 0";
    case bsCross:
      return "M0 0.5H8M0.5 0V8";
    default:
      return "M0 0L8 8M0 8L8 0";
  }
}

std::string Number(double v) {
  char buf[32];
  const auto result = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, result.ptr);
}

std::string Number(std::int64_t v) { return std::to_string(v); }
std::string Number(int v) { return std::to_string(v); }

// The centre of a pixel, where a one-pixel stroke covers exactly that pixel.
std::string Centre(int v) { return Number(v + 0.5); }

std::string Hex(TColor color) { return ResolveColor(color).name().toStdString(); }

// Text for character data and attribute values. Control characters other
// than the tab have no place in XML and are left out.
std::string Escaped(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (const char c : utf8) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
    }
  }
  return out;
}

std::string Utf8(const std::string& cp1251) { return Cp1251ToUnicode(cp1251).toStdString(); }

bool KeepsSpaces(const std::string& text) {
  return !text.empty() && (text.front() == ' ' || text.back() == ' ' || text.find("  ") != std::string::npos);
}

// Pixels per 100 mm as dots per inch, for the fonts' sizes in points.
int DotsPerInch(std::int64_t resolution) {
  const std::int64_t held = std::clamp<std::int64_t>(resolution, 1, kMaxDotsPerInch * 1000 / 254);
  return static_cast<int>(std::max<std::int64_t>((held * 254 + 500) / 1000, 1));
}

struct PixelRect {
  int left, top, width, height;
};

// The pixels x1..x2 - 1 and y1..y2 - 1, whichever way round the corners are given.
PixelRect Exclusive(int x1, int y1, int x2, int y2) {
  const int left = std::min(x1, x2), top = std::min(y1, y2);
  return {left, top, static_cast<int>(std::int64_t{std::max(x1, x2)} - left),
          static_cast<int>(std::int64_t{std::max(y1, y2)} - top)};
}

}  // namespace

SvgCanvas::SvgCanvas(int width, int height, std::int64_t resolution, const std::string& title, Sink sink)
    : dotsPerInch_(DotsPerInch(resolution)), sink_(std::move(sink)) {
  const double millimetresPerPixel = 100.0 / static_cast<double>(std::max<std::int64_t>(resolution, 1));
  Emit("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n");
  Emit("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + Number(width * millimetresPerPixel) +
       "mm\" height=\"" + Number(height * millimetresPerPixel) + "mm\" viewBox=\"0 0 " + Number(width) + ' ' +
       Number(height) + "\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n");
  // Through the toolkit's decoder: a file name need not be valid UTF-8, an XML document must.
  Emit("<title>" + Escaped(QString::fromStdString(title).toStdString()) + "</title>\n<desc>Quobrix</desc>\n");
}

void SvgCanvas::Emit(std::string_view piece) {
  buffer_.append(piece);
  if (buffer_.size() < kFlushSize) return;
  if (!failed_ && !sink_(buffer_)) failed_ = true;
  buffer_.clear();
}

bool SvgCanvas::Finish() {
  Emit("</svg>\n");
  if (!failed_ && !buffer_.empty() && !sink_(buffer_)) failed_ = true;
  buffer_.clear();
  return !failed_;
}

std::string SvgCanvas::FillAttribute() {
  if (Brush.Style == bsSolid) return " fill=\"" + Hex(Brush.Color) + '"';
  if (Brush.Style == bsClear || Brush.Style > bsDiagCross) return " fill=\"none\"";
  const std::string color = Hex(Brush.Color);
  const std::string id = 'h' + std::to_string(Brush.Style) + color.substr(1);
  if (patterns_.insert(id).second) {
    const std::string tile = std::to_string(kHatchTile);
    Emit("<defs><pattern id=\"" + id + "\" width=\"" + tile + "\" height=\"" + tile +
         "\" patternUnits=\"userSpaceOnUse\"><path d=\"" + HatchPath(Brush.Style) + "\" stroke=\"" + color +
         "\" stroke-linecap=\"square\" fill=\"none\"/></pattern></defs>\n");
  }
  return " fill=\"url(#" + id + ")\"";
}

// A stroke of the pen's width in `color`, dashed as the pen when `dashed`;
// dashes end flat, solid strokes round.
std::string SvgCanvas::StrokeAttributes(TColor color, bool dashed) {
  const int width = std::max(Pen.Width, 1);
  std::string out = " stroke=\"" + Hex(color) + '"';
  if (width != 1) out += " stroke-width=\"" + Number(std::int64_t{width}) + '"';
  const std::span<const qreal> pattern = DashPattern(Pen.Style);
  if (!pattern.empty()) out += " stroke-linecap=\"butt\"";
  if (!dashed || pattern.empty()) return out;
  const double stretch = DashStretch(width);
  out += " stroke-dasharray=\"";
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (i > 0) out += ',';
    out += Number(pattern[i] * stretch);
  }
  return out + '"';
}

void SvgCanvas::Shape(const std::string& geometry) {
  if (Pen.Style == psClear) {
    Emit(geometry + FillAttribute() + " stroke=\"none\"/>\n");
    return;
  }
  const bool dashed = !DashPattern(Pen.Style).empty();
  // The gaps of a styled pen show the brush colour under a solid brush.
  if (dashed && Brush.Style == bsSolid) {
    Emit(geometry + FillAttribute() + StrokeAttributes(Brush.Color, false) + "/>\n");
    Emit(geometry + " fill=\"none\"" + StrokeAttributes(Pen.Color, true) + "/>\n");
    return;
  }
  Emit(geometry + FillAttribute() + StrokeAttributes(Pen.Color, dashed) + "/>\n");
}

void SvgCanvas::MoveTo(int x, int y) { position_ = {x, y}; }

void SvgCanvas::LineTo(int x, int y) {
  const TPoint from = position_;
  position_ = {x, y};
  if (Pen.Style == psClear) return;
  if (from == position_) {
    // A zero-length stroke leaves a round dot as wide as the pen.
    Emit("<circle cx=\"" + Centre(x) + "\" cy=\"" + Centre(y) + "\" r=\"" + Number(std::max(Pen.Width, 1) / 2.0) +
         "\" fill=\"" + Hex(Pen.Color) + "\"/>\n");
    return;
  }
  const std::string line = "<line x1=\"" + Centre(from.x) + "\" y1=\"" + Centre(from.y) + "\" x2=\"" + Centre(x) +
                           "\" y2=\"" + Centre(y) + '"';
  const bool dashed = !DashPattern(Pen.Style).empty();
  if (dashed && Brush.Style == bsSolid) Emit(line + StrokeAttributes(Brush.Color, false) + "/>\n");
  Emit(line + StrokeAttributes(Pen.Color, dashed) + "/>\n");
}

void SvgCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  const PixelRect r = Exclusive(x1, y1, x2, y2);
  if (r.width <= 0 || r.height <= 0) return;
  const std::string w = Number(std::int64_t{r.width} - 1), h = Number(std::int64_t{r.height} - 1);
  Shape("<path d=\"M" + Centre(r.left) + ' ' + Centre(r.top) + 'h' + w + 'v' + h + "h-" + w + "z\"");
}

void SvgCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerW, int cornerH) {
  const PixelRect r = Exclusive(x1, y1, x2, y2);
  if (r.width <= 0 || r.height <= 0) return;
  Shape("<rect x=\"" + Centre(r.left) + "\" y=\"" + Centre(r.top) + "\" width=\"" + Number(std::int64_t{r.width} - 1) +
        "\" height=\"" + Number(std::int64_t{r.height} - 1) + "\" rx=\"" + Number(std::abs(double(cornerW)) / 2) +
        "\" ry=\"" + Number(std::abs(double(cornerH)) / 2) + '"');
}

void SvgCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  const PixelRect r = Exclusive(x1, y1, x2, y2);
  if (r.width <= 0 || r.height <= 0) return;
  const double rx = (r.width - 1.0) / 2, ry = (r.height - 1.0) / 2;
  Shape("<ellipse cx=\"" + Number(r.left + 0.5 + rx) + "\" cy=\"" + Number(r.top + 0.5 + ry) + "\" rx=\"" + Number(rx) +
        "\" ry=\"" + Number(ry) + '"');
}

void SvgCanvas::Polygon(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  std::string geometry = "<polygon fill-rule=\"evenodd\" points=\"";
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i > 0) geometry += ' ';
    geometry += Centre(points[i].x) + ',' + Centre(points[i].y);
  }
  Shape(geometry + '"');
}

void SvgCanvas::InvertPixel(int, int) {}

const SvgCanvas::RealizedFont& SvgCanvas::CurrentFont() {
  if (font_ && font_->font == Canvas::Font) return *font_;
  const TBlockFont& f = Canvas::Font;
  const QFont q = QtFont(f, dotsPerInch_);
  std::string attributes = " font-family=\"" + Escaped(Utf8(f.Name)) + "\" font-size=\"" +
                           Number(std::int64_t{QFontInfo(q).pixelSize()}) + '"';
  if (f.Bold) attributes += " font-weight=\"bold\"";
  if (f.Italic) attributes += " font-style=\"italic\"";
  if (f.Underline || f.StrikeOut)
    attributes += std::string(" text-decoration=\"") + (f.Underline ? "underline" : "") +
                  (f.Underline && f.StrikeOut ? " " : "") + (f.StrikeOut ? "line-through" : "") + '"';
  attributes += " fill=\"" + Hex(f.Color) + '"';
  font_.emplace(RealizedFont{f, QFontMetrics(q), std::move(attributes)});
  return *font_;
}

void SvgCanvas::Text(int x, int y, const std::string& text) {
  const RealizedFont& font = CurrentFont();
  Emit("<text x=\"" + Number(std::int64_t{x}) + "\" y=\"" + Number(std::int64_t{y} + font.metrics.ascent()) + '"' +
       font.attributes + (KeepsSpaces(text) ? " xml:space=\"preserve\">" : ">") + Escaped(Utf8(text)) + "</text>\n");
}

void SvgCanvas::TextOut(int x, int y, const std::string& text) { Text(x, y, text); }

void SvgCanvas::DrawTextWrapped(const TRect& clip, const std::string& text, TAlignment alignment) {
  const PixelRect box = Exclusive(clip.left, clip.top, clip.right, clip.bottom);
  if (box.width <= 0 || box.height <= 0) return;
  const int lineHeight = TextHeight(text);
  const auto lines = WrapWords(text, box.width, [this](const std::string& s) { return TextWidth(s); });
  std::vector<int> widths;
  bool fits = std::int64_t{lineHeight} * static_cast<std::int64_t>(lines.size()) <= box.height;
  for (const std::string& line : lines) {
    widths.push_back(TextWidth(line));
    fits = fits && widths.back() <= box.width;
  }
  // Only text that would spill out needs a viewport to clip it; inside
  // one, positions are relative to the box.
  const int originX = fits ? 0 : box.left, originY = fits ? 0 : box.top;
  if (!fits)
    Emit("<svg x=\"" + Number(std::int64_t{box.left}) + "\" y=\"" + Number(std::int64_t{box.top}) + "\" width=\"" +
         Number(std::int64_t{box.width}) + "\" height=\"" + Number(std::int64_t{box.height}) +
         "\" overflow=\"hidden\">\n");
  std::int64_t y = box.top;
  for (std::size_t i = 0; i < lines.size() && y < std::int64_t{box.top} + box.height; ++i, y += lineHeight) {
    std::int64_t x = box.left;
    if (alignment == taRightJustify)
      x = std::int64_t{box.left} + box.width - widths[i];
    else if (alignment == taCenter)
      x = box.left + (std::int64_t{box.width} - widths[i]) / 2;
    Text(static_cast<int>(x - originX), static_cast<int>(y - originY), lines[i]);
  }
  if (!fits) Emit("</svg>\n");
}

int SvgCanvas::TextWidth(const std::string& text) {
  return CurrentFont().metrics.horizontalAdvance(Cp1251ToUnicode(text));
}

int SvgCanvas::TextHeight(const std::string&) { return CurrentFont().metrics.height(); }

}  // namespace quobrix
