// New chart windows open where the last one closed; several opened in a row
// would lie exactly on top of each other, so each steps down and right from
// the windows already there.
#pragma once

#include <QPoint>
#include <QRect>
#include <vector>

namespace quobrix {

// How far each window steps from the one it would cover: about a title bar.
constexpr int kCascadeStep = 24;

// Where a window of `size` goes that was asked to go to `wanted`: there when
// no window in `taken` stands there, else the first free place one step
// further down and right. When the window would leave `workArea` the steps
// start again from the work area's top edge, a step further right each
// time; a window larger than the work area keeps stepping. A work area full
// of windows at every step gives the last place tried.
QPoint CascadedPosition(QPoint wanted, QSize size, const QRect& workArea, const std::vector<QPoint>& taken);

}  // namespace quobrix
