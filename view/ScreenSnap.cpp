#include "view/ScreenSnap.h"

#include <QScreen>
#include <QWidget>
#include <cstdlib>

namespace quobrix {

namespace {

constexpr int kSnapDistance = 20;

// The start of a span [start, start + length) snapped to the span [low, high).
int SnapSpan(int start, int length, int low, int high, int distance) {
  if (std::abs(start - low) <= distance) return low;
  if (std::abs(start + length - high) <= distance) return high - length;
  return start;
}

}  // namespace

QPoint SnapToEdges(const QRect& frame, const QRect& area, int distance) {
  return {SnapSpan(frame.x(), frame.width(), area.x(), area.x() + area.width(), distance),
          SnapSpan(frame.y(), frame.height(), area.y(), area.y() + area.height(), distance)};
}

void SnapToWorkAreaEdges(QWidget& window) {
  const QScreen* screen = window.screen();
  // A docked window's place is its dock's.
  if (!screen || !window.isVisible() || !window.isWindow()) return;
  const QRect frame = window.frameGeometry();
  const QPoint snapped = SnapToEdges(frame, screen->availableGeometry(), kSnapDistance);
  if (snapped != frame.topLeft()) window.move(snapped);
}

}  // namespace quobrix
