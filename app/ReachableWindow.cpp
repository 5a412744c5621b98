#include "app/ReachableWindow.h"

#include <QWidget>

#include "platform/WindowPlacement.h"

namespace quobrix {

void KeepReachable(QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect reachable = ReachableFrame(frame, ScreenWorkAreas());
  if (reachable == frame) return;
  window.resize(window.size() - (frame.size() - reachable.size()));
  window.move(reachable.topLeft());
}

}  // namespace quobrix
