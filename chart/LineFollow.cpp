#include "chart/LineFollow.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartEdit.h"
#include "chart/CoordinateMath.h"
#include "chart/HitTests.h"
#include "chart/SymbolOutline.h"

namespace quobrix {

namespace {

// Strictly inside the span [a, b] narrowed by `tol` at both ends.
bool DeepInSpan(std::int64_t tol, std::int64_t v, std::int64_t a, std::int64_t b) {
  return SaturatingAdd(std::min(a, b), tol) < v && v < SaturatingSub(std::max(a, b), tol);
}

// Where a coordinate goes when its span [from, from + length] becomes [to,
// to + newLength]: in proportion within the span, at the same distance from
// the nearer edge outside it.
double MapAxis(double v, double from, double length, double to, double newLength) {
  const double lo = std::min(from, from + length), hi = std::max(from, from + length);
  const double newLo = std::min(to, to + newLength), newHi = std::max(to, to + newLength);
  if (v < lo) return newLo - (lo - v);
  if (v > hi) return newHi + (v - hi);
  const double share = length != 0 ? (v - from) / length : 0.5;
  return to + share * newLength;
}

}  // namespace

ChartArea AttachReach(const TBlock& a, std::int64_t tolerance) {
  const std::int64_t right = WrapAdd(a.X, a.W), bottom = WrapAdd(a.Y, a.H);
  const std::int64_t reach = SaturatingAdd(std::max<std::int64_t>(tolerance, 0), kLineHitTolerance);
  return {SaturatingSub(std::min(a.X, right), reach), SaturatingSub(std::min(a.Y, bottom), reach),
          SaturatingAdd(std::max(a.X, right), reach), SaturatingAdd(std::max(a.Y, bottom), reach)};
}

std::vector<OutlinePoint> OutlineForLines(const TBlock& block) {
  return TakesLines(block) ? SymbolOutline(block) : std::vector<OutlinePoint>{};
}

bool OnOutline(const std::vector<OutlinePoint>& outline, std::int64_t x, std::int64_t y) {
  return !outline.empty() && NearestOnOutline(outline, static_cast<double>(x), static_cast<double>(y)).distance <= 1;
}

int AttachedEnd(const TBlock& line, const TBlock& a, const std::vector<OutlinePoint>& outline,
                std::int64_t tolerance) {
  const std::int64_t right = WrapAdd(a.X, a.W), bottom = WrapAdd(a.Y, a.H);
  // An end well inside the block belongs to whatever the line was drawn to
  // there (a pasted copy lying over its original must not take its lines),
  // unless it lies on the outline, as on a parallelogram's slanted side.
  auto onEdge = [&](std::int64_t px, std::int64_t py) {
    const bool near = InSpanTol(line, tolerance, px, a.X, right) && InSpanTol(line, tolerance, py, a.Y, bottom);
    const bool deep = DeepInSpan(tolerance, px, a.X, right) && DeepInSpan(tolerance, py, a.Y, bottom);
    return near && (!deep || OnOutline(outline, px, py));
  };
  const bool start = onEdge(line.X, line.Y);
  const bool end = onEdge(WrapAdd(line.X, line.W), WrapAdd(line.Y, line.H));
  if (start == end) return 0;
  return start ? 1 : 2;
}

LineFollow::LineFollow(BlocksHolderModel& chart, const std::vector<TBlock*>& symbols,
                       const std::vector<TBlock*>& moving) {
  if (symbols.empty()) return;
  // A selection may hold many blocks: what is moving and what is noted are
  // looked up, not searched.
  const std::unordered_set<const TBlock*> movingSet(moving.begin(), moving.end());
  std::unordered_set<const TBlock*> noted[2];
  for (const TBlock* symbol : symbols) {
    if (symbol->BT == btLine || symbol->BT == btSelection) continue;
    const std::vector<OutlinePoint> outline = OutlineForLines(*symbol);
    for (const std::int64_t n : chart.BlocksNear(AttachReach(*symbol, kAttachTolerance))) {
      TBlock& line = chart.Blocks(n);
      if (line.BT != btLine || movingSet.contains(&line)) continue;
      const int end = AttachedEnd(line, *symbol, outline, kAttachTolerance);
      // An end near two changing symbols follows the first.
      if (end == 0 || !noted[end - 1].insert(&line).second) continue;
      const std::int64_t x = end == 1 ? line.X : WrapAdd(line.X, line.W);
      const std::int64_t y = end == 1 ? line.Y : WrapAdd(line.Y, line.H);
      ends_.push_back({&line, end, symbol, {symbol->X, symbol->Y, symbol->W, symbol->H}, OnOutline(outline, x, y)});
    }
  }
}

std::pair<std::int64_t, std::int64_t> LineFollow::NewPlace(const End& e, std::int64_t x, std::int64_t y) {
  const TBlock& s = *e.symbol;
  // A move alone carries the end by as much, exactly.
  if (s.W == e.before.W && s.H == e.before.H)
    return {WrapAdd(x, WrapSub(s.X, e.before.X)), WrapAdd(y, WrapSub(s.Y, e.before.Y))};
  auto d = [](std::int64_t v) { return static_cast<double>(v); };
  const double nx = MapAxis(d(x), d(e.before.X), d(e.before.W), d(s.X), d(s.W));
  const double ny = MapAxis(d(y), d(e.before.Y), d(e.before.H), d(s.Y), d(s.H));
  if (!e.onOutline) return {RoundHalfEven(nx), RoundHalfEven(ny)};
  const OutlinePoint p = NearestOnOutline(SymbolOutline(s), nx, ny).point;
  return {RoundHalfEven(p.x), RoundHalfEven(p.y)};
}

void LineFollow::PutEnd(TBlock& line, int end, std::int64_t x, std::int64_t y) {
  const std::int64_t farX = WrapAdd(line.X, line.W), farY = WrapAdd(line.Y, line.H);
  if (end == 1) {
    line.X = x;
    line.Y = y;
    line.W = WrapSub(farX, x);
    line.H = WrapSub(farY, y);
  } else {
    line.W = WrapSub(x, line.X);
    line.H = WrapSub(y, line.Y);
  }
}

std::vector<const TBlock*> LineFollow::Follow(ChartEdit& edit) const {
  struct Placed {
    TBlock* line;
    int end;
    std::int64_t x, y;
  };
  std::vector<Placed> placed;
  std::vector<TBlock*> changed;
  std::unordered_set<const TBlock*> counted;
  for (const End& e : ends_) {
    const TBlock& line = *e.line;
    const std::int64_t x = e.end == 1 ? line.X : WrapAdd(line.X, line.W);
    const std::int64_t y = e.end == 1 ? line.Y : WrapAdd(line.Y, line.H);
    const auto [nx, ny] = NewPlace(e, x, y);
    if (nx == x && ny == y) continue;
    placed.push_back({e.line, e.end, nx, ny});
    if (counted.insert(e.line).second) changed.push_back(e.line);
  }
  if (changed.empty()) return {};
  edit.Changing(changed);
  for (const Placed& p : placed) PutEnd(*p.line, p.end, p.x, p.y);
  return {changed.begin(), changed.end()};
}

}  // namespace quobrix
