#include "tools/DialogPlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace quobrix {

namespace {

int KeptWithin(int start, int length, int areaStart, int areaLength) {
  return std::clamp(start, areaStart, std::max(areaStart, areaStart + areaLength - length));
}

}  // namespace

void CentreOver(QWidget& dialog, const QWidget& window) {
  // A dialog not yet shown has no frame: it will get one like the window's.
  const QSize frame = window.frameGeometry().size() - window.geometry().size();
  QRect place(QPoint(), dialog.size() + frame);
  place.moveCenter(window.frameGeometry().center());
  if (const QScreen* screen = window.screen()) {
    const QRect area = screen->availableGeometry();
    place.moveTo(KeptWithin(place.left(), place.width(), area.left(), area.width()),
                 KeptWithin(place.top(), place.height(), area.top(), area.height()));
  }
  dialog.move(place.topLeft());
}

}  // namespace quobrix
