// How the canvas's pens, brushes, rectangles, fonts and texts become the
// toolkit's, as a desktop canvas draws them: right and bottom edges of
// rectangles exclusive, dashes in pixels of a one-pixel pen, fonts sized in
// points at the device's resolution, line breaks as the toolkit's.
#pragma once

#include <QBrush>
#include <QFont>
#include <QPen>
#include <QRect>
#include <QString>
#include <span>
#include <string>

#include "render/Canvas.h"

namespace quobrix {

// Dash patterns in pixels of a one-pixel pen; empty for solid and clear pens.
std::span<const qreal> DashPattern(TPenStyle style);
// How much longer a pen of `penWidth` pixels draws the dashes: up to three
// pixels wide they keep their lengths, wider pens stretch them in proportion.
qreal DashStretch(int penWidth);

QPen QtPen(const TPen& pen);
QBrush QtBrush(const TBrush& brush);
// A styled pen's gaps show the brush colour under a solid brush: this pen
// paints them before the dashes.
bool PaintsGaps(const QPen& pen, const QBrush& brush);
QPen GapPen(const QPen& pen, const QBrush& brush);

// The pixels x1..x2 - 1 and y1..y2 - 1, whichever way round the corners are
// given; empty when either side is.
QRect ExclusiveRect(int x1, int y1, int x2, int y2);

// The font at `dotsPerInch`; a height of 0 keeps the default size.
QFont QtFont(const TBlockFont& font, int dotsPerInch);
// Text is drawn with a pen of the text colour shaped like the shapes' pen.
QPen TextPen(const QPen& shapePen, const QColor& textColor);
// Code page 1251 text with its line breaks (CR LF, CR or LF) as LF.
QString DisplayText(const std::string& text);

}  // namespace quobrix
