#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace quobrix {

// Where a window whose frame is `frame` goes when it comes within `distance`
// pixels of an edge of `area`: that side of the frame moves onto the edge.
// The left and top edges win over the right and bottom ones.
QPoint SnapToEdges(const QRect& frame, const QRect& area, int distance);

// Moves a shown window that has come within 20 pixels of an edge of its
// screen's work area onto that edge; called as the window moves.
void SnapToWorkAreaEdges(QWidget& window);

}  // namespace quobrix
