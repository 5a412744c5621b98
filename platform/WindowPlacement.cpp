#include "platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "platform/ProfileFile.h"

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

// A stored side between the smallest and the largest there is room for.
int Side(qint64 stored, int smallest, int largest) {
  return static_cast<int>(std::clamp<qint64>(stored, std::min(smallest, largest), largest));
}

// A stored start that leaves a side of `length` touching the span [low, high].
int Start(qint64 stored, int length, int low, int high) {
  return static_cast<int>(std::clamp<qint64>(stored, qint64(low) - length, high));
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

QRect FrameOnScreens(const StoredPlacement& stored, QSize smallest, const QList<QRect>& screens) {
  if (screens.isEmpty()) return {QPoint(0, 0), smallest};
  QRect bounds;
  QSize largest;
  for (const QRect& screen : screens) {
    bounds |= screen;
    largest = largest.expandedTo(screen.size());
  }
  // Near the screens first, so that nothing computed from the frame overflows.
  const int width = Side(stored.Width, smallest.width(), largest.width());
  const int height = Side(stored.Height, smallest.height(), largest.height());
  const int left = Start(stored.Left, width, bounds.left(), bounds.right() + 1);
  const int top = Start(stored.Top, height, bounds.top(), bounds.bottom() + 1);
  return ReachableFrame(QRect(left, top, width, height), screens);
}

QList<QRect> ScreenWorkAreas() {
  QList<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) areas.append(screen->availableGeometry());
  return areas;
}

QRect ReadWindowPlacement(const ProfileFile& settings, const QString& name, const QRect& current,
                          std::optional<QSize> smallest) {
  const auto read = [&](QChar key, int fallback) {
    return settings.ReadInteger(QStringLiteral("WinPos"), name + key, fallback);
  };
  StoredPlacement stored{read(u'X', current.x()), read(u'Y', current.y()), current.width(), current.height()};
  if (smallest) {
    stored.Width = read(u'W', current.width());
    stored.Height = read(u'H', current.height());
  }
  return FrameOnScreens(stored, smallest.value_or(QSize(1, 1)), ScreenWorkAreas());
}

}  // namespace quobrix
