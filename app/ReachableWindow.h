// Placements read from the settings file may name a monitor that is no
// longer there; a window placed there must come back where the user can
// reach it (platform/WindowPlacement.h says where).
#pragma once

class QWidget;

namespace quobrix {

// Applies ReachableFrame to a top-level window with the screens there are.
void KeepReachable(QWidget& window);

}  // namespace quobrix
