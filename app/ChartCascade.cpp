#include "app/ChartCascade.h"

#include <algorithm>

namespace quobrix {

QPoint CascadedPosition(QPoint wanted, QSize size, const QRect& workArea, const std::vector<QPoint>& taken) {
  const auto isFree = [&taken](QPoint p) { return std::find(taken.begin(), taken.end(), p) == taken.end(); };
  const auto fits = [&](QPoint p) { return workArea.contains(QRect(p, size)); };
  const QPoint step(kCascadeStep, kCascadeStep);
  const bool canWrap = fits(workArea.topLeft());
  // Only the first run down a diagonal can meet places a later run tries
  // again, and only places found taken: twice as many tries as there are
  // windows find a free place unless the work area has no room for one.
  QPoint p = wanted;
  int column = 0;
  for (std::size_t tries = 0; tries <= 2 * taken.size(); ++tries) {
    if (isFree(p)) return p;
    p += step;
    if (canWrap && !fits(p)) {
      ++column;
      p = workArea.topLeft() + QPoint(column * kCascadeStep, 0);
      if (!fits(p)) {
        column = 0;
        p = workArea.topLeft();
      }
    }
  }
  return p;
}

}  // namespace quobrix
