#include "view/GridSnapping.h"

namespace quobrix {

std::int64_t SnapToGrid(std::int64_t v, std::int64_t gridStep) {
  const auto step = static_cast<std::uint64_t>(gridStep);
  const std::uint64_t rest = Magnitude(v) % step;
  // Toward zero by the rest, or away from it to the next multiple.
  const auto toward = static_cast<std::int64_t>(rest >= step / 2 ? rest - step : rest);
  return v < 0 ? WrapAdd(v, toward) : WrapSub(v, toward);
}

std::int64_t SnapPixelsToGrid(std::int64_t p, std::int64_t origin, const ViewTransform& view, std::int64_t gridStep) {
  const std::int64_t x = SnapToGrid(view.PixelsToChart(view.FromWindow(p, origin)), gridStep);
  return WrapSub(WrapAdd(view.ChartToPixelsRounded(x), view.rulerInset), origin);
}

}  // namespace quobrix
