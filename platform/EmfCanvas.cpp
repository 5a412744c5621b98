#include "platform/EmfCanvas.h"

#include <algorithm>
#include <cstdlib>

#include "chart/CoordinateMath.h"
#include "platform/Cp1251Codec.h"
#include "platform/SystemColors.h"
#include "platform/WordWrap.h"

namespace quobrix {

namespace {

constexpr std::int32_t kNormalWeight = 400;
constexpr std::int32_t kBoldWeight = 700;
constexpr int kPointsPerInch = 72;
constexpr double kMillimetresPerInch = 25.4;

// 0x00BBGGRR, the byte order a metafile keeps colours in.
std::uint32_t ColorRef(TColor color) {
  const QColor c = ResolveColor(color);
  return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
         static_cast<std::uint32_t>(c.blue()) << 16;
}

std::u16string ToUtf16(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

std::u16string ToUtf16(const std::string& cp1251) { return ToUtf16(Cp1251ToUnicode(cp1251)); }

// The font's character height in pixels of a device with `resolution`
// pixels per 100 mm, negative as a logical font keeps it; 0, the default
// size, stays 0.
int FontPixelHeight(const TBlockFont& font, std::int64_t resolution) {
  constexpr double kMaxPixels = 1e6;
  const double pixelsPerInch = static_cast<double>(resolution) * kMillimetresPerInch / 100.0;
  const double pixels = std::abs(font.Size()) * pixelsPerInch / kPointsPerInch + 0.5;
  return font.Height == 0 ? 0 : -static_cast<int>(std::clamp(pixels, 1.0, kMaxPixels));
}

QFont ToQFont(const TBlockFont& font, std::int64_t resolution) {
  QFont q(Cp1251ToUnicode(font.Name));
  if (const int height = FontPixelHeight(font, resolution)) q.setPixelSize(-height);
  q.setBold(font.Bold);
  q.setItalic(font.Italic);
  q.setUnderline(font.Underline);
  q.setStrikeOut(font.StrikeOut);
  q.setKerning(false);  // advances are recorded per character
  return q;
}

// A pen wider than one pixel is a geometric pen, as the desktop makes it;
// readers draw a cosmetic pen one pixel wide whatever width it records.
std::uint32_t PenStyle(TPenStyle style, int width) {
  const std::uint32_t base = style <= psInsideFrame ? static_cast<std::uint32_t>(style) : EmfWriter::PS_SOLID;
  return width > 1 ? base | EmfWriter::PS_GEOMETRIC : base;
}

}  // namespace

EmfCanvas::EmfCanvas(std::int64_t frameWidth, std::int64_t frameHeight, std::int64_t resolution)
    : resolution_(resolution), writer_(frameWidth, frameHeight, resolution, u"Quobrix") {
  writer_.SetBackgroundMode(false);
  writer_.SetAlternateFill();
}

void EmfCanvas::RealizeBackground(bool opaque) {
  if (opaque) {
    const std::uint32_t color = ColorRef(Brush.Color);
    if (backgroundColor_ != color) {
      writer_.SetBackgroundColor(color);
      backgroundColor_ = color;
    }
  }
  if (opaque == opaqueBackground_) return;
  writer_.SetBackgroundMode(opaque);
  opaqueBackground_ = opaque;
}

// The gaps of a dashed or dotted pen show the brush colour under a solid
// brush, as on the screen, and stay clear under any other brush, whose
// hatches leave their gaps clear too.
void EmfCanvas::RealizeShapeBackground() {
  const bool styledPen = Pen.Style >= psDash && Pen.Style <= psDashDotDot;
  RealizeBackground(styledPen && Brush.Style == bsSolid);
}

void EmfCanvas::RealizePen() {
  if (Pen.Mode != penMode_) {
    writer_.SetRop2(Pen.Mode == TPenMode::Xor ? EmfWriter::R2_NOT : EmfWriter::R2_COPYPEN);
    penMode_ = Pen.Mode;
  }
  const TPen wanted{Pen.Color, Pen.Width, Pen.Style, TPenMode::Copy};
  if (pen_ == wanted) return;
  const std::uint32_t handle = writer_.CreatePen(PenStyle(Pen.Style, Pen.Width), Pen.Width, ColorRef(Pen.Color));
  writer_.SelectObject(handle);
  if (pen_) writer_.DeleteObject(penHandle_);
  pen_ = wanted;
  penHandle_ = handle;
}

void EmfCanvas::RealizeBrush() {
  if (brush_ == Brush) return;
  std::uint32_t style = EmfWriter::BS_HATCHED;
  std::uint32_t hatch = 0;
  if (Brush.Style == bsSolid)
    style = EmfWriter::BS_SOLID;
  else if (Brush.Style == bsClear || Brush.Style > bsDiagCross)
    style = EmfWriter::BS_NULL;
  else
    hatch = static_cast<std::uint32_t>(Brush.Style - bsHorizontal);
  const std::uint32_t handle = writer_.CreateBrush(style, ColorRef(Brush.Color), hatch);
  writer_.SelectObject(handle);
  if (brush_) writer_.DeleteObject(brushHandle_);
  brush_ = Brush;
  brushHandle_ = handle;
}

void EmfCanvas::RealizeFont() {
  if (textColor_ != Font.Color) {
    writer_.SetTextColor(ColorRef(Font.Color));
    textColor_ = Font.Color;
  }
  if (font_ && font_->font == Font) return;
  const std::uint32_t handle =
      writer_.CreateFont({FontPixelHeight(Font, resolution_), Font.Bold ? kBoldWeight : kNormalWeight, Font.Italic,
                          Font.Underline, Font.StrikeOut, Font.Charset, ToUtf16(Font.Name)});
  writer_.SelectObject(handle);
  if (font_) writer_.DeleteObject(font_->handle);
  font_.emplace(RealizedFont{Font, handle, QFontMetrics(ToQFont(Font, resolution_))});
}

const QFontMetrics& EmfCanvas::Metrics() {
  RealizeFont();
  return font_->metrics;
}

std::vector<std::int32_t> EmfCanvas::Advances(const std::u16string& text) {
  const QFontMetrics& metrics = Metrics();
  std::vector<std::int32_t> advances;
  advances.reserve(text.size());
  for (char16_t c : text) advances.push_back(metrics.horizontalAdvance(QChar(c)));
  return advances;
}

void EmfCanvas::MoveTo(int x, int y) { writer_.MoveTo(x, y); }

void EmfCanvas::LineTo(int x, int y) {
  RealizePen();
  RealizeShapeBackground();
  writer_.LineTo(x, y);
}

void EmfCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  RealizePen();
  RealizeBrush();
  RealizeShapeBackground();
  writer_.Rectangle({x1, y1, x2, y2});
}

void EmfCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerW, int cornerH) {
  RealizePen();
  RealizeBrush();
  RealizeShapeBackground();
  writer_.RoundRect({x1, y1, x2, y2}, cornerW, cornerH);
}

void EmfCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  RealizePen();
  RealizeBrush();
  RealizeShapeBackground();
  writer_.Ellipse({x1, y1, x2, y2});
}

void EmfCanvas::Polygon(const std::vector<TPoint>& points) {
  RealizePen();
  RealizeBrush();
  RealizeShapeBackground();
  std::vector<EmfPoint> emfPoints;
  emfPoints.reserve(points.size());
  for (const TPoint& p : points) emfPoints.push_back({p.x, p.y});
  writer_.Polygon(emfPoints);
}

void EmfCanvas::InvertPixel(int x, int y) {
  const TPen kept = Pen;
  Pen = {clBlack, 1, psSolid, TPenMode::Xor};
  RealizePen();
  writer_.MoveTo(x, y);
  writer_.LineTo(OffsetPixels(x, 1), y);
  Pen = kept;
}

void EmfCanvas::Text(int x, int y, std::uint32_t options, const TRect& clip, const std::string& text) {
  RealizeBackground(false);  // text never gets a box behind it
  const std::u16string unicode = ToUtf16(text);
  writer_.TextOut({x, y}, options, {clip.left, clip.top, clip.right, clip.bottom}, unicode, Advances(unicode));
}

void EmfCanvas::TextOut(int x, int y, const std::string& text) { Text(x, y, 0, {}, text); }

void EmfCanvas::DrawTextWrapped(const TRect& clip, const std::string& text, TAlignment alignment) {
  const int lineHeight = TextHeight(text);
  // In 64 bits: the box of a block far off the sheet may span more than int.
  const std::int64_t boxWidth = std::int64_t{clip.right} - clip.left;
  const auto lines = WrapWords(text, static_cast<int>(std::clamp<std::int64_t>(boxWidth, INT32_MIN, INT32_MAX)),
                               [this](const std::string& s) { return TextWidth(s); });
  std::int64_t y = clip.top;
  for (const std::string& line : lines) {
    if (y >= clip.bottom) break;
    const int width = TextWidth(line);
    std::int64_t x = clip.left;
    if (alignment == taRightJustify)
      x = std::int64_t{clip.right} - width;
    else if (alignment == taCenter)
      x = clip.left + (boxWidth - width) / 2;
    Text(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y), EmfWriter::ETO_CLIPPED, clip, line);
    y += lineHeight;
  }
}

int EmfCanvas::TextWidth(const std::string& text) {
  int width = 0;
  for (std::int32_t advance : Advances(ToUtf16(text))) width += advance;
  return width;
}

int EmfCanvas::TextHeight(const std::string&) { return Metrics().height(); }

std::string EmfCanvas::Finish() { return writer_.Finish(); }

}  // namespace quobrix
