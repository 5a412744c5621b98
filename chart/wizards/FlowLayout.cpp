#include "chart/wizards/FlowLayout.h"

#include <algorithm>

namespace quobrix {

namespace {

// Consecutive statements share one rectangle up to this many lines.
constexpr std::size_t kMaxProcessLines = 6;
// Room beside a yes or no label on its line.
constexpr std::int64_t kLabelSlack = 400;
// Corner lines are whole even millimetres, so branch axes stay on millimetres.
constexpr std::int64_t kLabelGrid = 200;

void AddLine(Figure& f, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
             std::uint8_t arrows = blaSimple, const std::string& text = "", std::uint8_t place = btpInside) {
  if (x1 == x2 && y1 == y2) return;
  f.blocks.push_back({btLine, x1, y1, x2 - x1, y2 - y1, text, arrows, text.empty() ? std::uint8_t{btpInside} : place});
}

void Place(Figure& into, const Figure& part, std::int64_t dx, std::int64_t dy) {
  for (PlannedBlock block : part.blocks) {
    block.x += dx;
    block.y += dy;
    into.blocks.push_back(std::move(block));
  }
}

std::uint8_t ArrowInto(const Figure& part) { return part.entersSymbol ? blaEndArrow : blaSimple; }

std::string Labelled(const std::string& word, const std::string& text) {
  return text.empty() ? word : word + " " + text;
}

// Every builder takes `top`, where its figure's 0 lies on the sheet, so
// that it can keep its symbols off page breaks.
class Layout {
 public:
  explicit Layout(const LayoutStyle& style) : style_(style) {}

  Figure Chart(const std::string& beginText, const FlowSequence& body, std::int64_t top) {
    Figure chart = Symbol(btBeginEnd, {beginText}, top);
    const Figure inner = Sequence(body, Below(chart, top));
    bool open = true;
    std::string label;
    if (!inner.blocks.empty()) {
      Append(chart, inner, ArrowInto(inner), "");
      open = inner.open;
      label = inner.exitLabel;
    }
    if (open) Append(chart, Symbol(btBeginEnd, {style_.words.end}, Below(chart, top)), blaEndArrow, label);
    return chart;
  }

 private:
  struct Loop {
    int breakLabel = 0;     // the connector a break jumps to, 0 while none does
    int continueLabel = 0;
  };

  const LayoutStyle& style_;
  std::vector<Loop*> loops_;  // innermost last
  int connectors_ = 0;

  // Where on the sheet a part appended to `f` (of a figure at `top`) starts.
  static std::int64_t Below(const Figure& f, std::int64_t top) { return top + f.height + kFlowGap; }

  // Puts `part` a flow gap below `into`, joined by a line from its exit to
  // where the part is entered.
  static void Append(Figure& into, const Figure& part, std::uint8_t arrows, const std::string& label) {
    AddLine(into, 0, into.height, 0, into.height + kFlowGap + part.entry, arrows, label, btpRightSide);
    Place(into, part, 0, into.height + kFlowGap);
    into.height += kFlowGap + part.height;
    into.left = std::max(into.left, part.left);
    into.right = std::max(into.right, part.right);
  }

  // A symbol at the top of its figure, or lower where a page break would
  // cut it or part it from the `keep` below it.
  Figure Placed(PlannedBlock block, std::int64_t top, std::int64_t keep = 0) const {
    Figure f;
    f.entry = FitOnPage(top, block.h, style_.sheet, keep) - top;
    block.y = f.entry;
    f.left = f.right = block.w / 2;
    f.height = f.entry + block.h;
    f.entersSymbol = true;
    f.blocks.push_back(std::move(block));
    return f;
  }

  Figure Symbol(std::uint8_t type, const std::vector<std::string>& lines, std::int64_t top, std::int64_t keep = 0) const {
    const FittedSymbol fitted = FitSymbol(type, lines, style_.symbol, style_.metrics);
    return Placed({type, -fitted.width / 2, 0, fitted.width, fitted.height, fitted.text, blaSimple, btpInside}, top,
                  keep);
  }

  // A decision or a loop's symbol stays on the page of the first symbol below it.
  Figure Head(std::uint8_t type, const std::string& text, std::int64_t top) const {
    return Symbol(type, {text}, top, kFlowGap + style_.symbol.height);
  }

  static PlannedBlock ConnectorBlock(int label) {
    return {btCircle, -kConnectorSize / 2, 0, kConnectorSize, kConnectorSize, std::to_string(label), blaSimple, btpInside};
  }

  Figure Connector(int label, std::int64_t top) const { return Placed(ConnectorBlock(label), top); }

  // The length of the lines leaving a decision's corners: room for the
  // longer of the yes and no labels, the same on both sides.
  std::int64_t CornerLine() const {
    const std::int64_t label = std::max(TextWidth(style_.words.yes, style_.metrics), TextWidth(style_.words.no, style_.metrics));
    return std::max(kFlowGap, (label + kLabelSlack + kLabelGrid - 1) / kLabelGrid * kLabelGrid);
  }

  Figure Sequence(const FlowSequence& nodes, std::int64_t top) {
    Figure sequence;
    std::size_t at = 0;
    while (at < nodes.size()) {
      if (sequence.blocks.empty()) {
        sequence = Item(nodes, at, top);
        continue;
      }
      const Figure part = Item(nodes, at, Below(sequence, top));
      if (sequence.open) {
        Append(sequence, part, ArrowInto(part), sequence.exitLabel);
      } else {  // nothing reaches it; the readers leave no such statement
        Place(sequence, part, 0, sequence.height + kFlowGap);
        sequence.height += kFlowGap + part.height;
      }
      sequence.open = part.open;
      sequence.exitLabel = part.exitLabel;
    }
    return sequence;
  }

  // The figure of nodes[at], or of the run of statements that share its
  // symbol; moves `at` past them.
  Figure Item(const FlowSequence& nodes, std::size_t& at, std::int64_t top) {
    const FlowNode& node = nodes[at++];
    const auto runOf = [&](FlowKind kind) { return at < nodes.size() && nodes[at].kind == kind; };
    switch (node.kind) {
      case FlowKind::Process: {
        std::vector<std::string> lines{node.text};
        while (runOf(FlowKind::Process) && lines.size() < kMaxProcessLines) lines.push_back(nodes[at++].text);
        return Symbol(btRectangle, lines, top);
      }
      case FlowKind::Input: {
        std::string variables = node.text;
        for (; runOf(FlowKind::Input); ++at)
          if (!nodes[at].text.empty()) variables += (variables.empty() ? "" : ", ") + nodes[at].text;
        return Symbol(btSRectangle, {Labelled(style_.words.input, variables)}, top);
      }
      case FlowKind::Output:
        return Symbol(btSRectangle, {Labelled(style_.words.output, node.text)}, top);
      case FlowKind::Call:
        return Symbol(btLRectangle, {node.text}, top);
      case FlowKind::Return: {
        Figure end = Symbol(btBeginEnd, {node.text.empty() ? style_.words.end : node.text}, top);
        end.open = false;
        return end;
      }
      case FlowKind::Break:
      case FlowKind::Continue:
        return Jump(node, top);
      case FlowKind::If:
        return Decision(node, top);
      case FlowKind::While:
        return WhileLoop(node, top);
      case FlowKind::Repeat:
        return RepeatLoop(node, top);
      case FlowKind::For:
        return ForLoop(node, top);
    }
    return Symbol(btRectangle, {node.text}, top);
  }

  // A break or continue ends in a numbered connector; the same number marks
  // where the loop goes on.
  Figure Jump(const FlowNode& node, std::int64_t top) {
    if (loops_.empty()) return Symbol(btRectangle, {node.text}, top);
    int& label = node.kind == FlowKind::Break ? loops_.back()->breakLabel : loops_.back()->continueLabel;
    if (label == 0) label = ++connectors_;
    Figure jump = Connector(label, top);
    jump.open = false;
    return jump;
  }

  Figure LoopBody(const FlowSequence& body, Loop& loop, std::int64_t top) {
    loops_.push_back(&loop);
    Figure figure = Sequence(body, top);
    loops_.pop_back();
    return figure;
  }

  // The branches hang below the decision's left (yes) and right (no)
  // corners and meet again below the longer one.
  Figure Decision(const FlowNode& node, std::int64_t top) {
    Figure f = Head(btLogicIf, node.text, top);
    const std::int64_t half = f.right;
    const std::int64_t mid = (f.entry + f.height) / 2;
    const std::int64_t branchTop = f.height + kFlowGap;
    const Figure yes = Sequence(node.body, top + branchTop);
    const Figure no = Sequence(node.orElse, top + branchTop);
    const std::int64_t a = std::max(half + CornerLine(), yes.right + kBranchGap / 2);
    const std::int64_t b = std::max(half + CornerLine(), no.left + kBranchGap / 2);
    const std::int64_t join = Join(branchTop + std::max(yes.height, no.height) + kFlowGap / 2, top);
    Branch(f, -half, -a, mid, branchTop, join, yes, style_.words.yes);
    Branch(f, half, b, mid, branchTop, join, no, style_.words.no);
    if (yes.open && no.open) {
      AddLine(f, -a, join, b, join);
    } else if (yes.open) {
      AddLine(f, -a, join, 0, join);
    } else if (no.open) {
      AddLine(f, b, join, 0, join);
    }
    f.left = std::max(half, a + yes.left);
    f.right = std::max(half, b + no.right);
    f.height = join;
    f.open = yes.open || no.open;
    return f;
  }

  static void Branch(Figure& f, std::int64_t corner, std::int64_t axis, std::int64_t mid, std::int64_t top,
                     std::int64_t join, const Figure& branch, const std::string& label) {
    AddLine(f, corner, mid, axis, mid, blaSimple, label, btpUnder);
    if (branch.blocks.empty()) return AddLine(f, axis, mid, axis, join);
    AddLine(f, axis, mid, axis, top + branch.entry, ArrowInto(branch));
    Place(f, branch, axis, top);
    if (branch.open) AddLine(f, axis, top + branch.height, axis, join, blaSimple, branch.exitLabel, btpRightSide);
  }

  // The condition first; yes goes down into the body, whose return line
  // climbs on the left to just above the condition; no leaves on the right.
  Figure WhileLoop(const FlowNode& node, std::int64_t top) {
    Figure f = Head(btLogicIf, node.text, top);
    const std::int64_t half = f.right;
    const std::int64_t conditionTop = f.entry;
    const std::int64_t mid = (f.entry + f.height) / 2;
    Loop loop;
    const std::int64_t bodyTop = f.height + kFlowGap;
    const Figure body = LoopBody(node.body, loop, top + bodyTop);
    AddLine(f, 0, f.height, 0, bodyTop + body.entry, ArrowInto(body), style_.words.yes, btpRightSide);
    Place(f, body, 0, bodyTop);
    const std::int64_t left = std::max(body.left, half) + kChannelGap;
    const std::int64_t right = std::max(body.right + kChannelGap, half + CornerLine());
    const Ends ends = LoopEnds(bodyTop + body.height, top);
    CloseLoop(f, body, ends, left, loop, {conditionTop - kFlowGap / 2, 0}, top);
    ExitRight(f, half, mid, right, ends.exit, style_.words.no);
    f.left = left + (loop.continueLabel ? kConnectorSize / 2 : 0);
    f.right = right;
    BreakConnector(f, loop, top);
    return f;
  }

  // The counted loop's symbol; the body below it, its return line entering
  // the symbol's left corner, the exit leaving the right one.
  Figure ForLoop(const FlowNode& node, std::int64_t top) {
    Figure f = Head(btHexagon, node.text, top);
    const std::int64_t half = f.right;
    const std::int64_t mid = (f.entry + f.height) / 2;
    Loop loop;
    const std::int64_t bodyTop = f.height + kFlowGap;
    const Figure body = LoopBody(node.body, loop, top + bodyTop);
    AddLine(f, 0, f.height, 0, bodyTop + body.entry, ArrowInto(body));
    Place(f, body, 0, bodyTop);
    const std::int64_t left = std::max(body.left, half) + kChannelGap;
    const std::int64_t right = std::max(body.right, half) + kChannelGap;
    const Ends ends = LoopEnds(bodyTop + body.height, top);
    CloseLoop(f, body, ends, left, loop, {mid, -half}, top);
    ExitRight(f, half, mid, right, ends.exit, "");
    f.left = left + (loop.continueLabel ? kConnectorSize / 2 : 0);
    f.right = right;
    BreakConnector(f, loop, top);
    return f;
  }

  // The body first, then the condition that ends the loop: no climbs on
  // the left back to just above the body, yes goes on down.
  Figure RepeatLoop(const FlowNode& node, std::int64_t top) {
    Figure f;
    f.entry = Join(0, top);  // the flow comes in at a join, not a symbol
    const std::int64_t bodyTop = f.entry + kFlowGap;
    Loop loop;
    const Figure body = LoopBody(node.body, loop, top + bodyTop);
    AddLine(f, 0, f.entry, 0, bodyTop + body.entry, ArrowInto(body));
    Place(f, body, 0, bodyTop);
    f.height = bodyTop + body.height;
    f.left = body.left;
    f.right = body.right;
    f.open = body.open;
    std::string label = body.exitLabel;
    if (loop.continueLabel) {
      Append(f, Connector(loop.continueLabel, Below(f, top)), blaEndArrow, f.open ? label : "");
      f.open = true;
      label.clear();
    }
    const Figure condition = Symbol(btLogicIf, {node.text}, Below(f, top));
    const std::int64_t conditionTop = f.height + kFlowGap;
    if (f.open) {
      Append(f, condition, blaEndArrow, label);
    } else {  // the body always leaves the loop; the condition stays for the reader to see
      Place(f, condition, 0, conditionTop);
      f.height = conditionTop + condition.height;
    }
    const std::int64_t half = condition.right;
    const std::int64_t mid = conditionTop + (condition.entry + condition.height) / 2;
    const std::int64_t left = std::max(std::max(body.left, half) + kChannelGap, half + CornerLine());
    const std::int64_t joinY = f.entry + body.entry + kFlowGap / 4;
    AddLine(f, -half, mid, -left, mid, blaSimple, style_.words.no, btpUnder);
    AddLine(f, -left, mid, -left, joinY);
    AddLine(f, -left, joinY, 0, joinY, blaEndArrow);
    f.left = left;
    f.right = std::max(f.right, half);
    f.open = true;
    f.entersSymbol = false;
    f.exitLabel = style_.words.yes;
    BreakConnector(f, loop, top);
    return f;
  }

  struct Reentry {
    std::int64_t y, x;  // where a loop's return line ends
  };

  // Where a loop's body turns back, and where its exit comes back to the axis.
  struct Ends {
    std::int64_t body, back, exit;
  };

  // Where lines meet at `y` of a figure at `top`: lower when a page break is too near.
  std::int64_t Join(std::int64_t y, std::int64_t top) const { return FitJoin(top + y, style_.sheet) - top; }

  Ends LoopEnds(std::int64_t bodyBottom, std::int64_t top) const {
    const std::int64_t back = Join(bodyBottom + kFlowGap / 2, top);
    return {bodyBottom, back, Join(back + kFlowGap / 2, top)};
  }

  // From the body's end down, left to the return channel at -left, up it
  // (through the continue connector, if any) and across to `join`, where
  // the loop starts again.
  void CloseLoop(Figure& f, const Figure& body, Ends ends, std::int64_t left, const Loop& loop, Reentry join,
                 std::int64_t top) const {
    if (!body.open && loop.continueLabel == 0) return;
    const std::int64_t back = ends.back;
    if (body.open) {
      AddLine(f, 0, ends.body, 0, back, blaSimple, body.exitLabel, btpRightSide);
      AddLine(f, 0, back, -left, back);
    }
    std::int64_t channelTop = back;
    if (loop.continueLabel) {
      const std::int64_t spot = ChannelSpot(join.y, back, top);
      if (body.open) AddLine(f, -left, back, -left, spot + kConnectorSize, blaEndArrow);
      PlannedBlock connector = ConnectorBlock(loop.continueLabel);
      connector.x -= left;
      connector.y = spot;
      f.blocks.push_back(std::move(connector));
      channelTop = spot;
    }
    AddLine(f, -left, channelTop, -left, join.y);
    AddLine(f, -left, join.y, join.x, join.y, blaEndArrow);
  }

  // Where the continue connector goes in a return channel from `from` up
  // to `to`: in the middle, or where a page break leaves it whole.
  std::int64_t ChannelSpot(std::int64_t to, std::int64_t from, std::int64_t top) const {
    const std::int64_t middle = (to + from - kConnectorSize) / 2;
    const std::int64_t fitted = FitOnPage(top + middle, kConnectorSize, style_.sheet) - top;
    if (fitted + kConnectorSize < from) return fitted;
    const std::int64_t aboveBreak = BandBottom(PageOf(top + middle, style_.sheet), style_.sheet) - top - kConnectorSize;
    return aboveBreak > to ? aboveBreak : middle;
  }

  // From the right corner out to the exit channel, down it and back to the
  // axis at `exitY`, which becomes the figure's bottom.
  static void ExitRight(Figure& f, std::int64_t half, std::int64_t mid, std::int64_t right, std::int64_t exitY,
                        const std::string& label) {
    AddLine(f, half, mid, right, mid, blaSimple, label, btpUnder);
    AddLine(f, right, mid, right, exitY);
    AddLine(f, right, exitY, 0, exitY);
    f.height = exitY;
    f.open = true;
  }

  void BreakConnector(Figure& f, const Loop& loop, std::int64_t top) const {
    if (loop.breakLabel == 0) return;
    Append(f, Connector(loop.breakLabel, Below(f, top)), blaEndArrow, f.exitLabel);
    f.exitLabel.clear();
  }
};

}  // namespace

Figure LayOutChart(const std::string& beginText, const FlowSequence& body, const LayoutStyle& style,
                   std::int64_t top) {
  return Layout(style).Chart(beginText, body, top);
}

}  // namespace quobrix
