#include "platform/QPainterCanvas.h"

#include <QPaintEngine>
#include <algorithm>
#include <cmath>

#include "chart/CoordinateMath.h"
#include "platform/QtDrawingStyle.h"
#include "platform/SystemColors.h"

namespace quobrix {

namespace {

// The font is handed over only when it changed: vector outputs start a new
// style group at every pen or font change, which would otherwise double the
// size of a labelled chart.
void SetFontIfChanged(QPainter& painter, const QFont& font) {
  if (painter.font() != font) painter.setFont(font);
}

}  // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter)
    : painter_(painter),
      rasterOps_(painter.paintEngine() != nullptr && painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes)) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setBackgroundMode(Qt::TransparentMode);
}

void QPainterCanvas::SyncShapeState() {
  if (syncedPen_ != Pen || syncedBrush_ != Brush) {
    syncedPen_ = Pen;
    syncedBrush_ = Brush;
    pen_ = QtPen(Pen);
    brush_ = QtBrush(Brush);
    gapsPainted_ = PaintsGaps(pen_, brush_);
    gapPen_ = GapPen(pen_, brush_);
  }
  if (rasterOps_) {
    painter_.setCompositionMode(Pen.Mode == TPenMode::Xor ? QPainter::RasterOp_NotDestination
                                                          : QPainter::CompositionMode_SourceOver);
  }
}

template <class Draw>
void QPainterCanvas::Paint(bool filled, Draw draw) {
  SyncShapeState();
  // A stroke never uses the brush, so it leaves the brush alone (one style
  // group fewer per line in vector outputs).
  const bool stroke = !filled;
  if (gapsPainted_) {
    painter_.setPen(gapPen_);
    if (!stroke) painter_.setBrush(brush_);
    draw();
    filled = false;
  }
  painter_.setPen(pen_);
  if (!stroke) painter_.setBrush(filled ? brush_ : QBrush());
  draw();
}

void QPainterCanvas::MoveTo(int x, int y) { position_ = QPoint(x, y); }

void QPainterCanvas::LineTo(int x, int y) {
  const QPoint from = position_, to(x, y);
  position_ = to;
  if (from != to) {
    Paint(false, [&] { painter_.drawLine(from, to); });
    return;
  }
  // A zero-length stroke leaves a round dot as wide as the pen, whatever its style.
  SyncShapeState();
  if (Pen.Style == psClear) return;
  painter_.setPen(QPen(pen_.color(), pen_.widthF(), Qt::SolidLine, Qt::RoundCap));
  painter_.drawPoint(to);
}

void QPainterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  const QRect r = ExclusiveRect(x1, y1, x2, y2);
  if (r.isEmpty()) return;
  Paint(true, [&] { painter_.drawRect(r.adjusted(0, 0, -1, -1)); });
}

void QPainterCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerW, int cornerH) {
  const QRect r = ExclusiveRect(x1, y1, x2, y2);
  if (r.isEmpty()) return;
  const qreal rx = std::abs(qreal(cornerW)) / 2, ry = std::abs(qreal(cornerH)) / 2;
  Paint(true, [&] { painter_.drawRoundedRect(r.adjusted(0, 0, -1, -1), rx, ry); });
}

void QPainterCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  const QRect r = ExclusiveRect(x1, y1, x2, y2);
  if (r.isEmpty()) return;
  Paint(true, [&] { painter_.drawEllipse(r.adjusted(0, 0, -1, -1)); });
}

void QPainterCanvas::Polygon(const std::vector<TPoint>& points) {
  polygon_.resize(static_cast<qsizetype>(points.size()));
  for (std::size_t i = 0; i < points.size(); ++i) polygon_[qsizetype(i)] = QPoint(points[i].x, points[i].y);
  Paint(true, [&] { painter_.drawPolygon(polygon_, Qt::OddEvenFill); });
}

void QPainterCanvas::InvertPixel(int x, int y) {
  if (!rasterOps_) return;
  const QPainter::CompositionMode mode = painter_.compositionMode();
  painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
  painter_.fillRect(x, y, 1, 1, Qt::black);
  painter_.setCompositionMode(mode);
}

const QFontMetrics& QPainterCanvas::SyncFont() {
  if (syncedFont_ != Font) {
    syncedFont_ = Font;
    const int dpi = painter_.device() != nullptr ? painter_.device()->logicalDpiY() : 96;
    font_ = QtFont(Font, dpi);
    metrics_.emplace(font_, painter_.device());
    textColor_ = ResolveColor(Font.Color);
  }
  return *metrics_;
}

void QPainterCanvas::TextOut(int x, int y, const std::string& text) {
  const QFontMetrics& metrics = SyncFont();
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  SetFontIfChanged(painter_, font_);
  painter_.setPen(TextPen(pen_, textColor_));
  painter_.drawText(QPoint(x, OffsetPixels(y, metrics.ascent())), DisplayText(text));
}

void QPainterCanvas::DrawTextWrapped(const TRect& clip, const std::string& text, TAlignment alignment) {
  const QRect r = ExclusiveRect(clip.left, clip.top, clip.right, clip.bottom);
  if (r.isEmpty()) return;
  SyncFont();
  const int horizontal = alignment == taCenter         ? Qt::AlignHCenter
                         : alignment == taRightJustify ? Qt::AlignRight
                                                       : Qt::AlignLeft;
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  SetFontIfChanged(painter_, font_);
  painter_.setPen(TextPen(pen_, textColor_));
  // Without Qt::TextDontClip the text is clipped to the rectangle.
  painter_.drawText(r, Qt::TextWordWrap | Qt::AlignTop | horizontal, DisplayText(text));
}

int QPainterCanvas::TextWidth(const std::string& text) { return SyncFont().horizontalAdvance(DisplayText(text)); }

int QPainterCanvas::TextHeight(const std::string&) { return SyncFont().height(); }

}  // namespace quobrix
