// The route is a cheapest path on the sparse grid made of the lines through
// the edges of the symbols' boxes (widened by the clearance) and through the
// two points where the route leaves its symbols: every corner a shortest
// orthogonal route needs lies on it. A path costs its bends first, then its
// length. The symbols come from the block index around the two symbols and
// then around the route found, until the route meets no symbol unseen.
#include "chart/ConnectRoute.h"

#include <algorithm>
#include <queue>
#include <unordered_set>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartEdit.h"
#include "chart/CoordinateMath.h"
#include "chart/SymbolOutline.h"

namespace quobrix {

namespace {

struct Box {
  std::int64_t left, top, right, bottom;
  bool operator==(const Box&) const = default;
};

Box BoxOf(const TBlock& b) {
  const std::int64_t right = WrapAdd(b.X, b.W), bottom = WrapAdd(b.Y, b.H);
  return {std::min(b.X, right), std::min(b.Y, bottom), std::max(b.X, right), std::max(b.Y, bottom)};
}

Box Widened(const Box& b, std::int64_t by) {
  return {SaturatingSub(b.left, by), SaturatingSub(b.top, by), SaturatingAdd(b.right, by), SaturatingAdd(b.bottom, by)};
}

// The grid has some (2n)² nodes for n symbols near the route.
constexpr std::size_t kMostSymbolsPassed = 400;

// Directions: right, down, left, up.
constexpr int kDx[] = {1, 0, -1, 0};
constexpr int kDy[] = {0, 1, 0, -1};

// The direction out of the box side nearest to the point.
int SideOf(const Box& b, RoutePoint p) {
  const std::uint64_t d[] = {Distance(b.right, p.x), Distance(b.bottom, p.y), Distance(b.left, p.x),
                             Distance(b.top, p.y)};
  return static_cast<int>(std::min_element(std::begin(d), std::end(d)) - std::begin(d));
}

// Where a route from `p` on the box leaves it: straight out, the clearance beyond the box.
RoutePoint Exit(const Box& b, RoutePoint p, int side) {
  switch (side) {
    case 0:
      return {SaturatingAdd(b.right, kRouteClearance), p.y};
    case 1:
      return {p.x, SaturatingAdd(b.bottom, kRouteClearance)};
    case 2:
      return {SaturatingSub(b.left, kRouteClearance), p.y};
    default:
      return {p.x, SaturatingSub(b.top, kRouteClearance)};
  }
}

class Grid {
 public:
  Grid(const std::vector<Box>& obstacles, RoutePoint a, RoutePoint b) {
    xs_ = {a.x, b.x};
    ys_ = {a.y, b.y};
    for (const Box& o : obstacles) {
      xs_.insert(xs_.end(), {o.left, o.right});
      ys_.insert(ys_.end(), {o.top, o.bottom});
    }
    // A ring around everything, so there is always a way round.
    const auto [minX, maxX] = std::ranges::minmax(xs_);
    const auto [minY, maxY] = std::ranges::minmax(ys_);
    xs_.insert(xs_.end(), {SaturatingSub(minX, kRouteClearance), SaturatingAdd(maxX, kRouteClearance)});
    ys_.insert(ys_.end(), {SaturatingSub(minY, kRouteClearance), SaturatingAdd(maxY, kRouteClearance)});
    for (auto* v : {&xs_, &ys_}) {
      std::ranges::sort(*v);
      v->erase(std::unique(v->begin(), v->end()), v->end());
    }
    nodeBlocked_.assign(Nodes(), false);
    rightBlocked_.assign(Nodes(), false);
    downBlocked_.assign(Nodes(), false);
    for (const Box& o : obstacles) Block(o);
  }

  std::size_t Columns() const { return xs_.size(); }
  std::size_t Rows() const { return ys_.size(); }
  std::size_t Nodes() const { return xs_.size() * ys_.size(); }
  std::size_t Index(std::size_t i, std::size_t j) const { return j * xs_.size() + i; }
  RoutePoint At(std::size_t node) const { return {xs_[node % xs_.size()], ys_[node / xs_.size()]}; }
  std::size_t NodeAt(RoutePoint p) const {
    return Index(std::ranges::lower_bound(xs_, p.x) - xs_.begin(), std::ranges::lower_bound(ys_, p.y) - ys_.begin());
  }

  // The node one step from `node` in direction `dir`, if the step is free.
  std::optional<std::size_t> Step(std::size_t node, int dir) const {
    const std::size_t i = node % xs_.size(), j = node / xs_.size();
    if ((dir == 2 && i == 0) || (dir == 3 && j == 0) || (dir == 0 && i + 1 == Columns()) ||
        (dir == 1 && j + 1 == Rows()))
      return std::nullopt;
    const std::size_t next = Index(i + kDx[dir], j + kDy[dir]);
    const bool crossed = dir == 0 ? rightBlocked_[node] : dir == 2 ? rightBlocked_[next]
                         : dir == 1 ? downBlocked_[node]
                                    : downBlocked_[next];
    if (crossed || nodeBlocked_[next]) return std::nullopt;
    return next;
  }

 private:
  // Marks what lies strictly inside the box: nodes, and steps whose middle does.
  void Block(const Box& o) {
    const auto x0 = std::ranges::lower_bound(xs_, o.left) - xs_.begin();
    const auto x1 = std::ranges::lower_bound(xs_, o.right) - xs_.begin();
    const auto y0 = std::ranges::lower_bound(ys_, o.top) - ys_.begin();
    const auto y1 = std::ranges::lower_bound(ys_, o.bottom) - ys_.begin();
    for (auto j = y0; j <= y1; ++j)
      for (auto i = x0; i <= x1; ++i) {
        const std::size_t n = Index(i, j);
        const bool insideX = i > x0 && i < x1, insideY = j > y0 && j < y1;
        if (insideX && insideY) nodeBlocked_[n] = true;
        if (insideY && i < x1) rightBlocked_[n] = true;
        if (insideX && j < y1) downBlocked_[n] = true;
      }
  }

  std::vector<std::int64_t> xs_, ys_;
  std::vector<bool> nodeBlocked_, rightBlocked_, downBlocked_;
};

struct Cost {
  std::int64_t bends = 0;
  double length = 0;
  auto operator<=>(const Cost&) const = default;
};

// The cheapest path on the grid from `from`, leaving in direction
// `startDir`, to `to`, arriving in direction `endDir`; its nodes in order.
std::vector<RoutePoint> CheapestPath(const Grid& grid, RoutePoint from, int startDir, RoutePoint to, int endDir) {
  const std::size_t states = grid.Nodes() * 4;
  std::vector<Cost> best(states, Cost{INT64_MAX, 0});
  std::vector<std::size_t> parent(states, SIZE_MAX);
  using Entry = std::pair<Cost, std::size_t>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
  const std::size_t first = grid.NodeAt(from) * 4 + static_cast<std::size_t>(startDir);
  best[first] = {};
  open.push({{}, first});
  const std::size_t goal = grid.NodeAt(to);
  std::size_t reached = SIZE_MAX;
  Cost reachedCost{INT64_MAX, 0};
  while (!open.empty()) {
    const auto [cost, state] = open.top();
    open.pop();
    if (cost > best[state]) continue;
    const std::size_t node = state / 4;
    const int dir = static_cast<int>(state % 4);
    if (node == goal) {
      const Cost total{cost.bends + (dir == endDir ? 0 : 1), cost.length};
      if (total < reachedCost) {
        reachedCost = total;
        reached = state;
      }
      continue;
    }
    for (int next = 0; next < 4; ++next) {
      if (next == (dir + 2) % 4) continue;  // no turning back
      const std::optional<std::size_t> step = grid.Step(node, next);
      if (!step) continue;
      const RoutePoint a = grid.At(node), b = grid.At(*step);
      const Cost c{cost.bends + (next == dir ? 0 : 1),
                   cost.length + static_cast<double>(Distance(a.x, b.x)) + static_cast<double>(Distance(a.y, b.y))};
      const std::size_t s = *step * 4 + static_cast<std::size_t>(next);
      if (c < best[s]) {
        best[s] = c;
        parent[s] = state;
        open.push({c, s});
      }
    }
  }
  std::vector<RoutePoint> path;
  for (std::size_t s = reached; s != SIZE_MAX; s = parent[s]) path.push_back(grid.At(s / 4));
  std::ranges::reverse(path);
  return path;
}

// Drops repeated points and the middle of three in a row on one line.
std::vector<RoutePoint> Corners(const std::vector<RoutePoint>& points) {
  std::vector<RoutePoint> out;
  for (const RoutePoint& p : points) {
    if (!out.empty() && out.back() == p) continue;
    if (out.size() >= 2) {
      const RoutePoint& a = out[out.size() - 2];
      const RoutePoint& b = out.back();
      if ((a.x == b.x && b.x == p.x) || (a.y == b.y && b.y == p.y)) out.pop_back();
    }
    out.push_back(p);
  }
  return out;
}

Box Around(const std::vector<RoutePoint>& points) {
  Box b{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const RoutePoint& p : points) b = {std::min(b.left, p.x), std::min(b.top, p.y), std::max(b.right, p.x),
                                          std::max(b.bottom, p.y)};
  return b;
}

}  // namespace

std::vector<RoutePoint> Route(BlocksHolderModel& chart, const TBlock& from, RoutePoint start, const TBlock& to,
                              RoutePoint end) {
  const Box fromBox = BoxOf(from), toBox = BoxOf(to);
  const int startSide = SideOf(fromBox, start), endSide = SideOf(toBox, end);
  const RoutePoint a = Exit(fromBox, start, startSide), b = Exit(toBox, end, endSide);
  std::unordered_set<const TBlock*> seen;
  std::vector<Box> obstacles;
  // Takes in the symbols near the area not yet seen; false when there are none.
  auto takeIn = [&](const Box& area) {
    bool more = false;
    for (const std::int64_t n : chart.BlocksNear({area.left, area.top, area.right, area.bottom})) {
      const TBlock& s = chart.Blocks(n);
      if (!TakesLines(s) || !seen.insert(&s).second) continue;
      obstacles.push_back(Widened(BoxOf(s), kRouteClearance));
      more = true;
    }
    return more;
  };
  takeIn(Widened(Around({a, b, {fromBox.left, fromBox.top}, {toBox.right, toBox.bottom}}), kRouteClearance));
  // A route around a wide symbol may pass symbols that were not near the
  // two ends: each round takes those in too. The grid grows with the square
  // of the symbols, so a route past too many is none.
  for (int round = 0; round < 16 && obstacles.size() <= kMostSymbolsPassed; ++round) {
    const std::vector<RoutePoint> path = CheapestPath(Grid(obstacles, a, b), a, startSide, b, (endSide + 2) % 4);
    if (path.empty()) return {};
    std::vector<RoutePoint> route{start};
    route.insert(route.end(), path.begin(), path.end());
    route.push_back(end);
    if (!takeIn(Widened(Around(route), kRouteClearance))) return Corners(route);
  }
  return {};
}

std::pair<RoutePoint, RoutePoint> FacingPoints(const TBlock& from, const TBlock& to) {
  const Box f = BoxOf(from), t = BoxOf(to);
  const double dx = (static_cast<double>(t.left) + static_cast<double>(t.right)) / 2 -
                    (static_cast<double>(f.left) + static_cast<double>(f.right)) / 2;
  const double dy = (static_cast<double>(t.top) + static_cast<double>(t.bottom)) / 2 -
                    (static_cast<double>(f.top) + static_cast<double>(f.bottom)) / 2;
  // Connection points come top, right, bottom, left.
  const bool across = std::abs(dx) > std::abs(dy);
  const std::size_t out = across ? (dx > 0 ? 1 : 3) : (dy > 0 ? 2 : 0);
  const std::size_t in = (out + 2) % 4;
  auto point = [](const TBlock& b, std::size_t k) {
    const OutlinePoint p = ConnectionPoints(b)[k];
    return RoutePoint{RoundHalfEven(p.x), RoundHalfEven(p.y)};
  };
  return {point(from, out), point(to, in)};
}

std::int64_t ConnectSymbols(BlocksHolderModel& chart, std::int64_t from, RoutePoint start, std::int64_t to,
                            RoutePoint end) {
  if (from == to) return 0;
  const std::vector<RoutePoint> route = Route(chart, chart.Blocks(from), start, chart.Blocks(to), end);
  if (route.size() < 2) return 0;
  // Only the last line ends the way lines end by default.
  struct KeepDefault {
    BlocksHolderModel& chart;
    TBlocksLineArrows ends;
    ~KeepDefault() { chart.SetDefLineArrows(ends); }
  } keep{chart, chart.DefLineArrows()};
  ChartEdit edit(chart);
  for (std::size_t k = 1; k < route.size(); ++k) {
    chart.SetDefLineArrows(k + 1 == route.size() ? keep.ends : blaSimple);
    const RoutePoint p = route[k - 1], q = route[k];
    chart.AddDefaultBlock(btLine, p.x, p.y, WrapSub(q.x, p.x), WrapSub(q.y, p.y));
  }
  return static_cast<std::int64_t>(route.size()) - 1;
}

bool ConnectSelection(BlocksHolderModel& chart) {
  const TBlock* selection = chart.MultiSelection();
  if (!selection) return false;
  std::vector<std::int64_t> symbols;
  for (const TBlock* m : selection->Members)
    if (TakesLines(*m)) symbols.push_back(chart.IndexOfBlock(m));
  if (symbols.size() != 2) return false;
  std::ranges::sort(symbols);
  const auto [start, end] = FacingPoints(chart.Blocks(symbols[0]), chart.Blocks(symbols[1]));
  if (ConnectSymbols(chart, symbols[0], start, symbols[1], end) == 0) return false;
  chart.SetActiveBlock(chart.BlockCount());
  chart.DoActiveBlockChanged();
  return true;
}

}  // namespace quobrix
