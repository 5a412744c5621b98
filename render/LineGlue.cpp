#include "render/LineGlue.h"

#include <cmath>

#include "chart/CoordinateMath.h"

namespace quobrix {

namespace {

bool InsideBox(const TBlock& b, std::int64_t x, std::int64_t y) {
  const std::int64_t right = WrapAdd(b.X, b.W), bottom = WrapAdd(b.Y, b.H);
  return std::min(b.X, right) <= x && x <= std::max(b.X, right) && std::min(b.Y, bottom) <= y &&
         y <= std::max(b.Y, bottom);
}

}  // namespace

std::optional<GlueTarget> FindGlue(const BlockList& blocks, std::span<const std::int64_t> candidates, std::int64_t x,
                                   std::int64_t y, std::int64_t reach, const TBlock* except) {
  const double px = static_cast<double>(x), py = static_cast<double>(y), within = static_cast<double>(reach);
  for (auto n = candidates.rbegin(); n != candidates.rend(); ++n) {
    const TBlock& b = *blocks[static_cast<std::size_t>(*n - 1)];
    if (&b == except || !TakesLines(b)) continue;
    GlueTarget glue{*n, 0, 0, ConnectionPoints(b), SymbolOutline(b)};
    const NearestPoint nearest = NearestOnOutline(glue.outline, px, py);
    if (nearest.distance > within && !InsideBox(b, x, y)) continue;
    OutlinePoint to = nearest.point;
    double best = within;
    for (const OutlinePoint& c : glue.connectionPoints) {
      const double d = std::hypot(c.x - px, c.y - py);
      if (d <= best) {
        best = d;
        to = c;
      }
    }
    glue.x = RoundHalfEven(to.x);
    glue.y = RoundHalfEven(to.y);
    return glue;
  }
  return std::nullopt;
}

}  // namespace quobrix
