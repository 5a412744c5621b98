#include "chart/SymbolOutline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/OutlineTable.h"

namespace quobrix {

namespace {

// Short sides per quarter of a curve: none strays from the curve by more
// than three ten-thousandths of its radius.
constexpr int kQuarterSteps = 32;

struct Box {
  double x0, y0, x1, y1;  // near and far corner; either may be the smaller
};

Box BoxOf(const TBlock& b, bool square) {
  const double x = static_cast<double>(b.X), y = static_cast<double>(b.Y);
  double w = static_cast<double>(b.W), h = static_cast<double>(b.H);
  if (square) {
    const double side = std::min(std::fabs(w), std::fabs(h));
    w = std::copysign(side, w);
    h = std::copysign(side, h);
  }
  return {x, y, x + w, y + h};
}

// A box with rounded corners of radius r (0 for sharp ones), clockwise from
// the top-left corner's end on the top side.
std::vector<OutlinePoint> RoundedBox(const Box& box, double r) {
  const double left = std::min(box.x0, box.x1), right = std::max(box.x0, box.x1);
  const double top = std::min(box.y0, box.y1), bottom = std::max(box.y0, box.y1);
  r = std::clamp(r, 0.0, std::min(right - left, bottom - top) / 2);
  if (r == 0) return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
  // Corner centres and the angle each corner's arc starts at, clockwise on screen.
  const OutlinePoint centres[] = {{right - r, top + r}, {right - r, bottom - r}, {left + r, bottom - r}, {left + r, top + r}};
  std::vector<OutlinePoint> points;
  for (int corner = 0; corner < 4; ++corner) {
    const double start = -std::numbers::pi / 2 + corner * std::numbers::pi / 2;
    for (int i = 0; i <= kQuarterSteps; ++i) {
      const double a = start + (std::numbers::pi / 2) * i / kQuarterSteps;
      points.push_back({centres[corner].x + r * std::cos(a), centres[corner].y + r * std::sin(a)});
    }
  }
  return points;
}

std::vector<OutlinePoint> Ellipse(const Box& box) {
  const double cx = (box.x0 + box.x1) / 2, cy = (box.y0 + box.y1) / 2;
  const double rx = std::fabs(box.x1 - box.x0) / 2, ry = std::fabs(box.y1 - box.y0) / 2;
  std::vector<OutlinePoint> points;
  for (int i = 0; i < 4 * kQuarterSteps; ++i) {
    const double a = -std::numbers::pi / 2 + (std::numbers::pi / 2) * i / kQuarterSteps;
    points.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
  return points;
}

// Where the line x = c (down) or y = c (across) meets the polygon's sides:
// the smallest and largest coordinate along it.
template <bool Down>
std::pair<double, double> Crossings(const std::vector<OutlinePoint>& outline, double c) {
  auto along = [](const OutlinePoint& p) { return Down ? p.y : p.x; };
  auto across = [](const OutlinePoint& p) { return Down ? p.x : p.y; };
  double low = INFINITY, high = -INFINITY;
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const OutlinePoint& a = outline[i];
    const OutlinePoint& b = outline[(i + 1) % outline.size()];
    const double da = across(a) - c, db = across(b) - c;
    if (da * db > 0) continue;
    if (da == db) {  // the side lies on the line: both its ends count
      low = std::min({low, along(a), along(b)});
      high = std::max({high, along(a), along(b)});
      continue;
    }
    const double hit = along(a) + (along(b) - along(a)) * da / (da - db);
    low = std::min(low, hit);
    high = std::max(high, hit);
  }
  return {low, high};
}

}  // namespace

bool TakesLines(const TBlock& block) {
  return block.BT != btSelection && block.BT != btLine && block.BT != btPoint;
}

std::vector<OutlinePoint> SymbolOutline(const TBlock& block) {
  const OutlineShape shape = ShapeOfOutline(block.BT);
  const bool square =
      shape.kind == OutlineKind::Square || shape.kind == OutlineKind::RoundSquare || shape.kind == OutlineKind::Circle;
  const Box box = BoxOf(block, square);
  const double height = std::fabs(box.y1 - box.y0);
  switch (shape.kind) {
    case OutlineKind::RoundBox:
    case OutlineKind::RoundSquare:
      return RoundedBox(box, height / 8);
    case OutlineKind::Stadium:
      return RoundedBox(box, height / 2);
    case OutlineKind::Ellipse:
    case OutlineKind::Circle:
      return Ellipse(box);
    case OutlineKind::Polygon: {
      std::vector<OutlinePoint> points;
      for (const OutlineShape::Corner& c : shape.polygon)
        points.push_back({box.x0 + (box.x1 - box.x0) * c.x, box.y0 + (box.y1 - box.y0) * c.y});
      return points;
    }
    default:
      return RoundedBox(box, 0);
  }
}

std::vector<OutlinePoint> ConnectionPoints(const TBlock& block) {
  const std::vector<OutlinePoint> outline = SymbolOutline(block);
  double left = INFINITY, right = -INFINITY, top = INFINITY, bottom = -INFINITY;
  for (const OutlinePoint& p : outline) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  const double cx = (left + right) / 2, cy = (top + bottom) / 2;
  const auto [up, down] = Crossings<true>(outline, cx);
  const auto [west, east] = Crossings<false>(outline, cy);
  return {{cx, up}, {east, cy}, {cx, down}, {west, cy}};
}

NearestPoint NearestOnOutline(const std::vector<OutlinePoint>& outline, double x, double y) {
  NearestPoint best{{x, y}, INFINITY};
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const OutlinePoint& a = outline[i];
    const OutlinePoint& b = outline[(i + 1) % outline.size()];
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp(((x - a.x) * dx + (y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
    const OutlinePoint p{a.x + t * dx, a.y + t * dy};
    const double d = std::hypot(x - p.x, y - p.y);
    if (d < best.distance) best = {p, d};
  }
  return best;
}

}  // namespace quobrix
