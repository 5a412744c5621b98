// One change of a chart, opened by whoever edits it (a command, the canvas,
// the inspector, a dialog) for as long as the change takes:
//
//   ChartEdit edit(chart, key);
//   ... chart.SetSheetColor(...), chart.AddBlock(...), ...
//
// At its first real change it marks the chart modified, and when it ends
// it becomes an undo point (an edit that changes nothing records nothing and
// leaves the modified mark alone); under the key of the newest undo point it
// joins that point instead. The change notices wait until the edit ends and then go out, each
// once. An edit opened while another is open joins it: the outer one decides.
//
// If the edit ends by an exception, or an edit that joined it did, the chart
// is put back as it was when it opened: no undo point, no modified mark, the
// redo list kept, no notice sent. The edit builds the delta back to where it
// started as it goes (chart/VersionDelta.h), and applies it to put the
// chart back; a selection, which versions leave out, goes with it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "chart/BlockType.h"
#include "chart/EditKey.h"
#include "chart/UndoHistory.h"
#include "chart/VersionDelta.h"

namespace quobrix {

class BlocksHolderModel;

class ChartEdit {
 public:
  explicit ChartEdit(BlocksHolderModel& chart, EditKey key = {});
  ~ChartEdit();
  ChartEdit(const ChartEdit&) = delete;
  ChartEdit& operator=(const ChartEdit&) = delete;

  // Called before each real change: of anything (the block list, its
  // order, block links), of the chart's own values only, or only of the
  // values of `blocks` (no block added, removed, reordered or relinked).
  void Changing();
  void ChangingChartValues();
  void Changing(const std::vector<TBlock*>& blocks);
  // Takes a block the edit took out of the list: the version before it
  // still has it.
  void Removed(std::unique_ptr<TBlock> block);

 private:
  // What the edit found when it opened, and how to go back to it.
  struct Before {
    bool modified = false;
    std::int64_t activeBlock = 0;
    std::size_t heldNotices = 0;
    bool sharesPoint = false;
  };

  BlocksHolderModel& chart_;
  ChartEdit* joined_;  // the open edit this one joined, or null
  EditKey key_;
  int exceptionsAtOpen_;
  bool changed_ = false;
  bool failed_ = false;
  Before before_;
  UndoHistory::EditMark mark_{};
  VersionDelta back_;

  ChartEdit& Outermost() { return joined_ ? *joined_ : *this; }
  // Marks the chart modified at the first change.
  void Open();
  void Commit();
  void RollBack();
};

}  // namespace quobrix
