#pragma once

#include <QPoint>
#include <QRect>

namespace quobrix {

// Where a window whose frame is `frame` goes when it comes within `distance`
// pixels of an edge of `area`: that side of the frame moves onto the edge.
// The left and top edges win over the right and bottom ones.
QPoint SnapToEdges(const QRect& frame, const QRect& area, int distance);

}  // namespace quobrix
