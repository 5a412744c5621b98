// Placements read from the settings file may name a monitor that is no
// longer there; a window placed there must come back where the user can
// reach it.
#pragma once

#include <QList>
#include <QRect>

class QWidget;

namespace quobrix {

// Where a window whose frame is `frame` goes: unchanged while a piece of its
// top edge wide enough to grab lies on one of `screens` (their work areas);
// otherwise moved, and shrunk where it is larger, onto the screen that shows
// most of it, or the nearest one when none shows any of it.
QRect ReachableFrame(const QRect& frame, const QList<QRect>& screens);

// Applies ReachableFrame to a top-level window with the screens there are.
void KeepReachable(QWidget& window);

}  // namespace quobrix
