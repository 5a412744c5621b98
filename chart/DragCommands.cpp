// Mouse edits of the active block: moving it with what hangs on it and
// dragging one of its corners. Each step is an edit; the steps of one drag
// share the gesture's undo point (UndoHistory), and a step that changes
// nothing records nothing. Sums wrap: a damaged chart may hold any numbers.
#include <algorithm>
#include <iterator>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartEdit.h"
#include "chart/CoordinateMath.h"
#include "chart/HitTests.h"
#include "chart/LineFollow.h"

namespace quobrix {

namespace {

bool IsSquareBased(std::uint8_t type) { return type == btSquare || type == btRoundSquare || type == btCircle; }

void Shift(TBlock& b, std::int64_t dX, std::int64_t dY) {
  b.X = WrapAdd(b.X, dX);
  b.Y = WrapAdd(b.Y, dY);
}

struct Extent {
  std::int64_t X, Y, W, H;
  bool operator==(const Extent&) const = default;
};

// Every step changes the dragged block's own extent whenever it changes
// anything at all.
Extent ExtentOf(const TBlock& b) { return {b.X, b.Y, b.W, b.H}; }

void Grow(TBlock& b, std::int64_t dW, std::int64_t dH) {
  b.W = WrapAdd(b.W, dW);
  b.H = WrapAdd(b.H, dH);
}

// The members keep their places and sizes relative to the container as its
// bottom-right corner moves by (dX, dY).
void ScaleMembers(TBlock& c, std::int64_t dX, std::int64_t dY) {
  if (c.W == 0) c.W = 1;
  if (c.H == 0) c.H = 1;
  const double fx = static_cast<double>(dX) / static_cast<double>(c.W) + 1;
  const double fy = static_cast<double>(dY) / static_cast<double>(c.H) + 1;
  for (TBlock* m : c.Members) {
    if (m->W == 0 && m->H == 0) m->W = m->H = 1;
    m->W = RoundHalfEven(fx * static_cast<double>(m->W));
    m->H = RoundHalfEven(fy * static_cast<double>(m->H));
    m->X = WrapAdd(RoundHalfEven(fx * static_cast<double>(WrapSub(m->X, c.X))), c.X);
    m->Y = WrapAdd(RoundHalfEven(fy * static_cast<double>(WrapSub(m->Y, c.Y))), c.Y);
  }
}

}  // namespace

void BlocksHolderModel::AttachLines(std::int64_t n, std::int64_t tolerance) {
  attachedLines_.clear();
  if (n < 1 || n > BlockCount()) return;
  const TBlock& a = Blocks(n);
  const std::vector<OutlinePoint> outline = OutlineForLines(a);
  for (const std::int64_t candidate : BlocksNear(AttachReach(a, tolerance))) {
    TBlock& line = Blocks(candidate);
    if (&line == &a || line.BT != btLine) continue;
    if (const int end = AttachedEnd(line, a, outline, tolerance)) attachedLines_.push_back({&line, end});
  }
}

void BlocksHolderModel::MoveActiveBlock(std::int64_t dX, std::int64_t dY, bool withAttachedLines) {
  TBlock* a = ActiveBlockPtr();
  if (!a) return;
  std::vector<TBlock*> moved{a};
  const bool container = a->BT == btSelection;
  if (container) moved.insert(moved.end(), a->Members.begin(), a->Members.end());
  if (!container && withAttachedLines)
    for (const AttachedLine& l : attachedLines_) moved.push_back(l.line);
  // The members' own lines come along; the lines ending on them follow.
  const LineFollow follow(*this, container ? a->Members : std::vector<TBlock*>{}, moved);
  ChartEdit edit(*this);
  const bool edited = DragStep(edit, moved, [&] {
    const Extent before = ExtentOf(*a);
    Shift(*a, dX, dY);
    if (container) {
      for (TBlock* m : a->Members) Shift(*m, dX, dY);
    } else if (withAttachedLines) {
      for (const AttachedLine& l : attachedLines_) {
        if (l.end == 1) {
          Shift(*l.line, dX, dY);
          Grow(*l.line, WrapNeg(dX), WrapNeg(dY));
        } else {
          Grow(*l.line, dX, dY);
        }
      }
    }
    if (IsSquareBased(a->BT)) {
      const std::int64_t smaller = std::min(a->W, a->H);
      a->W = a->H = smaller > 0 ? smaller : std::max(a->W, a->H);
    }
    return ExtentOf(*a) != before;
  });
  if (!edited) return;
  std::vector<const TBlock*> changed{moved.begin(), moved.end()};
  std::ranges::copy(follow.Follow(edit), std::back_inserter(changed));
  NotifyBlocksChanged(changed);
}

void BlocksHolderModel::DragActiveCorner(int corner, std::int64_t dX, std::int64_t dY, bool straighten) {
  TBlock* a = ActiveBlockPtr();
  if (!a) return;
  std::vector<TBlock*> reshaped{a};
  reshaped.insert(reshaped.end(), a->Members.begin(), a->Members.end());
  // The corners but the last reshape a selection's rectangle alone, which is
  // no edit.
  const bool selectionOnly = a == MultiSelection() && corner != 4;
  const Extent start = ExtentOf(*a);
  const LineFollow follow(*this, a->BT == btSelection ? a->Members : std::vector<TBlock*>{a}, reshaped);
  ChartEdit edit(*this);
  const bool edited = DragStep(edit, reshaped, [&] {
    const Extent before = ExtentOf(*a);
    switch (corner) {
      case 1:
        Shift(*a, dX, dY);
        Grow(*a, WrapNeg(dX), WrapNeg(dY));
        break;
      case 2:
        Shift(*a, 0, dY);
        Grow(*a, dX, WrapNeg(dY));
        break;
      case 3:
        Shift(*a, dX, 0);
        Grow(*a, WrapNeg(dX), dY);
        break;
      default:
        if (a->BT == btPoint) {
          Shift(*a, dX, dY);
          break;
        }
        if (a->BT == btSelection && (dX != 0 || dY != 0)) ScaleMembers(*a, dX, dY);
        Grow(*a, dX, dY);
        if (straighten && a->BT == btLine) {
          if (Magnitude(a->W) < 200) a->W = 0;
          if (Magnitude(a->H) < 200) a->H = 0;
        }
    }
    return !selectionOnly && ExtentOf(*a) != before;
  });
  if (edited) {
    std::vector<const TBlock*> changed{reshaped.begin(), reshaped.end()};
    std::ranges::copy(follow.Follow(edit), std::back_inserter(changed));
    NotifyBlocksChanged(changed);
  } else if (ExtentOf(*a) != start)
    NotifyBlocksChanged({a});
}

bool BlocksHolderModel::DragStep(ChartEdit& edit, const std::vector<TBlock*>& touched,
                                 const std::function<bool()>& step) {
  std::vector<TBlock> before;
  before.reserve(touched.size());
  for (const TBlock* block : touched) before.push_back(*block);
  if (!step()) return false;
  for (std::size_t i = 0; i < touched.size(); ++i) *touched[i] = before[i];
  edit.Changing(touched);
  step();
  return true;
}

}  // namespace quobrix
