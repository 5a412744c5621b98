// The undo history of one chart: the versions an undo comes back to, newest
// first, at most kUndoDepth of them, each held as the delta that leads from
// the version after it (chart/VersionDelta.h). Versions share every block
// their edits did not touch, so an undo point costs what its edit changed.
// Recording into a full history drops the oldest; undo applies the newest
// delta and consumes it.
//
// Beside it stands the redo list: applying a delta gives the delta back to
// the version left, and redo applies that, putting the delta back to the
// version it leaves on the undo list in turn. Any other change of the chart
// forgets the redo list, since its versions no longer follow from the
// chart's. A change made outside any edit forgets the undo list too: its
// deltas lead from a chart that is no more.
//
// Every version has a number, and the history remembers the number of the
// saved one (the chart as it was when last marked unmodified: saved, opened
// or new), so an undo or redo that lands on it clears the modified flag.
//
// Edits record their undo points through ChartEdit, at their first real
// change; edits under the key of the newest point share it. A gesture (a
// press, what the mouse does while held, the release) gives the edits made
// during it a key of its own, so it is at most one undo point: a click that
// changes nothing leaves no undo step and no unsaved work, and a long drag
// costs one history entry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "chart/ChartNotice.h"
#include "chart/EditKey.h"

namespace quobrix {

class BlocksHolderModel;
class VersionDelta;

class UndoHistory {
 public:
  static constexpr int kUndoDepth = 10;

  explicit UndoHistory(BlocksHolderModel& chart);
  ~UndoHistory();
  UndoHistory(const UndoHistory&) = delete;
  UndoHistory& operator=(const UndoHistory&) = delete;

  std::int32_t FUndoCount() const { return static_cast<std::int32_t>(undo_.size()); }
  bool CanUndo() const { return !undo_.empty(); }
  std::int32_t RedoCount() const { return static_cast<std::int32_t>(redo_.size()); }
  bool CanRedo() const { return !redo_.empty(); }
  // How many blocks the newest undo point holds a copy of; 0 without one.
  std::size_t NewestPointCopies() const;

  void Undo();
  // Puts the chart at the version before the newest undo point; false when there is none.
  bool RollBack();
  void Redo();
  bool RollForward();

  // What the model tells the history about its modified flag: cleared means
  // the chart as it is now is the saved state; set means an edit, which
  // forgets the redo list unless an undo or redo is landing.
  void ChartMarkedSaved();
  void ChartEdited();
  // The chart changed outside any edit: no delta leads from it any more.
  void ChartChangedUnrecorded();

  // Until EndGesture, edits opened without a key of their own take the
  // gesture's.
  void BeginGesture() { gestureKey_ = EditKey::New(); }
  void EndGesture() { gestureKey_ = {}; }
  bool InGesture() const { return static_cast<bool>(gestureKey_); }

 private:
  friend class ChartEdit;

  // A version to come back to and the delta that leads there.
  struct Point {
    std::unique_ptr<VersionDelta> delta;
    std::uint64_t version;
  };
  using Points = std::vector<Point>;

  // What an edit that fails puts back.
  struct EditMark {
    std::uint64_t version;
    EditKey lastKey;
  };

  BlocksHolderModel& chart_;
  Points undo_;
  Points redo_;
  EditKey gestureKey_;
  // The key the newest undo point was recorded under.
  EditKey lastKey_;
  std::uint64_t version_ = 0;
  std::uint64_t lastVersion_ = 0;
  std::uint64_t savedVersion_ = 0;
  bool landing_ = false;

  // ----- for ChartEdit
  // Before an edit's first real change: marks the chart modified and says
  // whether the edit shares the newest undo point (it has the point's key,
  // or, without one, the gesture's has it).
  bool OpenPoint(EditKey key);
  EditMark Mark() const { return {version_, lastKey_}; }
  // The open edit ended well: `delta` leads back to where it started, as a
  // point of its own or joined to the newest one it shares.
  void EditCommitted(VersionDelta delta, EditKey key, bool shares, const EditMark& mark);
  // The open edit failed and has put the chart back: the history is as at `mark`.
  void EditFailed(const EditMark& mark);

  // Applies the front delta of `from`, consumes it and puts the delta back at the front of `to`.
  bool Step(Points& from, Points& to, StructureChange how);
  void Trim();
  void ForgetRedo();
  std::uint64_t NewVersion() { return ++lastVersion_; }
};

}  // namespace quobrix
