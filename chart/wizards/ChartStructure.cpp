#include "chart/wizards/ChartStructure.h"

#include <algorithm>
#include <array>
#include <deque>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "chart/wizards/ChartWords.h"
#include "chart/wizards/ProgramTokens.h"

namespace quobrix {

namespace {

// Statements nest at most this deep when read back, as when read from text.
constexpr int kDeepest = 100;

// ----- symbol texts

std::vector<std::string> TextLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string line = Trimmed(std::string_view(text).substr(start, end - start));
    if (!line.empty()) lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : " ") + line;
  return text;
}

bool EndsWithWord(const std::string& line, std::string_view word) {
  const std::string lower = LowerCase(line);
  if (lower.size() < word.size() || lower.compare(lower.size() - word.size(), word.size(), word) != 0) return false;
  return lower.size() == word.size() || lower[lower.size() - word.size() - 1] == ' ';
}

// Whether a line of a rectangle leaves its statement unfinished: a bracket
// or a string open, or an operator last.
bool EndsOpen(const std::string& line) {
  int depth = 0;
  char quote = 0;
  for (char c : line) {
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == '(' || c == '[') {
      ++depth;
    } else if (c == ')' || c == ']') {
      --depth;
    }
  }
  if (quote || depth > 0) return true;
  if (std::string_view("+-*/=<>,(:[").find(line.back()) != std::string_view::npos) return true;
  static constexpr std::array kJoining = {"and", "or", "not", "div", "mod", "in", "xor"};
  return std::any_of(kJoining.begin(), kJoining.end(), [&](const char* w) { return EndsWithWord(line, w); });
}

bool StartsContinued(const std::string& line) {
  if (std::string_view("+-*/=<>),].%").find(line.front()) != std::string_view::npos) return true;
  static constexpr std::array kJoining = {"and ", "or ", "div ", "mod ", "in ", "xor "};
  const std::string lower = LowerCase(line);
  return std::any_of(kJoining.begin(), kJoining.end(), [&](const char* w) { return lower.rfind(w, 0) == 0; });
}

// The statements of a rectangle: one a line, where wrapping has not parted one.
std::vector<std::string> Statements(const std::vector<std::string>& lines) {
  std::vector<std::string> statements;
  for (const std::string& line : lines) {
    if (!statements.empty() && (EndsOpen(statements.back()) || StartsContinued(line))) {
      statements.back() += " " + line;
    } else {
      statements.push_back(line);
    }
  }
  return statements;
}

// ----- reading the flow

class StructureReader {
 public:
  explicit StructureReader(const ChartFlow& flow) : flow_(flow), emitted_(flow.vertices.size(), false) { FindCycles(); }

  FlowProgram Read() {
    std::vector<int> starts;
    for (std::size_t v = 0; v < flow_.vertices.size(); ++v) {
      const FlowVertex& vertex = flow_.vertices[v];
      if (vertex.kind != FlowSymbol::Terminal || vertex.exits.empty()) continue;
      if (!vertex.entries.empty()) Fail(ChartFlowFault::TerminalInAndOut, int(v));
      if (vertex.exits.size() > 1) Fail(ChartFlowFault::TwoWaysOut, int(v));
      starts.push_back(int(v));
    }
    if (starts.empty()) return Unframed();
    const auto main =
        std::find_if(starts.begin(), starts.end(), [&](int v) { return IsChartWord(Block(v).Text, ChartWord::Begin); });
    if (main != starts.end()) std::rotate(starts.begin(), main, main + 1);
    FlowProgram program;
    for (std::size_t i = 0; i < starts.size(); ++i) {
      const int start = starts[i];
      FlowSequence body = Chart(start);
      if (i == 0) {
        program.main = std::move(body);
      } else {
        program.routines.push_back({Joined(TextLines(Block(start).Text)), std::move(body), &Block(start)});
      }
    }
    return program;
  }

 private:
  struct Loop {
    int continueAt = -1;  // where a continue goes
    int exit = -1;        // where a break goes
  };

  const ChartFlow& flow_;
  std::vector<bool> emitted_;
  std::vector<Loop> loops_;                // innermost last
  std::vector<int> stops_;                 // where the enclosing parts end, innermost last
  std::set<std::pair<int, int>> repeats_;  // (first symbol, condition) of the repeat loops being read
  int depth_ = 0;
  std::vector<int> cycle_;    // of each vertex, the vertices it reaches that reach it back share a number
  std::vector<bool> cyclic_;  // and whether any path comes back to it
  bool unframed_ = false;     // the chart has no begin symbol, and the flow ends where it stops

  const TBlock& Block(int v) const { return *flow_.vertices[static_cast<std::size_t>(v)].block; }
  const FlowVertex& Vertex(int v) const { return flow_.vertices[static_cast<std::size_t>(v)]; }

  const TBlock* FirstSymbol() const { return flow_.vertices.empty() ? nullptr : flow_.vertices.front().block; }

  [[noreturn]] void Fail(ChartFlowFault fault, int vertex) const { throw ChartFlowError{fault, &Block(vertex)}; }

  // A chart drawn without begin and end symbols starts at the first symbol
  // nothing enters and ends where the flow stops.
  FlowProgram Unframed() {
    for (std::size_t v = 0; v < flow_.vertices.size(); ++v) {
      const FlowVertex& vertex = flow_.vertices[v];
      const bool symbol = vertex.kind != FlowSymbol::Terminal && vertex.kind != FlowSymbol::Jump;
      if (!symbol || !vertex.entries.empty() || vertex.exits.empty()) continue;
      unframed_ = true;
      stops_.push_back(-1);
      FlowProgram program{Sequence(int(v), -1), {}};
      stops_.pop_back();
      return program;
    }
    throw ChartFlowError{ChartFlowFault::NoBegin, FirstSymbol()};
  }

  // The body of one chart: from its begin down to its lowest end symbol,
  // which ends it without a return.
  FlowSequence Chart(int start) {
    const int end = FinalEnd(start);
    stops_.push_back(end);
    FlowSequence body = Sequence(Vertex(start).exits.front().to, end);
    stops_.pop_back();
    return body;
  }

  int FinalEnd(int start) const {
    int end = -1;
    std::vector<bool> seen(flow_.vertices.size(), false);
    std::vector<int> todo{start};
    while (!todo.empty()) {
      const int v = todo.back();
      todo.pop_back();
      if (seen[static_cast<std::size_t>(v)]) continue;
      seen[static_cast<std::size_t>(v)] = true;
      const FlowVertex& vertex = Vertex(v);
      if (vertex.kind == FlowSymbol::Terminal && v != start && ReturnText(v).empty() &&
          (end < 0 || Block(v).Y > Block(end).Y))
        end = v;
      for (const FlowExit& exit : vertex.exits) todo.push_back(exit.to);
      if (vertex.jumpTo >= 0) todo.push_back(vertex.jumpTo);
    }
    return end;
  }

  std::string ReturnText(int v) const {
    const std::string text = Joined(TextLines(Block(v).Text));
    return IsChartWord(text, ChartWord::End) ? "" : text;
  }

  // ----- where the flow can go

  bool IsBarrier(int v) const {
    if (std::find(stops_.begin(), stops_.end(), v) != stops_.end()) return true;
    return std::any_of(loops_.begin(), loops_.end(), [&](const Loop& l) { return l.continueAt == v || l.exit == v; });
  }

  // A jump to where an enclosing loop goes on or ends is a break or continue.
  bool IsLoopJump(int v) const {
    const FlowVertex& vertex = Vertex(v);
    return vertex.kind == FlowSymbol::Jump && IsBarrier(vertex.jumpTo);
  }

  std::vector<int> Next(int v) const {
    const FlowVertex& vertex = Vertex(v);
    if (vertex.kind == FlowSymbol::Jump)
      return vertex.jumpTo >= 0 && !IsLoopJump(v) ? std::vector<int>{vertex.jumpTo} : std::vector<int>{};
    std::vector<int> next;
    for (const FlowExit& exit : vertex.exits) next.push_back(exit.to);
    return next;
  }

  // The symbols reached from `from` within the part being read: the ends of
  // enclosing parts and loops, end symbols and `avoid` are reached but not
  // passed.
  std::vector<bool> Reached(int from, int avoid) const {
    std::vector<bool> seen(flow_.vertices.size(), false);
    std::vector<int> todo{from};
    while (!todo.empty()) {
      const int v = todo.back();
      todo.pop_back();
      if (seen[static_cast<std::size_t>(v)]) continue;
      seen[static_cast<std::size_t>(v)] = true;
      if (v == avoid || IsBarrier(v)) continue;
      for (int next : Next(v)) todo.push_back(next);
    }
    return seen;
  }

  bool Reaches(int from, int target) const {
    return from == target || Reached(from, target)[static_cast<std::size_t>(target)];
  }

  // Whether `from`, which `target` reaches, comes back to it within the
  // part being read. Every symbol on the way back shares target's cycle,
  // so the search stays in it: a decision that no loop holds costs nothing.
  bool ComesBack(int from, int target) const {
    if (from == target) return true;
    const int cycle = cycle_[static_cast<std::size_t>(target)];
    std::unordered_set<int> seen;
    std::vector<int> todo{from};
    while (!todo.empty()) {
      const int v = todo.back();
      todo.pop_back();
      if (v == target) return true;
      if (cycle_[static_cast<std::size_t>(v)] != cycle || !seen.insert(v).second || IsBarrier(v)) continue;
      for (int next : Next(v)) todo.push_back(next);
    }
    return false;
  }

  // The cycles of the whole flow (its strongly connected parts), found once
  // by two depth-first walks, forwards and backwards.
  void FindCycles() {
    const std::size_t n = flow_.vertices.size();
    const auto all = [&](int v) {
      std::vector<int> next;
      for (const FlowExit& exit : Vertex(v).exits) next.push_back(exit.to);
      if (Vertex(v).jumpTo >= 0) next.push_back(Vertex(v).jumpTo);
      return next;
    };
    std::vector<std::vector<int>> back(n);
    for (std::size_t v = 0; v < n; ++v)
      for (int next : all(int(v))) back[static_cast<std::size_t>(next)].push_back(int(v));
    std::vector<int> finished;
    std::vector<bool> seen(n, false);
    for (std::size_t root = 0; root < n; ++root) {
      if (seen[root]) continue;
      std::vector<std::pair<int, std::size_t>> stack{{int(root), 0}};
      seen[root] = true;
      while (!stack.empty()) {
        auto& [v, at] = stack.back();
        const std::vector<int> next = all(v);
        if (at < next.size()) {
          const int w = next[at++];
          if (!seen[static_cast<std::size_t>(w)]) {
            seen[static_cast<std::size_t>(w)] = true;
            stack.push_back({w, 0});
          }
        } else {
          finished.push_back(v);
          stack.pop_back();
        }
      }
    }
    cycle_.assign(n, -1);
    cyclic_.assign(n, false);
    for (auto root = finished.rbegin(); root != finished.rend(); ++root) {
      if (cycle_[static_cast<std::size_t>(*root)] >= 0) continue;
      std::vector<int> todo{*root}, members;
      cycle_[static_cast<std::size_t>(*root)] = *root;
      while (!todo.empty()) {
        const int v = todo.back();
        todo.pop_back();
        members.push_back(v);
        for (int w : back[static_cast<std::size_t>(v)])
          if (cycle_[static_cast<std::size_t>(w)] < 0) {
            cycle_[static_cast<std::size_t>(w)] = *root;
            todo.push_back(w);
          }
      }
      for (int v : members) {
        const std::vector<int> next = all(v);
        cyclic_[static_cast<std::size_t>(v)] =
            members.size() > 1 || std::find(next.begin(), next.end(), v) != next.end();
      }
    }
  }

  // ----- statements

  FlowSequence Sequence(int v, int stop) {
    if (++depth_ > kDeepest) Fail(ChartFlowFault::TooDeep, v);
    FlowSequence out;
    while (v != stop && v >= 0) {
      if (const auto jump = LoopJump(v)) {
        out.push_back({*jump, "", {}, {}, {}, &Block(v)});
        break;
      }
      const FlowVertex& vertex = Vertex(v);
      if (vertex.kind == FlowSymbol::Jump) {
        if (vertex.jumpTo < 0) Fail(ChartFlowFault::NoWayOut, v);
        v = vertex.jumpTo;
        continue;
      }
      if (vertex.kind == FlowSymbol::Terminal) {
        if (!vertex.exits.empty()) Fail(ChartFlowFault::TerminalInAndOut, v);
        out.push_back({FlowKind::Return, ReturnText(v), {}, {}, {}, &Block(v)});
        break;
      }
      if (IsBarrier(v)) Fail(ChartFlowFault::Unstructured, v);
      v = Statement(v, stop, out);
    }
    --depth_;
    return out;
  }

  // A break or a continue where the flow reaches the end or the next round
  // of the innermost loop before the end of the part being read.
  std::optional<FlowKind> LoopJump(int v) const {
    const int target = Vertex(v).kind == FlowSymbol::Jump && Vertex(v).jumpTo >= 0 ? Vertex(v).jumpTo : v;
    for (std::size_t i = loops_.size(); i-- > 0;) {
      const bool exit = loops_[i].exit == target, next = loops_[i].continueAt == target;
      if (!exit && !next) continue;
      if (i + 1 != loops_.size()) Fail(ChartFlowFault::LeavesTwoLoops, v);
      return exit ? FlowKind::Break : FlowKind::Continue;
    }
    return std::nullopt;
  }

  // Reads the statement at v into `out`; returns where the flow goes on.
  int Statement(int v, int stop, FlowSequence& out) {
    if (const auto latch = RepeatCondition(v)) return Repeat(v, *latch, out);
    const FlowVertex& vertex = Vertex(v);
    if (emitted_[static_cast<std::size_t>(v)]) Fail(ChartFlowFault::Unstructured, v);
    emitted_[static_cast<std::size_t>(v)] = true;
    if (vertex.kind == FlowSymbol::Decision || vertex.kind == FlowSymbol::Loop) return Branching(v, stop, out);
    if (vertex.exits.empty() && !unframed_) Fail(ChartFlowFault::NoWayOut, v);
    if (vertex.exits.size() > 1) Fail(ChartFlowFault::TwoWaysOut, v);
    Simple(v, out);
    return vertex.exits.empty() ? -1 : vertex.exits.front().to;
  }

  void Simple(int v, FlowSequence& out) const {
    const TBlock* symbol = &Block(v);
    std::vector<std::string> lines = TextLines(symbol->Text);
    const auto add = [&](FlowKind kind, std::string text) {
      out.push_back({kind, std::move(text), {}, {}, {}, symbol});
    };
    switch (Vertex(v).kind) {
      case FlowSymbol::Process:
        if (!lines.empty() && IsChartWord(lines.front(), ChartWord::Process)) lines.erase(lines.begin());
        for (std::string& statement : Statements(lines)) add(FlowKind::Process, std::move(statement));
        return;
      case FlowSymbol::Call:
        return add(FlowKind::Call, Joined(lines));
      default:
        break;
    }
    std::string text = Joined(lines);
    if (Vertex(v).kind == FlowSymbol::Input || StripChartWord(text, ChartWord::Input))
      return add(FlowKind::Input, text);
    StripChartWord(text, ChartWord::Output);
    add(FlowKind::Output, text);
  }

  // ----- decisions and loops

  struct Ways {
    int yes = -1, no = -1;
  };

  // Which way out of a decision means yes: by the labels, else the one
  // going down, else the left one, as the code wizard draws them.
  Ways WaysOut(int v) const {
    const std::vector<FlowExit>& exits = Vertex(v).exits;
    if (exits.size() != 2) Fail(ChartFlowFault::DecisionWays, v);
    const auto yes = [](const FlowExit& e) { return IsChartWord(e.label, ChartWord::Yes); };
    const auto no = [](const FlowExit& e) { return IsChartWord(e.label, ChartWord::No); };
    const FlowExit &a = exits[0], &b = exits[1];
    if ((yes(a) && yes(b)) || (no(a) && no(b))) Fail(ChartFlowFault::DecisionWays, v);
    if (yes(a) || no(b)) return {a.to, b.to};
    if (yes(b) || no(a)) return {b.to, a.to};
    if (a.side == FlowSide::Bottom && b.side != FlowSide::Bottom) return {a.to, b.to};
    if (b.side == FlowSide::Bottom && a.side != FlowSide::Bottom) return {b.to, a.to};
    if (a.side == FlowSide::Left && b.side == FlowSide::Right) return {a.to, b.to};
    if (b.side == FlowSide::Left && a.side == FlowSide::Right) return {b.to, a.to};
    if (a.to == b.to) return {a.to, b.to};
    Fail(ChartFlowFault::DecisionWays, v);
  }

  bool SidesOnly(int v) const {
    const std::vector<FlowExit>& exits = Vertex(v).exits;
    return std::all_of(exits.begin(), exits.end(),
                       [](const FlowExit& e) { return e.side == FlowSide::Left || e.side == FlowSide::Right; });
  }

  // The condition of a repeat loop whose body starts at v: a decision after
  // v that goes back to v one way and out of the loop the other; the last
  // of them where repeat loops start together.
  std::optional<int> RepeatCondition(int v) const {
    std::vector<int> latches;
    if (!cyclic_[static_cast<std::size_t>(v)]) return std::nullopt;
    for (int p : Vertex(v).entries) {
      const FlowVertex& vertex = Vertex(p);
      if (vertex.kind != FlowSymbol::Decision || p == v || IsBarrier(p) || repeats_.count({v, p}) ||
          vertex.exits.size() != 2 || cycle_[static_cast<std::size_t>(p)] != cycle_[static_cast<std::size_t>(v)])
        continue;
      if (!ComesBack(v, p)) continue;
      const int other = vertex.exits[0].to == v ? vertex.exits[1].to : vertex.exits[0].to;
      if (other == v || ComesBack(other, v)) continue;
      latches.push_back(p);
    }
    if (latches.empty()) return std::nullopt;
    const FlowVertex& vertex = Vertex(v);
    if (vertex.kind == FlowSymbol::Decision || vertex.kind == FlowSymbol::Loop) {
      // A loop of its own at v comes first unless v is plainly an if.
      const Ways ways = vertex.exits.size() == 2 ? Ways{vertex.exits[0].to, vertex.exits[1].to} : Ways{};
      const bool once = ways.yes >= 0 && ComesBack(ways.yes, v) != ComesBack(ways.no, v);
      if (once && !(vertex.kind == FlowSymbol::Decision && SidesOnly(v))) return std::nullopt;
    }
    for (int latch : latches)
      if (std::all_of(latches.begin(), latches.end(),
                      [&](int other) { return other == latch || ComesBack(other, latch); }))
        return latch;
    return latches.front();
  }

  int Repeat(int v, int latch, FlowSequence& out) {
    const Ways ways = WaysOut(latch);
    const bool backOnNo = ways.no == v;
    const int exit = backOnNo ? ways.yes : ways.no;
    repeats_.insert({v, latch});
    loops_.push_back({latch, exit});
    stops_.push_back(latch);
    FlowSequence body = Sequence(v, latch);
    stops_.pop_back();
    loops_.pop_back();
    repeats_.erase({v, latch});
    if (emitted_[static_cast<std::size_t>(latch)]) Fail(ChartFlowFault::Unstructured, latch);
    emitted_[static_cast<std::size_t>(latch)] = true;
    const std::string condition = Joined(TextLines(Block(latch).Text));
    out.push_back(
        {FlowKind::Repeat, backOnNo ? condition : Negated(condition), std::move(body), {}, {}, &Block(latch)});
    return exit;
  }

  static std::string Negated(const std::string& condition) { return "not (" + condition + ")"; }

  int Branching(int v, int stop, FlowSequence& out) {
    const bool counted = Vertex(v).kind == FlowSymbol::Loop;
    const Ways ways = counted ? LoopWays(v) : WaysOut(v);
    const bool yesBack = ComesBack(ways.yes, v), noBack = ComesBack(ways.no, v);
    if (counted || yesBack != noBack) {
      if (yesBack && noBack) Fail(ChartFlowFault::Unstructured, v);
      // A counted loop's body may leave it every time; its way out says which is the body then.
      const bool onNo = counted ? noBack : !yesBack;
      return WhileOrFor(v, onNo ? ways.no : ways.yes, onNo ? ways.yes : ways.no, onNo, out);
    }
    if (yesBack) Fail(ChartFlowFault::Unstructured, v);
    if (LeavingLoop(v, ways, stop)) return WhileOrFor(v, ways.yes, ways.no, false, out);
    return Decision(v, ways, stop, out);
  }

  // A while loop whose body always leaves it, by a jump or a return: drawn
  // as a loop, its body going down and its exit out of a side, and read as
  // one, the body meets nothing the exit reaches.
  bool LeavingLoop(int v, Ways ways, int stop) {
    const std::vector<FlowExit>& exits = Vertex(v).exits;
    const auto down =
        std::find_if(exits.begin(), exits.end(), [](const FlowExit& e) { return e.side == FlowSide::Bottom; });
    if (down == exits.end() || down->to != ways.yes || ways.yes == ways.no) return false;
    loops_.push_back({v, ways.no});
    const std::vector<bool> body = Reached(ways.yes, v);
    loops_.pop_back();
    const std::vector<bool> after = Reached(ways.no, v);
    if (stop >= 0 && body[static_cast<std::size_t>(stop)]) return false;
    for (std::size_t i = 0; i < body.size(); ++i)
      if (body[i] && after[i]) return false;
    return true;
  }

  // A loop symbol's body goes out of its bottom (or says yes), its exit out of a side.
  Ways LoopWays(int v) const {
    const std::vector<FlowExit>& exits = Vertex(v).exits;
    if (exits.size() != 2) Fail(ChartFlowFault::DecisionWays, v);
    const bool firstIsBody = ComesBack(exits[0].to, v) != ComesBack(exits[1].to, v)
                                 ? ComesBack(exits[0].to, v)
                                 : IsChartWord(exits[0].label, ChartWord::Yes) ||
                                       IsChartWord(exits[1].label, ChartWord::No) ||
                                       (exits[0].side == FlowSide::Bottom && exits[1].side != FlowSide::Bottom);
    return firstIsBody ? Ways{exits[0].to, exits[1].to} : Ways{exits[1].to, exits[0].to};
  }

  int WhileOrFor(int v, int body, int exit, bool onNo, FlowSequence& out) {
    loops_.push_back({v, exit});
    stops_.push_back(v);
    FlowSequence inner = Sequence(body, v);
    stops_.pop_back();
    loops_.pop_back();
    const std::string text = Joined(TextLines(Block(v).Text));
    const bool counted = Vertex(v).kind == FlowSymbol::Loop;
    out.push_back(
        {counted ? FlowKind::For : FlowKind::While, onNo ? Negated(text) : text, std::move(inner), {}, {}, &Block(v)});
    return exit;
  }

  int Decision(int v, Ways ways, int stop, FlowSequence& out) {
    FlowNode node{FlowKind::If, Joined(TextLines(Block(v).Text)), {}, {}, {}, &Block(v)};
    const int join = Join(v, ways);
    if (join >= 0) {
      stops_.push_back(join);
      node.body = Sequence(ways.yes, join);
      node.orElse = Sequence(ways.no, join);
      stops_.pop_back();
      out.push_back(std::move(node));
      return join;
    }
    // The branches never meet: the one that does not reach the end of this
    // part ends in a jump or a return, and the other goes on after it.
    const bool yesOn = stop >= 0 && Reaches(ways.yes, stop), noOn = stop >= 0 && Reaches(ways.no, stop);
    if (!noOn) node.orElse = Sequence(ways.no, stop);
    if (!yesOn) node.body = Sequence(ways.yes, stop);
    out.push_back(std::move(node));
    if (yesOn && noOn) Fail(ChartFlowFault::Unstructured, v);
    return yesOn ? ways.yes : noOn ? ways.no : stop;
  }

  // Where the branches of the decision at v meet: the first symbol both
  // reach within the part being read, other than where loops go on or end.
  // The two searches go on in turns; what lies beyond the meeting place is
  // reached only through it, so the first symbol both have reached is it.
  int Join(int v, Ways ways) const {
    std::unordered_map<int, int> reachedBy;  // 1 the yes branch, 2 the no branch, 3 both
    std::array<std::deque<int>, 2> todo{std::deque<int>{ways.yes}, std::deque<int>{ways.no}};
    while (!todo[0].empty() || !todo[1].empty()) {
      for (int side = 0; side < 2; ++side) {
        if (todo[side].empty()) continue;
        const int at = todo[side].front();
        todo[side].pop_front();
        int& by = reachedBy[at];
        if (by & (1 << side)) continue;
        by |= 1 << side;
        const bool meets = at != v && (!IsBarrier(at) || stops_.back() == at);
        if (by == 3 && meets) return at;
        if (at == v || IsBarrier(at)) continue;
        for (int next : Next(at)) todo[side].push_back(next);
      }
    }
    return -1;
  }
};

}  // namespace

std::variant<FlowProgram, ChartFlowError> ReadChartProgram(const BlocksHolderModel& chart) {
  auto flow = ReadChartFlow(chart);
  if (const auto* error = std::get_if<ChartFlowError>(&flow)) return *error;
  try {
    return StructureReader(std::get<ChartFlow>(flow)).Read();
  } catch (const ChartFlowError& error) {
    return error;
  }
}

}  // namespace quobrix
