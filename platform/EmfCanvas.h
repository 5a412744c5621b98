// A canvas that records an enhanced metafile. Pen, brush and font become
// metafile objects only when a primitive needs them and they have changed,
// so a chart of many alike blocks stays small. Texts are measured with the
// toolkit's font metrics at the reference device's resolution.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/EmfWriter.h"
#include "render/Canvas.h"

namespace quobrix {

class EmfCanvas : public Canvas {
 public:
  // A metafile whose frame is `frameWidth` x `frameHeight` hundredths of a
  // millimetre, drawn in pixels of `resolution` per 100 mm.
  EmfCanvas(std::int64_t frameWidth, std::int64_t frameHeight, std::int64_t resolution);

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void RoundRect(int x1, int y1, int x2, int y2, int cornerW, int cornerH) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Polygon(const std::vector<TPoint>& points) override;
  void InvertPixel(int x, int y) override;
  void TextOut(int x, int y, const std::string& text) override;
  void DrawTextWrapped(const TRect& clip, const std::string& text, TAlignment alignment) override;
  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override;

  // The finished metafile; the canvas is spent afterwards.
  std::string Finish();

 private:
  struct RealizedFont {
    TBlockFont font;
    std::uint32_t handle = 0;
    QFontMetrics metrics;
  };

  void RealizePen();
  void RealizeBrush();
  void RealizeFont();
  void RealizeBackground(bool opaque);
  // Before a shape or a line: the background that suits the pen and brush.
  void RealizeShapeBackground();
  const QFontMetrics& Metrics();
  std::vector<std::int32_t> Advances(const std::u16string& text);
  void Text(int x, int y, std::uint32_t options, const TRect& clip, const std::string& text);

  std::int64_t resolution_;
  EmfWriter writer_;
  std::optional<TPen> pen_;
  std::uint32_t penHandle_ = 0;
  TPenMode penMode_ = TPenMode::Copy;
  std::optional<TBrush> brush_;
  std::uint32_t brushHandle_ = 0;
  std::optional<RealizedFont> font_;
  std::optional<TColor> textColor_;
  bool opaqueBackground_ = false;
  std::optional<std::uint32_t> backgroundColor_;
};

}  // namespace quobrix
