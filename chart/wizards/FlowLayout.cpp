#include "chart/wizards/FlowLayout.h"

#include <algorithm>

namespace quobrix {

namespace {

// Consecutive statements share one rectangle up to this many lines.
constexpr std::size_t kMaxProcessLines = 6;
// Room beside a yes or no label on its line.
constexpr std::int64_t kLabelSlack = 400;

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

class Layout {
 public:
  explicit Layout(const LayoutStyle& style) : style_(style) {}

  Figure Chart(const std::string& beginText, const FlowSequence& body) {
    Figure chart = Symbol(btBeginEnd, {beginText});
    const Figure inner = Sequence(body);
    bool open = true;
    std::string label;
    if (!inner.blocks.empty()) {
      Append(chart, inner, ArrowInto(inner), "");
      open = inner.open;
      label = inner.exitLabel;
    }
    if (open) Append(chart, Symbol(btBeginEnd, {style_.words.end}), blaEndArrow, label);
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

  // Puts `part` a flow gap below `into`, joined by a line from its exit.
  static void Append(Figure& into, const Figure& part, std::uint8_t arrows, const std::string& label) {
    AddLine(into, 0, into.height, 0, into.height + kFlowGap, arrows, label, btpRightSide);
    Place(into, part, 0, into.height + kFlowGap);
    into.height += kFlowGap + part.height;
    into.left = std::max(into.left, part.left);
    into.right = std::max(into.right, part.right);
  }

  Figure Symbol(std::uint8_t type, const std::vector<std::string>& lines) const {
    const FittedSymbol fitted = FitSymbol(type, lines, style_.symbol, style_.metrics);
    Figure f;
    f.blocks.push_back({type, -fitted.width / 2, 0, fitted.width, fitted.height, fitted.text, blaSimple, btpInside});
    f.left = f.right = fitted.width / 2;
    f.height = fitted.height;
    f.entersSymbol = true;
    return f;
  }

  static Figure Connector(int label) {
    Figure f;
    f.blocks.push_back(
        {btCircle, -kConnectorSize / 2, 0, kConnectorSize, kConnectorSize, std::to_string(label), blaSimple, btpInside});
    f.left = f.right = kConnectorSize / 2;
    f.height = kConnectorSize;
    f.entersSymbol = true;
    return f;
  }

  std::int64_t LabelRoom(const std::string& label) const {
    return std::max(kFlowGap, TextWidth(label, style_.metrics) + kLabelSlack);
  }

  Figure Sequence(const FlowSequence& nodes) {
    Figure sequence;
    std::size_t at = 0;
    while (at < nodes.size()) {
      const Figure part = Item(nodes, at);
      if (sequence.blocks.empty()) {
        sequence = part;
        continue;
      }
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
  Figure Item(const FlowSequence& nodes, std::size_t& at) {
    const FlowNode& node = nodes[at++];
    const auto runOf = [&](FlowKind kind) { return at < nodes.size() && nodes[at].kind == kind; };
    switch (node.kind) {
      case FlowKind::Process: {
        std::vector<std::string> lines{node.text};
        while (runOf(FlowKind::Process) && lines.size() < kMaxProcessLines) lines.push_back(nodes[at++].text);
        return Symbol(btRectangle, lines);
      }
      case FlowKind::Input: {
        std::string variables = node.text;
        for (; runOf(FlowKind::Input); ++at)
          if (!nodes[at].text.empty()) variables += (variables.empty() ? "" : ", ") + nodes[at].text;
        return Symbol(btSRectangle, {Labelled(style_.words.input, variables)});
      }
      case FlowKind::Output:
        return Symbol(btSRectangle, {Labelled(style_.words.output, node.text)});
      case FlowKind::Call:
        return Symbol(btLRectangle, {node.text});
      case FlowKind::Return: {
        Figure end = Symbol(btBeginEnd, {node.text.empty() ? style_.words.end : node.text});
        end.open = false;
        return end;
      }
      case FlowKind::Break:
      case FlowKind::Continue:
        return Jump(node);
      case FlowKind::If:
        return Decision(node);
      case FlowKind::While:
        return WhileLoop(node);
      case FlowKind::Repeat:
        return RepeatLoop(node);
      case FlowKind::For:
        return ForLoop(node);
    }
    return Symbol(btRectangle, {node.text});
  }

  // A break or continue ends in a numbered connector; the same number marks
  // where the loop goes on.
  Figure Jump(const FlowNode& node) {
    if (loops_.empty()) return Symbol(btRectangle, {node.text});
    int& label = node.kind == FlowKind::Break ? loops_.back()->breakLabel : loops_.back()->continueLabel;
    if (label == 0) label = ++connectors_;
    Figure jump = Connector(label);
    jump.open = false;
    return jump;
  }

  Figure LoopBody(const FlowSequence& body, Loop& loop) {
    loops_.push_back(&loop);
    Figure figure = Sequence(body);
    loops_.pop_back();
    return figure;
  }

  // The branches hang below the decision's left (yes) and right (no)
  // corners and meet again below the longer one.
  Figure Decision(const FlowNode& node) {
    Figure f = Symbol(btLogicIf, {node.text});
    const std::int64_t half = f.right;
    const std::int64_t h = f.height;
    const Figure yes = Sequence(node.body);
    const Figure no = Sequence(node.orElse);
    const std::int64_t top = h + kFlowGap;
    const std::int64_t a = std::max(half + LabelRoom(style_.words.yes), yes.right + kBranchGap / 2);
    const std::int64_t b = std::max(half + LabelRoom(style_.words.no), no.left + kBranchGap / 2);
    const std::int64_t join = top + std::max(yes.height, no.height) + kFlowGap / 2;
    Branch(f, -half, -a, h / 2, top, join, yes, style_.words.yes);
    Branch(f, half, b, h / 2, top, join, no, style_.words.no);
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
    AddLine(f, axis, mid, axis, top, ArrowInto(branch));
    Place(f, branch, axis, top);
    if (branch.open) AddLine(f, axis, top + branch.height, axis, join, blaSimple, branch.exitLabel, btpRightSide);
  }

  // The condition first; yes goes down into the body, whose return line
  // climbs on the left to just above the condition; no leaves on the right.
  Figure WhileLoop(const FlowNode& node) {
    Figure f = Symbol(btLogicIf, {node.text});
    const std::int64_t half = f.right;
    const std::int64_t h = f.height;
    Loop loop;
    const Figure body = LoopBody(node.body, loop);
    const std::int64_t top = h + kFlowGap;
    AddLine(f, 0, h, 0, top, ArrowInto(body), style_.words.yes, btpRightSide);
    Place(f, body, 0, top);
    const std::int64_t left = std::max(body.left, half) + kChannelGap;
    const std::int64_t right = std::max(body.right + kChannelGap, half + LabelRoom(style_.words.no));
    CloseLoop(f, body, top + body.height, left, loop, -kFlowGap / 2, 0);
    ExitRight(f, half, h / 2, right, top + body.height + kFlowGap, style_.words.no);
    f.left = left + (loop.continueLabel ? kConnectorSize / 2 : 0);
    f.right = right;
    BreakConnector(f, loop);
    return f;
  }

  // The counted loop's symbol; the body below it, its return line entering
  // the symbol's left corner, the exit leaving the right one.
  Figure ForLoop(const FlowNode& node) {
    Figure f = Symbol(btHexagon, {node.text});
    const std::int64_t half = f.right;
    const std::int64_t h = f.height;
    Loop loop;
    const Figure body = LoopBody(node.body, loop);
    const std::int64_t top = h + kFlowGap;
    AddLine(f, 0, h, 0, top, ArrowInto(body));
    Place(f, body, 0, top);
    const std::int64_t left = std::max(body.left, half) + kChannelGap;
    const std::int64_t right = std::max(body.right, half) + kChannelGap;
    CloseLoop(f, body, top + body.height, left, loop, h / 2, -half);
    ExitRight(f, half, h / 2, right, top + body.height + kFlowGap, "");
    f.left = left + (loop.continueLabel ? kConnectorSize / 2 : 0);
    f.right = right;
    BreakConnector(f, loop);
    return f;
  }

  // The body first, then the condition that ends the loop: no climbs on
  // the left back to the top, yes goes on down.
  Figure RepeatLoop(const FlowNode& node) {
    Loop loop;
    const Figure body = LoopBody(node.body, loop);
    Figure f;
    AddLine(f, 0, 0, 0, kFlowGap, ArrowInto(body));
    Place(f, body, 0, kFlowGap);
    f.height = kFlowGap + body.height;
    f.left = body.left;
    f.right = body.right;
    f.open = body.open;
    std::string label = body.exitLabel;
    if (loop.continueLabel) {
      Append(f, Connector(loop.continueLabel), blaEndArrow, f.open ? label : "");
      f.open = true;
      label.clear();
    }
    const Figure condition = Symbol(btLogicIf, {node.text});
    const std::int64_t conditionTop = f.height + kFlowGap;
    if (f.open) {
      Append(f, condition, blaEndArrow, label);
    } else {  // the body always leaves the loop; the condition stays for the reader to see
      Place(f, condition, 0, conditionTop);
      f.height = conditionTop + condition.height;
    }
    const std::int64_t half = condition.right;
    const std::int64_t mid = conditionTop + condition.height / 2;
    const std::int64_t left = std::max(std::max(body.left, half) + kChannelGap, half + LabelRoom(style_.words.no));
    AddLine(f, -half, mid, -left, mid, blaSimple, style_.words.no, btpUnder);
    AddLine(f, -left, mid, -left, kFlowGap / 4);
    AddLine(f, -left, kFlowGap / 4, 0, kFlowGap / 4, blaEndArrow);
    f.left = left;
    f.right = std::max(f.right, half);
    f.open = true;
    f.entersSymbol = false;
    f.exitLabel = style_.words.yes;
    BreakConnector(f, loop);
    return f;
  }

  // From the body's end down, left to the return channel at -left, up it
  // (through the continue connector, if any) to `joinY`, and right to
  // `joinX`, where the loop starts again.
  void CloseLoop(Figure& f, const Figure& body, std::int64_t bottom, std::int64_t left, const Loop& loop,
                 std::int64_t joinY, std::int64_t joinX) const {
    if (!body.open && loop.continueLabel == 0) return;
    const std::int64_t back = bottom + kFlowGap / 2;
    if (body.open) {
      AddLine(f, 0, bottom, 0, back, blaSimple, body.exitLabel, btpRightSide);
      AddLine(f, 0, back, -left, back);
    }
    std::int64_t channelTop = back;
    if (loop.continueLabel) {
      const std::int64_t middle = (back + joinY) / 2;
      if (body.open) AddLine(f, -left, back, -left, middle + kConnectorSize / 2, blaEndArrow);
      Place(f, Connector(loop.continueLabel), -left, middle - kConnectorSize / 2);
      channelTop = middle - kConnectorSize / 2;
    }
    AddLine(f, -left, channelTop, -left, joinY);
    AddLine(f, -left, joinY, joinX, joinY, blaEndArrow);
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

  void BreakConnector(Figure& f, const Loop& loop) const {
    if (loop.breakLabel == 0) return;
    Append(f, Connector(loop.breakLabel), blaEndArrow, f.exitLabel);
    f.exitLabel.clear();
  }
};

}  // namespace

Figure LayOutChart(const std::string& beginText, const FlowSequence& body, const LayoutStyle& style) {
  return Layout(style).Chart(beginText, body);
}

}  // namespace quobrix
