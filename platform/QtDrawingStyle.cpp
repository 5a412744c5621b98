#include "platform/QtDrawingStyle.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Cp1251Codec.h"
#include "platform/SystemColors.h"

namespace quobrix {

namespace {

constexpr int kPointsPerInch = 72;

// Dash patterns in pixels of a one-pixel pen, as desktop pens draw them.
constexpr qreal kDash[] = {18, 6};
constexpr qreal kDot[] = {3, 3};
constexpr qreal kDashDot[] = {9, 6, 3, 6};
constexpr qreal kDashDotDot[] = {9, 3, 3, 3, 3, 3};

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

}  // namespace

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

qreal DashStretch(int penWidth) { return static_cast<qreal>(std::max(penWidth, 1)) / std::clamp(penWidth, 1, 3); }

QPen QtPen(const TPen& pen) {
  if (pen.Style == psClear) return QPen(Qt::NoPen);
  QPen q(ResolveColor(pen.Color), std::max(pen.Width, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  const std::span<const qreal> pattern = DashPattern(pen.Style);
  if (!pattern.empty()) {
    // The toolkit measures dashes in pen widths.
    const qreal unit = std::clamp(pen.Width, 1, 3);
    QList<qreal> dashes;
    for (qreal length : pattern) dashes.append(length / unit);
    q.setDashPattern(dashes);
    q.setCapStyle(Qt::FlatCap);
  }
  return q;
}

QBrush QtBrush(const TBrush& brush) { return QBrush(ResolveColor(brush.Color), QtBrushStyle(brush.Style)); }

bool PaintsGaps(const QPen& pen, const QBrush& brush) {
  return pen.style() == Qt::CustomDashLine && brush.style() == Qt::SolidPattern;
}

QPen GapPen(const QPen& pen, const QBrush& brush) {
  return QPen(brush.color(), pen.widthF(), Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
}

QRect ExclusiveRect(int x1, int y1, int x2, int y2) {
  // Corners far beyond any device are pulled in to where a QRect can still
  // count its width.
  auto near = [](int v) { return std::clamp(v, -(1 << 29), 1 << 29); };
  x1 = near(x1), y1 = near(y1), x2 = near(x2), y2 = near(y2);
  return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
}

QFont QtFont(const TBlockFont& font, int dotsPerInch) {
  QFont q(Cp1251ToUnicode(font.Name));
  if (font.Height != 0) {
    const int points = std::max(std::abs(font.Size()), 1);
    q.setPixelSize(std::max((points * dotsPerInch + kPointsPerInch / 2) / kPointsPerInch, 1));
  }
  q.setBold(font.Bold);
  q.setItalic(font.Italic);
  q.setUnderline(font.Underline);
  q.setStrikeOut(font.StrikeOut);
  return q;
}

QPen TextPen(const QPen& shapePen, const QColor& textColor) {
  return QPen(textColor, std::max<qreal>(shapePen.widthF(), 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QString DisplayText(const std::string& text) {
  QString s = Cp1251ToUnicode(text);
  s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

}  // namespace quobrix
