// Random runs of edits, selections, unchanging edits, undo and redo against
// a plain model of the history: the chart texts before each recorded edit
// and after each undo, ten at most.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "UndoTestFolder.h"
#include "chart/BlocksHolderModel.h"
#include "chart/TextCaret.h"

namespace quobrix {
namespace {

class HistoryModel {
 public:
  explicit HistoryModel(const std::string& saved) : saved_(saved) {}

  void Edited(const std::string& before) {
    past_.push_front(before);
    if (past_.size() > UndoHistory::kUndoDepth) past_.pop_back();
    future_.clear();
    modified_ = true;
  }
  // The state undo should land on, or nothing when there is none.
  std::optional<std::string> Undo(const std::string& now) { return Step(past_, future_, now); }
  std::optional<std::string> Redo(const std::string& now) { return Step(future_, past_, now); }

  std::size_t UndoCount() const { return past_.size(); }
  bool CanRedo() const { return !future_.empty(); }
  bool Modified() const { return modified_; }

 private:
  std::optional<std::string> Step(std::deque<std::string>& from, std::deque<std::string>& to,
                                  const std::string& now) {
    if (from.empty()) return std::nullopt;
    std::string landing = from.front();
    from.pop_front();
    to.push_front(now);
    if (to.size() > UndoHistory::kUndoDepth) to.pop_back();
    modified_ = landing != saved_;
    return landing;
  }

  std::string saved_;
  std::deque<std::string> past_, future_;
  bool modified_ = false;
};

enum class Kind { Edit, Selection, Undo, Redo };

struct Operation {
  Kind kind;
  std::function<void(BlocksHolderModel&, std::mt19937&)> run;
};

std::int64_t Pick(std::mt19937& rng, std::int64_t lo, std::int64_t hi) {
  return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng);
}

// Blocks and colours come from small sets, so edits often give a block
// what it already has.
const std::vector<Operation> kOperations = {
    {Kind::Edit,
     [](auto& c, auto& rng) {
       c.RecordUndoPoint();
       c.AddDefaultBlock(btRectangle, 1000 * Pick(rng, 0, 8), 1000 * Pick(rng, 0, 3), 800, 800);
     }},
    {Kind::Edit,
     [](auto& c, auto&) {
       if (!c.ActiveBlockPtr()) return;
       c.RecordUndoPoint();
       c.DeleteActiveBlock(true);
     }},
    {Kind::Edit, [](auto& c, auto& rng) { c.SetBlockX(1000 * Pick(rng, 0, 2)); }},
    {Kind::Edit, [](auto& c, auto& rng) { c.SetBlockMC(Pick(rng, 0, 1) ? clWhite : 0xFF); }},
    {Kind::Edit, [](auto& c, auto& rng) { c.SetBlockText(Pick(rng, 0, 1) ? "" : "Да"); }},
    {Kind::Edit, [](auto& c, auto&) { c.GroupSelection(); }},
    {Kind::Edit,
     [](auto& c, auto&) {
       TextCaretPos = 1;
       c.EditTextAtCaret(BlocksHolderModel::TextKey::Backspace);
     }},
    {Kind::Edit, [](auto& c, auto&) { c.ChangeSheetColor(clWhite); }},
    {Kind::Selection,
     [](auto& c, auto& rng) {
       // A click: the block hit, and a selection not hit goes.
       c.SetActiveBlock(Pick(rng, 0, c.BlockCount()));
       if (c.MultiSelection() && c.ActiveBlockPtr() != c.MultiSelection()) c.DissolveMultiSelection();
     }},
    {Kind::Selection,
     [](auto& c, auto& rng) {
       std::vector<std::int64_t> members;
       for (std::int64_t n = 1; n <= c.BlockCount(); ++n)
         if (Pick(rng, 0, 1)) members.push_back(n);
       if (members.size() >= 2) c.MakeMultiSelection(0, 0, 9000, 4000, members);
     }},
    {Kind::Selection, [](auto& c, auto& rng) { c.GoToBlock(Pick(rng, 1, c.BlockCount())); }},
    {Kind::Selection, [](auto& c, auto& rng) { c.SetDrawingBlockByHand(Pick(rng, 0, 1) != 0); }},
    {Kind::Undo, [](auto& c, auto&) { c.Undo(); }},
    {Kind::Redo, [](auto& c, auto&) { c.Redo(); }},
};

TEST(EditHistoryProperty, UndoRedoAndTheModifiedFlagFollowThePlainModel) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    test::UndoTestFolder folder;
    BlocksHolderModel chart;
    for (int i = 0; i < 3; ++i) chart.AddDefaultBlock(btRectangle, 3000 * i, 0, 2000, 1000);
    chart.SetModified(false);
    HistoryModel model(chart.EditedStateText());
    std::mt19937 rng(seed);

    for (int step = 0; step < 60; ++step) {
      const std::size_t which = static_cast<std::size_t>(Pick(rng, 0, std::ssize(kOperations) - 1));
      const Operation& op = kOperations[which];
      const std::string before = chart.EditedStateText();
      const bool modifiedBefore = chart.FModified();
      SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(step) + ", operation " +
                   std::to_string(which));

      std::optional<std::string> landing;
      if (op.kind == Kind::Undo) landing = model.Undo(before);
      if (op.kind == Kind::Redo) landing = model.Redo(before);
      op.run(chart, rng);
      const std::string after = chart.EditedStateText();

      switch (op.kind) {
        case Kind::Edit:
          if (after != before) model.Edited(before);
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
