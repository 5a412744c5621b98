#include "chart/HitTests.h"

#include <algorithm>
#include <cmath>

#include "chart/CoordinateMath.h"

namespace quobrix {

namespace {

bool InBlockRect(const TBlock& block, std::int64_t x, std::int64_t y) {
  return InSpan(block, x, block.X, WrapAdd(block.X, block.W)) && InSpan(block, y, block.Y, WrapAdd(block.Y, block.H));
}

// The point lies inside a thin ellipse whose foci are the line's ends.
bool NearLineSegment(const TBlock& line, std::int64_t x, std::int64_t y) {
  const double w = double(line.W), h = double(line.H);
  const double d1 = std::hypot(double(x) - double(line.X), double(y) - double(line.Y));
  const double d2 = std::hypot(double(x) - (double(line.X) + w), double(y) - (double(line.Y) + h));
  const double length = std::sqrt(w * w + h * h);
  return length + length / 100 > d1 + d2;
}

template <typename T>
std::ptrdiff_t FirstSmallest(std::span<const T> values) {
  if (values.empty()) return -1;
  return std::min_element(values.begin(), values.end()) - values.begin();
}

}  // namespace

bool InSpan(const TBlock& block, std::int64_t v, std::int64_t a, std::int64_t b) {
  return InSpanTol(block, 0, v, a, b);
}

bool InSpanTol(const TBlock& block, std::int64_t tol, std::int64_t v, std::int64_t a, std::int64_t b) {
  const std::int64_t extra = block.BT == btLine ? kLineHitTolerance : 0;
  const std::int64_t lo = SaturatingSub(SaturatingSub(std::min(a, b), tol), extra);
  const std::int64_t hi = SaturatingAdd(SaturatingAdd(std::max(a, b), tol), extra);
  return lo <= v && v <= hi;
}

bool HitsBlock(const TBlock& block, std::int64_t x, std::int64_t y) {
  if (!InBlockRect(block, x, y)) return false;
  if (block.BT == btLine) return NearLineSegment(block, x, y);
  if (block.BT == btSelection)
    return std::any_of(block.Members.begin(), block.Members.end(),
                       [&](const TBlock* m) { return m != nullptr && InBlockRect(*m, x, y); });
  return true;
}

bool LiesInRect(const TBlock& b, std::int64_t xa, std::int64_t ya, std::int64_t xb, std::int64_t yb) {
  return InSpan(b, b.X, xa, xb) && InSpan(b, WrapAdd(b.X, b.W), xa, xb) && InSpan(b, b.Y, ya, yb) &&
         InSpan(b, WrapAdd(b.Y, b.H), ya, yb);
}

std::int64_t BlockAtPoint(const BlockList& blocks, std::span<const std::int64_t> candidates, std::int64_t x,
                          std::int64_t y) {
  for (auto n = candidates.rbegin(); n != candidates.rend(); ++n)
    if (HitsBlock(*blocks[static_cast<std::size_t>(*n - 1)], x, y)) return *n;
  return 0;
}

std::vector<std::int64_t> BlocksInRect(const BlockList& blocks, std::span<const std::int64_t> candidates,
                                       std::int64_t xa, std::int64_t ya, std::int64_t xb, std::int64_t yb) {
  std::vector<std::int64_t> hits{0};
  for (const std::int64_t n : candidates)
    if (LiesInRect(*blocks[static_cast<std::size_t>(n - 1)], xa, ya, xb, yb)) hits.push_back(n);
  return hits;
}

std::ptrdiff_t IndexOfMin(std::span<const std::int64_t> values) { return FirstSmallest(values); }

std::ptrdiff_t IndexOfMin(std::span<const std::uint64_t> values) { return FirstSmallest(values); }

}  // namespace quobrix
