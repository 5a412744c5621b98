// One change of a chart, opened by whoever edits it (a command, the canvas,
// the inspector, a dialog) for as long as the change takes:
//
//   ChartEdit edit(chart, key);
//   ... chart.SetSheetColor(...), chart.AddBlock(...), ...
//
// It records the undo point at the first real change, just before it (an
// edit that changes nothing records nothing and leaves the modified mark
// alone); under the key of the newest undo point it shares that point
// instead. The change notices wait until the edit ends and then go out, each
// once. An edit opened while another is open joins it: the outer one decides.
//
// If the edit ends by an exception, or an edit that joined it did, the chart
// is put back as it was when it opened: no undo point, no modified mark, the
// redo list kept, no notice sent. An edit that recorded its own undo point
// loads that back (a selection, which undo points leave out, goes with it);
// one that shares the point before it keeps the values of the blocks it
// touches, or the chart's text before a change of more than their values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "chart/BlockType.h"
#include "chart/EditKey.h"
#include "chart/UndoHistory.h"

namespace quobrix {

class BlocksHolderModel;

class ChartEdit {
 public:
  explicit ChartEdit(BlocksHolderModel& chart, EditKey key = {});
  ~ChartEdit();
  ChartEdit(const ChartEdit&) = delete;
  ChartEdit& operator=(const ChartEdit&) = delete;

  // Called before each real change: of anything, or only of the values of
  // `blocks` (no block added, removed, reordered or relinked).
  void Changing();
  void Changing(const std::vector<TBlock*>& blocks);

 private:
  // What the edit found when it opened, and how to go back to it.
  struct Before {
    bool modified = false;
    std::int64_t activeBlock = 0;
    std::size_t heldNotices = 0;
    bool pointRecorded = false;
    // The chart's text before its first change of more than block values.
    std::optional<std::string> text;
    // Block numbers and values before the first change of each.
    std::vector<std::pair<std::int64_t, TBlock>> blocks;
  };

  BlocksHolderModel& chart_;
  ChartEdit* joined_;  // the open edit this one joined, or null
  EditKey key_;
  int exceptionsAtOpen_;
  bool changed_ = false;
  bool failed_ = false;
  Before before_;
  UndoHistory::EditMark mark_{};

  ChartEdit& Outermost() { return joined_ ? *joined_ : *this; }
  // Records the undo point at the first change.
  void Open();
  void RollBack();
};

}  // namespace quobrix
