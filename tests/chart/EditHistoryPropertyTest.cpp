// Random runs of edits (adding, deleting with and without members, moving,
// grouping and ungrouping, reordering, aligning, pasting, typing, sheet
// values), selections, unchanging edits, edits that fail halfway, undo and
// redo against a plain model of the history: the chart texts before each
// recorded edit and after each undo, ten at most, each a version of its
// own; edits under the key of the newest point share it.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartEdit.h"
#include "chart/EditKey.h"
#include "support/NoticeLog.h"

namespace quobrix {
namespace {

class HistoryModel {
 public:
  HistoryModel() = default;

  void Edited(const std::string& before, EditKey key = {}) {
    const bool shares = key && key == lastKey_ && !past_.empty();
    const State left{before, version_};
    version_ = ++lastVersion_;
    lastKey_ = key;
    future_.clear();
    if (shares) return;
    past_.push_front(left);
    if (past_.size() > UndoHistory::kUndoDepth) past_.pop_back();
  }
  // The state undo should land on, or nothing when there is none.
  std::optional<std::string> Undo(const std::string& now) { return Step(past_, future_, now); }
  std::optional<std::string> Redo(const std::string& now) { return Step(future_, past_, now); }

  std::size_t UndoCount() const { return past_.size(); }
  bool CanRedo() const { return !future_.empty(); }
  // Modified is "not the saved version", even where an edit has brought back the saved text.
  bool Modified() const { return version_ != 0; }

 private:
  struct State {
    std::string text;
    int version;
  };

  std::optional<std::string> Step(std::deque<State>& from, std::deque<State>& to, const std::string& now) {
    if (from.empty()) return std::nullopt;
    lastKey_ = {};
    State landing = from.front();
    from.pop_front();
    to.push_front({now, version_});
    if (to.size() > UndoHistory::kUndoDepth) to.pop_back();
    version_ = landing.version;
    return landing.text;
  }

  std::deque<State> past_, future_;
  int version_ = 0;
  int lastVersion_ = 0;
  EditKey lastKey_;
};

enum class Kind { Edit, Typing, Selection, Undo, Redo };

// The key of the stretch of typing going on.
struct Stretch {
  EditKey key = EditKey::New();
};

struct Operation {
  Kind kind;
  std::function<void(BlocksHolderModel&, std::mt19937&, Stretch&)> run;
};

struct Halfway {};

std::int64_t Pick(std::mt19937& rng, std::int64_t lo, std::int64_t hi) {
  return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng);
}

// Whether block n differs from every other block: moving a block among
// blocks just like it reorders the chart without changing its text.
bool Distinct(const BlocksHolderModel& c, std::int64_t n) {
  if (n < 1 || n > c.BlockCount()) return false;
  for (std::int64_t other = 1; other <= c.BlockCount(); ++other)
    if (other != n && c.BlockToFragment(c.Blocks(other)) == c.BlockToFragment(c.Blocks(n))) return false;
  return true;
}

// Blocks and colours come from small sets, so edits often give a block
// what it already has.
const std::vector<Operation> kOperations = {
    {Kind::Edit,
     [](auto& c, auto& rng, auto&) {
       ChartEdit edit(c);
       c.AddDefaultBlock(btRectangle, 1000 * Pick(rng, 0, 8), 1000 * Pick(rng, 0, 3), 800, 800);
     }},
    {Kind::Edit,
     [](auto& c, auto&, auto&) {
       if (!c.ActiveBlockPtr()) return;
       ChartEdit edit(c);
       c.DeleteActiveBlock(true);
     }},
    {Kind::Edit, [](auto& c, auto& rng, auto&) { c.SetBlockX(1000 * Pick(rng, 0, 2)); }},
    {Kind::Edit, [](auto& c, auto& rng, auto&) { c.SetBlockMC(Pick(rng, 0, 1) ? clWhite : 0xFF); }},
    {Kind::Edit, [](auto& c, auto& rng, auto&) { c.SetBlockText(Pick(rng, 0, 1) ? "" : "Да"); }},
    {Kind::Edit, [](auto& c, auto&, auto&) { c.GroupSelection(); }},
    {Kind::Edit, [](auto& c, auto&, auto&) { c.UngroupBlock(); }},
    {Kind::Edit,
     [](auto& c, auto&, auto&) {
       if (Distinct(c, c.ActiveBlock())) c.BringToFront(c.ActiveBlock());
     }},
    {Kind::Edit,
     [](auto& c, auto&, auto&) {
       if (Distinct(c, c.ActiveBlock())) c.SendToBack(c.ActiveBlock());
     }},
    {Kind::Edit, [](auto& c, auto& rng, auto&) { c.AlignSelection(static_cast<int>(Pick(rng, 0, 3))); }},
    {Kind::Edit, [](auto& c, auto& rng, auto&) { c.ChangeSheetSize(21000 + 1000 * Pick(rng, 0, 1), 29700); }},
    {Kind::Edit,
     [](auto& c, auto&, auto&) {
       if (!c.ActiveBlockPtr()) return;
       ChartEdit edit(c);
       c.DeleteActiveBlock(false);
     }},
    {Kind::Edit,
     [](auto& c, auto&, auto&) {
       c.TextCaretPos() = 1;
       c.EditTextAtCaret(BlocksHolderModel::TextKey::Backspace);
     }},
    {Kind::Edit, [](auto& c, auto&, auto&) { c.ChangeSheetColor(clWhite); }},
    {Kind::Edit,
     [](auto& c, auto&, auto&) {
       if (c.BlockCount() > 0) c.PasteFragment(c.BlockToFragment(c.Blocks(1)));
     }},
    {Kind::Edit,
     [](auto& c, auto& rng, auto&) {
       // A drag of two steps, at times of none.
       c.History().BeginGesture();
       const std::int64_t d = 1000 * Pick(rng, 0, 1);
       c.MoveActiveBlock(d, 0, true);
       c.MoveActiveBlock(d, 0, true);
       c.History().EndGesture();
     }},
    {Kind::Typing,
     [](auto& c, auto& rng, auto& stretch) {
       ChartEdit edit(c, stretch.key);
       c.TextCaretPos() = 1;
       c.InsertTextAtCaret(static_cast<char>('a' + Pick(rng, 0, 2)));
     }},
    {Kind::Selection, [](auto&, auto&, auto& stretch) { stretch.key = EditKey::New(); }},
    {Kind::Selection,
     [](auto& c, auto& rng, auto&) {
       // A click: the block hit, and a selection not hit goes.
       c.SetActiveBlock(Pick(rng, 0, c.BlockCount()));
       if (c.MultiSelection() && c.ActiveBlockPtr() != c.MultiSelection()) c.DissolveMultiSelection();
     }},
    {Kind::Selection,
     [](auto& c, auto& rng, auto&) {
       std::vector<std::int64_t> members;
       for (std::int64_t n = 1; n <= c.BlockCount(); ++n)
         if (Pick(rng, 0, 1)) members.push_back(n);
       if (members.size() >= 2) c.MakeMultiSelection(0, 0, 9000, 4000, members);
     }},
    {Kind::Selection, [](auto& c, auto& rng, auto&) { c.GoToBlock(Pick(rng, 1, c.BlockCount())); }},
    {Kind::Selection, [](auto& c, auto& rng, auto&) { c.SetDrawingBlockByHand(Pick(rng, 0, 1) != 0); }},
    {Kind::Undo, [](auto& c, auto&, auto&) { c.Undo(); }},
    {Kind::Redo, [](auto& c, auto&, auto&) { c.Redo(); }},
};

// Runs `op` and a second edit inside one edit that then fails: the chart
// must come back as it was, with no notice sent, and its block index must
// find every block where it is.
void FailHalfway(BlocksHolderModel& chart, std::mt19937& rng, Stretch& stretch, const Operation& op) {
  test::NoticeLog log(chart);
  try {
    ChartEdit edit(chart, op.kind == Kind::Typing ? stretch.key : EditKey{});
    op.run(chart, rng, stretch);
    chart.AddDefaultBlock(btCircle, 500, 500, 900, 900);
    throw Halfway{};
  } catch (const Halfway&) {
  }
  EXPECT_TRUE(log.notices.empty());
  for (std::int64_t n = 1; n <= chart.BlockCount(); ++n) {
    const TBlock& b = chart.Blocks(n);
    const ChartArea area{std::min(b.X, b.X + b.W), std::min(b.Y, b.Y + b.H), std::max(b.X, b.X + b.W),
                         std::max(b.Y, b.Y + b.H)};
    EXPECT_TRUE(std::ranges::count(chart.BlocksNear(area), n)) << "block " << n << " not found where it is";
  }
}

TEST(EditHistoryProperty, UndoRedoAndTheModifiedFlagFollowThePlainModel) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    BlocksHolderModel chart;
    for (int i = 0; i < 3; ++i) chart.AddDefaultBlock(btRectangle, 3000 * i, 0, 2000, 1000);
    chart.SetModified(false);
    HistoryModel model;
    std::mt19937 rng(seed);
    Stretch stretch;

    for (int step = 0; step < 60; ++step) {
      const std::size_t which = static_cast<std::size_t>(Pick(rng, 0, std::ssize(kOperations) - 1));
      const Operation& op = kOperations[which];
      const std::string before = chart.EditedStateText();
      const bool modifiedBefore = chart.FModified();
      SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(step) + ", operation " +
                   std::to_string(which));

      if (Pick(rng, 0, 5) == 0 && op.kind != Kind::Undo && op.kind != Kind::Redo) {
        FailHalfway(chart, rng, stretch, op);
        ASSERT_EQ(chart.EditedStateText(), before);
        ASSERT_EQ(chart.FModified(), modifiedBefore);
        ASSERT_EQ(chart.History().FUndoCount(), static_cast<int>(model.UndoCount()));
        ASSERT_EQ(chart.History().CanRedo(), model.CanRedo());
        continue;
      }
      std::optional<std::string> landing;
      if (op.kind == Kind::Undo) landing = model.Undo(before);
      if (op.kind == Kind::Redo) landing = model.Redo(before);
      op.run(chart, rng, stretch);
      const std::string after = chart.EditedStateText();

      switch (op.kind) {
        case Kind::Edit:
        case Kind::Typing:
          if (after != before) model.Edited(before, op.kind == Kind::Typing ? stretch.key : EditKey{});
          // A recorded edit marks the chart; one that changed nothing leaves the mark as it was.
          ASSERT_EQ(chart.FModified(), after != before || modifiedBefore);
          break;
        case Kind::Selection:
          ASSERT_EQ(after, before);
          ASSERT_EQ(chart.FModified(), modifiedBefore);
          break;
        case Kind::Undo:
        case Kind::Redo:
          ASSERT_EQ(after, landing.value_or(before));
          if (!landing) break;
          ASSERT_EQ(chart.MultiSelection(), nullptr);
          ASSERT_EQ(chart.FModified(), model.Modified());
          break;
      }
      ASSERT_EQ(chart.History().FUndoCount(), static_cast<int>(model.UndoCount()));
      ASSERT_EQ(chart.History().CanRedo(), model.CanRedo());
    }
  }
}

}  // namespace
}  // namespace quobrix
