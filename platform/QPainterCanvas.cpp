#include "platform/QPainterCanvas.h"

#include <QPaintEngine>
#include <algorithm>
#include <cstdlib>
#include <span>

#include "platform/Cp1251Codec.h"
#include "platform/SystemColors.h"
#include "render/CoordinateMath.h"

namespace quobrix {

namespace {

constexpr int kPointsPerInch = 72;

// Dash patterns in pixels of a one-pixel pen, as desktop pens draw them.
constexpr qreal kDash[] = {18, 6};
constexpr qreal kDot[] = {3, 3};
constexpr qreal kDashDot[] = {9, 6, 3, 6};
constexpr qreal kDashDotDot[] = {9, 3, 3, 3, 3, 3};

std::span<const qreal> DashPattern(TPenStyle style) {
  switch (style) {
    case psDash:
      return kDash;
    case psDot:
      return kDot;
    case psDashDot:
      return kDashDot;
    case psDashDotDot:
      return kDashDotDot;
    default:
      return {};
  }
}

QPen MakePen(const TPen& pen) {
  if (pen.Style == psClear) return QPen(Qt::NoPen);
  QPen q(ResolveColor(pen.Color), std::max(pen.Width, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  const std::span<const qreal> pattern = DashPattern(pen.Style);
  if (!pattern.empty()) {
    // Qt measures dashes in pen widths; up to three pixels wide the dashes
    // keep their pixel lengths, wider pens stretch them in proportion.
    const qreal unit = std::min(pen.Width, 3);
    QList<qreal> dashes;
    for (qreal length : pattern) dashes.append(length / unit);
    q.setDashPattern(dashes);
    q.setCapStyle(Qt::FlatCap);
  }
  return q;
}

Qt::BrushStyle QtBrushStyle(std::uint8_t style) {
  switch (style) {
    case bsClear:
      return Qt::NoBrush;
    case bsHorizontal:
      return Qt::HorPattern;
    case bsVertical:
      return Qt::VerPattern;
    case bsFDiagonal:
      return Qt::FDiagPattern;
    case bsBDiagonal:
      return Qt::BDiagPattern;
    case bsCross:
      return Qt::CrossPattern;
    case bsDiagCross:
      return Qt::DiagCrossPattern;
    default:
      return Qt::SolidPattern;
  }
}

// The pixels x1..x2 - 1 and y1..y2 - 1, whichever way round the corners are
// given; empty when either side is. Corners far beyond any device are
// pulled in to where a QRect can still count its width.
QRect ExclusiveRect(int x1, int y1, int x2, int y2) {
  auto near = [](int v) { return std::clamp(v, -(1 << 29), 1 << 29); };
  x1 = near(x1), y1 = near(y1), x2 = near(x2), y2 = near(y2);
  return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
}

QString DisplayText(const std::string& text) {
  QString s = Cp1251ToUnicode(text);
  s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

// Text is drawn with a pen of the text colour shaped like the shapes' pen,
// and the font is handed over only when it changed: vector outputs (SVG)
// start a new style group at every pen or font change, which would
// otherwise double the size of a labelled chart.
QPen TextPen(const QPen& shapePen, const QColor& textColor) {
  return QPen(textColor, std::max<qreal>(shapePen.widthF(), 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

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
    pen_ = MakePen(Pen);
    brush_ = QBrush(ResolveColor(Brush.Color), QtBrushStyle(Brush.Style));
    gapsPainted_ = !DashPattern(Pen.Style).empty() && brush_.style() == Qt::SolidPattern;
    gapPen_ = QPen(brush_.color(), pen_.widthF(), Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
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
    font_ = QFont(Cp1251ToUnicode(Font.Name));
    // A height of 0 keeps the default size.
    if (Font.Height != 0) {
      const int dpi = painter_.device() != nullptr ? painter_.device()->logicalDpiY() : 96;
      const int points = std::max(std::abs(Font.Size()), 1);
      font_.setPixelSize(std::max((points * dpi + kPointsPerInch / 2) / kPointsPerInch, 1));
    }
    font_.setBold(Font.Bold);
    font_.setItalic(Font.Italic);
    font_.setUnderline(Font.Underline);
    font_.setStrikeOut(Font.StrikeOut);
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
