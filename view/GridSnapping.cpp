#include "view/GridSnapping.h"

#include <cstdlib>

namespace quobrix {

std::int64_t SnapToGrid(std::int64_t v, std::int64_t gridStep) {
  const std::int64_t sign = (v > 0) - (v < 0);
  std::int64_t m = std::llabs(v) % gridStep;
  if (m >= gridStep / 2) m -= gridStep;
  return v - sign * m;
}

std::int64_t SnapPixelsToGrid(std::int64_t p, std::int64_t origin, const ViewTransform& view, std::int64_t gridStep) {
  const std::int64_t x = SnapToGrid(view.PixelsToChart(p - view.rulerInset + origin), gridStep);
  return view.ChartToPixelsRounded(x) + view.rulerInset - origin;
}

}  // namespace quobrix
