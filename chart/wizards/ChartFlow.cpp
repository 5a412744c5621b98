#include "chart/wizards/ChartFlow.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

#include "chart/wizards/ChartWords.h"
#include "chart/wizards/ProgramTokens.h"

namespace quobrix {

namespace {

constexpr double kAttachReach = 100;       // how far outside its box a line end still belongs to a symbol
constexpr double kTouch = 50;              // how near a line end must come to another line to join it
constexpr double kCell = 4000;             // the side of a cell of the lookup grid
constexpr std::int64_t kMostCells = 4096;  // an item wider than this many cells is checked everywhere

struct Point {
  double x = 0, y = 0;
};

struct Box {
  double left = 0, top = 0, right = 0, bottom = 0;
};

Box BoxOf(const TBlock& b) {
  const double x1 = double(b.X), y1 = double(b.Y), x2 = x1 + double(b.W), y2 = y1 + double(b.H);
  return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

double SegmentDistance(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  const double t = length2 == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

std::optional<FlowSymbol> SymbolKind(std::uint8_t type) {
  switch (type) {
    case btBeginEnd:
      return FlowSymbol::Terminal;
    case btRectangle:
    case btDelay:
      return FlowSymbol::Process;
    case btSRectangle:
      return FlowSymbol::InOut;
    case btInputSymbol:
      return FlowSymbol::Input;
    case btDocument:
    case btDisplay:
      return FlowSymbol::Output;
    case btLRectangle:
      return FlowSymbol::Call;
    case btLogicIf:
      return FlowSymbol::Decision;
    case btHexagon:
      return FlowSymbol::Loop;
    case btCircle:
    case btOffPageConnector:
      return FlowSymbol::Jump;
    default:
      return std::nullopt;
  }
}

bool HasEndArrow(std::uint8_t arrows) {
  return arrows == blaEndArrow || arrows == blaEndArrow2 || arrows == blaFilledEndArrow || arrows == blaFilledEndArrow2;
}

// Items filed by the grid cells their boxes cover, to find what lies near a point.
class Grid {
 public:
  void Add(int item, const Box& box) {
    const auto [x1, y1] = Cell(box.left, box.top);
    const auto [x2, y2] = Cell(box.right, box.bottom);
    if (x2 - x1 >= kMostCells || y2 - y1 >= kMostCells || (x2 - x1 + 1) * (y2 - y1 + 1) > kMostCells)
      return everywhere_.push_back(item);
    for (std::int64_t x = x1; x <= x2; ++x)
      for (std::int64_t y = y1; y <= y2; ++y) cells_[{x, y}].push_back(item);
  }

  std::vector<int> Near(Point p) const {
    std::vector<int> items = everywhere_;
    const auto [cx, cy] = Cell(p.x, p.y);
    if (const auto found = cells_.find({cx, cy}); found != cells_.end())
      items.insert(items.end(), found->second.begin(), found->second.end());
    return items;
  }

 private:
  std::map<std::pair<std::int64_t, std::int64_t>, std::vector<int>> cells_;
  std::vector<int> everywhere_;

  static std::pair<std::int64_t, std::int64_t> Cell(double x, double y) {
    const auto one = [](double v) { return std::int64_t(std::clamp(std::floor(v / kCell), -1e12, 1e12)); };
    return {one(x), one(y)};
  }
};

struct Line {
  const TBlock* block = nullptr;
  Point end[2];
  int attached[2] = {-1, -1};  // the vertex each end belongs to
};

struct Attachment {
  int line = 0, end = 0;
};

class FlowReader {
 public:
  explicit FlowReader(const BlocksHolderModel& chart) : chart_(chart) {}

  ChartFlow Read() {
    CollectSymbols();
    CollectLines();
    JoinTouchingLines();
    for (const std::vector<int>& path : Paths()) FollowPath(path);
    Connectors();
    for (std::size_t v = 0; v < flow_.vertices.size(); ++v)
      for (const FlowExit& exit : flow_.vertices[v].exits) {
        std::vector<int>& entries = flow_.vertices[static_cast<std::size_t>(exit.to)].entries;
        if (std::find(entries.begin(), entries.end(), int(v)) == entries.end()) entries.push_back(int(v));
      }
    return std::move(flow_);
  }

 private:
  const BlocksHolderModel& chart_;
  ChartFlow flow_;
  std::vector<Box> boxes_;
  Grid symbolGrid_, lineGrid_;
  std::vector<Line> lines_;
  std::vector<int> parent_;  // union of touching lines

  [[noreturn]] void Fail(ChartFlowFault fault, int vertex) const {
    throw ChartFlowError{fault, flow_.vertices[static_cast<std::size_t>(vertex)].block};
  }

  void CollectSymbols() {
    for (const auto& block : chart_.List()) {
      const auto kind = SymbolKind(block->BT);
      if (!kind) continue;
      symbolGrid_.Add(int(flow_.vertices.size()), Widened(BoxOf(*block)));
      boxes_.push_back(BoxOf(*block));
      flow_.vertices.push_back({block.get(), *kind, {}, {}, -1});
    }
  }

  static Box Widened(Box b) {
    return {b.left - kAttachReach, b.top - kAttachReach, b.right + kAttachReach, b.bottom + kAttachReach};
  }

  // The symbol whose widened box holds the point, the nearest centre first.
  int SymbolAt(Point p) const {
    int best = -1;
    double bestDistance = 0;
    for (int v : symbolGrid_.Near(p)) {
      const Box b = Widened(boxes_[static_cast<std::size_t>(v)]);
      if (p.x < b.left || p.x > b.right || p.y < b.top || p.y > b.bottom) continue;
      const double d = std::hypot(p.x - (b.left + b.right) / 2, p.y - (b.top + b.bottom) / 2);
      if (best < 0 || d < bestDistance) best = v, bestDistance = d;
    }
    return best;
  }

  void CollectLines() {
    for (const auto& block : chart_.List()) {
      if (block->BT != btLine) continue;
      Line line{block.get(),
                {{double(block->X), double(block->Y)},
                 {double(block->X) + double(block->W), double(block->Y) + double(block->H)}},
                {-1, -1}};
      for (int e = 0; e < 2; ++e) line.attached[e] = SymbolAt(line.end[e]);
      lineGrid_.Add(int(lines_.size()), Widened(BoxOf(*block)));
      lines_.push_back(line);
    }
    parent_.resize(lines_.size());
    std::iota(parent_.begin(), parent_.end(), 0);
  }

  int Root(int line) {
    while (parent_[static_cast<std::size_t>(line)] != line)
      line = parent_[static_cast<std::size_t>(line)] =
          parent_[static_cast<std::size_t>(parent_[static_cast<std::size_t>(line)])];
    return line;
  }

  // The other lines the point lies on.
  std::vector<int> LinesThrough(Point p, int except) const {
    std::vector<int> found;
    for (int other : lineGrid_.Near(p)) {
      const Line& o = lines_[static_cast<std::size_t>(other)];
      if (other != except && SegmentDistance(p, o.end[0], o.end[1]) <= kTouch) found.push_back(other);
    }
    return found;
  }

  // An end that belongs to no symbol joins the lines it touches.
  void JoinTouchingLines() {
    for (std::size_t i = 0; i < lines_.size(); ++i)
      for (int e = 0; e < 2; ++e)
        if (lines_[i].attached[e] < 0)
          for (int other : LinesThrough(lines_[i].end[e], int(i)))
            parent_[static_cast<std::size_t>(Root(int(i)))] = Root(other);
  }

  std::vector<std::vector<int>> Paths() {
    std::map<int, std::vector<int>> paths;
    for (std::size_t i = 0; i < lines_.size(); ++i) paths[Root(int(i))].push_back(int(i));
    std::vector<std::vector<int>> out;
    for (auto& [root, path] : paths) out.push_back(std::move(path));
    return out;
  }

  FlowSide SideOf(int vertex, Point p) const {
    const Box& b = boxes_[static_cast<std::size_t>(vertex)];
    const double u = (p.x - (b.left + b.right) / 2) / std::max(1.0, (b.right - b.left) / 2);
    const double v = (p.y - (b.top + b.bottom) / 2) / std::max(1.0, (b.bottom - b.top) / 2);
    if (std::abs(v) >= std::abs(u)) return v < 0 ? FlowSide::Top : FlowSide::Bottom;
    return u < 0 ? FlowSide::Left : FlowSide::Right;
  }

  // How much the way a path is drawn says the flow enters the symbol here.
  double EntryScore(const Attachment& a) const {
    const Line& line = lines_[static_cast<std::size_t>(a.line)];
    const int vertex = line.attached[a.end];
    const FlowSide side = SideOf(vertex, line.end[a.end]);
    const FlowSymbol kind = flow_.vertices[static_cast<std::size_t>(vertex)].kind;
    double score = a.end == 1 ? 0.5 : -0.5;  // the wizards draw a line the way the flow goes
    if (side == FlowSide::Top) score += 2;
    if (side == FlowSide::Bottom) score -= 2;
    if (kind == FlowSymbol::Decision && (side == FlowSide::Left || side == FlowSide::Right)) score -= 1;
    if (kind == FlowSymbol::Loop && side == FlowSide::Left) score += 1;   // a loop's return line
    if (kind == FlowSymbol::Loop && side == FlowSide::Right) score -= 1;  // and its exit
    return score;
  }

  // The attachments reached from the lines that touch the point, not
  // passing through `line`.
  std::vector<bool> ReachedFrom(Point p, int line, const std::vector<int>& path) const {
    std::vector<bool> seen(lines_.size(), false);
    std::vector<int> todo = LinesThrough(p, line);
    seen[static_cast<std::size_t>(line)] = true;
    while (!todo.empty()) {
      const int at = todo.back();
      todo.pop_back();
      if (seen[static_cast<std::size_t>(at)]) continue;
      seen[static_cast<std::size_t>(at)] = true;
      for (int e = 0; e < 2; ++e)
        for (int next : LinesThrough(lines_[static_cast<std::size_t>(at)].end[e], at)) todo.push_back(next);
      for (int other : path)  // lines that end on this one
        for (int e = 0; e < 2; ++e)
          if (!seen[static_cast<std::size_t>(other)] && lines_[static_cast<std::size_t>(other)].attached[e] < 0 &&
              SegmentDistance(lines_[static_cast<std::size_t>(other)].end[e],
                              lines_[static_cast<std::size_t>(at)].end[0],
                              lines_[static_cast<std::size_t>(at)].end[1]) <= kTouch)
            todo.push_back(other);
    }
    seen[static_cast<std::size_t>(line)] = false;
    return seen;
  }

  void FollowPath(const std::vector<int>& path) {
    std::vector<Attachment> ends;
    for (int line : path)
      for (int e = 0; e < 2; ++e)
        if (lines_[static_cast<std::size_t>(line)].attached[e] >= 0) ends.push_back({line, e});
    if (ends.size() < 2) return;  // a stub leads nowhere; the symbol it leaves shows that
    std::vector<bool> candidate(ends.size(), true);
    for (int line : path) {
      const Line& l = lines_[static_cast<std::size_t>(line)];
      if (!HasEndArrow(l.block->LineArrows)) continue;
      // The flow goes where the arrow points: to the symbol at that end, or on past it.
      const std::vector<bool> beyond = ReachedFrom(l.end[1], line, path);
      for (std::size_t i = 0; i < ends.size(); ++i) {
        const bool atHead = ends[i].line == line && ends[i].end == 1;
        const bool past = ends[i].line != line && beyond[static_cast<std::size_t>(ends[i].line)];
        if (!atHead && !past) candidate[i] = false;
      }
    }
    int sink = -1;
    bool tie = false;
    for (std::size_t i = 0; i < ends.size(); ++i) {
      if (!candidate[i]) continue;
      if (sink < 0 || EntryScore(ends[i]) > EntryScore(ends[static_cast<std::size_t>(sink)])) {
        sink = int(i), tie = false;
      } else if (EntryScore(ends[i]) == EntryScore(ends[static_cast<std::size_t>(sink)])) {
        tie = true;
      }
    }
    const auto vertexOf = [&](const Attachment& a) { return lines_[static_cast<std::size_t>(a.line)].attached[a.end]; };
    if (sink < 0 || tie) Fail(ChartFlowFault::UnclearDirection, vertexOf(ends.front()));
    const int to = vertexOf(ends[static_cast<std::size_t>(sink)]);
    for (std::size_t i = 0; i < ends.size(); ++i) {
      if (int(i) == sink) continue;
      const Line& line = lines_[static_cast<std::size_t>(ends[i].line)];
      const int from = vertexOf(ends[i]);
      if (from == to && ends[i].line == ends[static_cast<std::size_t>(sink)].line)
        continue;  // a line from a symbol to itself
      flow_.vertices[static_cast<std::size_t>(from)].exits.push_back(
          {to, Trimmed(line.block->Text), SideOf(from, line.end[ends[i].end])});
    }
  }

  // A connector that the flow leaves stands for where it leads; one it only
  // enters jumps to the connector of the same label that the flow leaves,
  // in the same chart (its symbols joined by lines), else anywhere.
  void Connectors() {
    const std::vector<int> chart = Charts();
    std::map<std::pair<int, std::string>, int> continued;  // (chart, label): the connector the flow leaves
    std::map<std::string, std::vector<int>> anywhere;
    for (std::size_t v = 0; v < flow_.vertices.size(); ++v) {
      const FlowVertex& vertex = flow_.vertices[v];
      if (vertex.kind != FlowSymbol::Jump || vertex.exits.empty()) continue;
      if (vertex.exits.size() > 1) Fail(ChartFlowFault::TwoWaysOut, int(v));
      if (!continued.emplace(std::pair{chart[v], Label(vertex)}, int(v)).second)
        Fail(ChartFlowFault::ConnectorNowhere, int(v));
      anywhere[Label(vertex)].push_back(int(v));
    }
    const auto twin = [&](int v) {
      const std::string label = Label(flow_.vertices[static_cast<std::size_t>(v)]);
      if (const auto found = continued.find({chart[static_cast<std::size_t>(v)], label}); found != continued.end())
        return found->second;
      const auto found = anywhere.find(label);
      return found != anywhere.end() && found->second.size() == 1 ? found->second.front() : -1;
    };
    const auto through = [&](int v) {
      for (std::size_t steps = 0; steps <= flow_.vertices.size(); ++steps) {
        const FlowVertex& vertex = flow_.vertices[static_cast<std::size_t>(v)];
        if (vertex.kind != FlowSymbol::Jump) return v;
        const bool offPage = vertex.block->BT == btOffPageConnector;
        if (vertex.exits.empty() && !offPage) return v;  // a jump stays a place of its own
        if (vertex.exits.empty()) {
          const int next = twin(v);
          if (next < 0) Fail(ChartFlowFault::ConnectorNowhere, v);
          v = next;
        } else {
          v = vertex.exits.front().to;
        }
      }
      Fail(ChartFlowFault::ConnectorNowhere, v);
    };
    for (FlowVertex& vertex : flow_.vertices)
      for (FlowExit& exit : vertex.exits) exit.to = through(exit.to);
    for (std::size_t v = 0; v < flow_.vertices.size(); ++v) {
      FlowVertex& vertex = flow_.vertices[v];
      if (vertex.kind != FlowSymbol::Jump || !vertex.exits.empty()) continue;
      const int next = twin(int(v));
      if (next < 0) {
        if (Trimmed(vertex.block->Text).empty()) continue;  // a circle drawn for its own sake
        Fail(ChartFlowFault::ConnectorNowhere, int(v));
      }
      vertex.jumpTo = through(next);
    }
    for (FlowVertex& vertex : flow_.vertices)
      if (vertex.kind == FlowSymbol::Jump && vertex.jumpTo < 0) vertex.exits.clear();
  }

  // For each vertex, a number shared by the vertices its lines join it to,
  // and by those an off-page connector's only twin leads on to: a chart
  // going over several pages stays one chart.
  std::vector<int> Charts() const {
    std::vector<int> chart(flow_.vertices.size());
    std::iota(chart.begin(), chart.end(), 0);
    const auto root = [&](int v) {
      while (chart[static_cast<std::size_t>(v)] != v) v = chart[static_cast<std::size_t>(v)];
      return v;
    };
    const auto join = [&](int a, int b) { chart[static_cast<std::size_t>(root(b))] = root(a); };
    std::map<std::string, std::vector<int>> pageExits;  // off-page connectors the flow leaves, by label
    for (std::size_t v = 0; v < flow_.vertices.size(); ++v) {
      const FlowVertex& vertex = flow_.vertices[v];
      for (const FlowExit& exit : vertex.exits) join(int(v), exit.to);
      if (vertex.block->BT == btOffPageConnector && !vertex.exits.empty()) pageExits[Label(vertex)].push_back(int(v));
    }
    for (std::size_t v = 0; v < flow_.vertices.size(); ++v) {
      const FlowVertex& vertex = flow_.vertices[v];
      if (vertex.block->BT != btOffPageConnector || !vertex.exits.empty()) continue;
      const auto twin = pageExits.find(Label(vertex));
      if (twin != pageExits.end() && twin->second.size() == 1) join(int(v), twin->second.front());
    }
    for (std::size_t v = 0; v < chart.size(); ++v) chart[v] = root(int(v));
    return chart;
  }

  static std::string Label(const FlowVertex& vertex) { return LowerCase(Trimmed(vertex.block->Text)); }
};

}  // namespace

std::string ChartFlowError::Message() const {
  switch (fault) {
    case ChartFlowFault::NoBegin:
      return "no begin symbol that the flow leaves";
    case ChartFlowFault::NoWayOut:
      return "the flow stops at a symbol that is no end";
    case ChartFlowFault::TwoWaysOut:
      return "more than one way out of a symbol that is no decision";
    case ChartFlowFault::DecisionWays:
      return "a decision or loop without two ways out that tell yes from no";
    case ChartFlowFault::TerminalInAndOut:
      return "the flow both enters and leaves a begin or end symbol";
    case ChartFlowFault::UnclearDirection:
      return "neither arrows nor the drawing tell which way a line goes";
    case ChartFlowFault::ConnectorNowhere:
      return "a connector whose label continues nowhere, or in two places";
    case ChartFlowFault::Unstructured:
      return "the flow comes back or jumps in where no loop or decision can";
    case ChartFlowFault::LeavesTwoLoops:
      return "a jump out of more than the innermost loop";
    case ChartFlowFault::TooDeep:
      return "statements nested too deep";
    case ChartFlowFault::LoopStep:
      return "a counted loop's step the language has no loop for";
  }
  return "no structured program";
}

std::variant<ChartFlow, ChartFlowError> ReadChartFlow(const BlocksHolderModel& chart) {
  try {
    return FlowReader(chart).Read();
  } catch (const ChartFlowError& error) {
    return error;
  }
}

}  // namespace quobrix
