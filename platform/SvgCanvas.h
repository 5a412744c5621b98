// A canvas that writes an SVG document as it draws, a few kilobytes at a
// time, so a picture of any size needs no more memory than one buffer.
// Shapes land on the pixels a desktop canvas fills (right and bottom edges
// exclusive); texts are measured with the toolkit's font metrics.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "render/Canvas.h"

namespace quobrix {

class SvgCanvas : public Canvas {
 public:
  // Receives the document piece by piece; false stops the writing.
  using Sink = std::function<bool(std::string_view)>;

  // A picture of `width` x `height` pixels at `resolution` pixels per
  // 100 mm; `title` is UTF-8.
  SvgCanvas(int width, int height, std::int64_t resolution, const std::string& title, Sink sink);

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void RoundRect(int x1, int y1, int x2, int y2, int cornerW, int cornerH) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Polygon(const std::vector<TPoint>& points) override;
  // A picture file has nothing beneath it to invert.
  void InvertPixel(int x, int y) override;
  void TextOut(int x, int y, const std::string& text) override;
  void DrawTextWrapped(const TRect& clip, const std::string& text, TAlignment alignment) override;
  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override;

  // Closes the document and hands over the rest; false when the sink
  // refused any piece. The canvas is spent afterwards.
  bool Finish();

 private:
  struct RealizedFont {
    TBlockFont font;
    QFontMetrics metrics;
    std::string attributes;
  };

  // Draws a closed shape given its element text up to the style attributes.
  void Shape(const std::string& geometry);
  std::string FillAttribute();
  std::string StrokeAttributes(TColor color, bool dashed);
  const RealizedFont& CurrentFont();
  void Text(int x, int y, const std::string& text);
  void Emit(std::string_view piece);

  int dotsPerInch_;
  Sink sink_;
  std::string buffer_;
  bool failed_ = false;
  TPoint position_;
  std::set<std::string> patterns_;
  std::optional<RealizedFont> font_;
};

}  // namespace quobrix
