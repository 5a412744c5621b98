// The drawing surface on any Qt paint device: widget, image, printer, PDF.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <optional>

#include "render/Canvas.h"

namespace quobrix {

// Draws on an active QPainter the way a desktop canvas does: right and
// bottom edges of rectangles and ellipses are exclusive, the gaps of a
// styled pen take the brush colour when the brush is solid, fonts are sized
// in points at the device's own resolution, and "&" is an ordinary
// character. Shapes are drawn without anti-aliasing; text keeps it.
class QPainterCanvas : public Canvas {
 public:
  explicit QPainterCanvas(QPainter& painter);

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

 private:
  // Brings the painter's pen, brush and mode in line with Pen and Brush.
  void SyncShapeState();
  // Brings the painter's font in line with Font.
  const QFontMetrics& SyncFont();
  // Draws a shape (filled when `filled`) or a stroke with the current state,
  // first painting the gaps of a styled pen when the brush is solid.
  template <class Draw>
  void Paint(bool filled, Draw draw);

  QPainter& painter_;
  QPoint position_;
  bool rasterOps_;

  std::optional<TPen> syncedPen_;
  std::optional<TBrush> syncedBrush_;
  QPen pen_, gapPen_;
  QBrush brush_;
  bool gapsPainted_ = false;

  std::optional<TBlockFont> syncedFont_;
  QFont font_;
  std::optional<QFontMetrics> metrics_;
  QColor textColor_;

  QPolygon polygon_;
};

}  // namespace quobrix
