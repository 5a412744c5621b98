#include "app/ReachableWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace quobrix {

namespace {

// The strip of the frame's top edge that has to show, and how much of it.
constexpr int kGripHeight = 20;
constexpr int kGripWidth = 60;

bool CanBeGrabbed(const QRect& frame, const QRect& screen) {
  const QRect grip(frame.left(), frame.top(), frame.width(), std::min(kGripHeight, frame.height()));
  const QRect shown = grip & screen;
  return shown.height() == grip.height() && shown.width() >= std::min(kGripWidth, grip.width());
}

qint64 Area(const QRect& r) { return r.isEmpty() ? 0 : qint64(r.width()) * r.height(); }

qint64 SquaredDistance(const QPoint& a, const QPoint& b) {
  const qint64 dx = a.x() - b.x(), dy = a.y() - b.y();
  return dx * dx + dy * dy;
}

const QRect& HomeScreen(const QRect& frame, const QList<QRect>& screens) {
  const auto most = std::max_element(screens.begin(), screens.end(), [&frame](const QRect& a, const QRect& b) {
    return Area(a & frame) < Area(b & frame);
  });
  if (Area(*most & frame) > 0) return *most;
  return *std::min_element(screens.begin(), screens.end(), [&frame](const QRect& a, const QRect& b) {
    return SquaredDistance(a.center(), frame.center()) < SquaredDistance(b.center(), frame.center());
  });
}

}  // namespace

QRect ReachableFrame(const QRect& frame, const QList<QRect>& screens) {
  const bool reachable =
      std::any_of(screens.begin(), screens.end(), [&frame](const QRect& s) { return CanBeGrabbed(frame, s); });
  if (reachable || screens.isEmpty()) return frame;
  const QRect& screen = HomeScreen(frame, screens);
  const QSize size = frame.size().boundedTo(screen.size());
  const int left = std::clamp(frame.left(), screen.left(), screen.right() + 1 - size.width());
  const int top = std::clamp(frame.top(), screen.top(), screen.bottom() + 1 - size.height());
  return {QPoint(left, top), size};
}

void KeepReachable(QWidget& window) {
  QList<QRect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) screens.append(screen->availableGeometry());
  const QRect frame = window.frameGeometry();
  const QRect reachable = ReachableFrame(frame, screens);
  if (reachable == frame) return;
  window.resize(window.size() - (frame.size() - reachable.size()));
  window.move(reachable.topLeft());
}

}  // namespace quobrix
