// The undo history of one chart: snapshots of the whole chart file, newest
// first, at most kUndoDepth of them. Recording into a full history drops the
// oldest; undo loads the newest back and consumes it.
//
// Beside it stands the redo list: each undo first snapshots the state it
// leaves, and redo loads that back, recording an undo point of the state it
// leaves in turn. Any other change of the chart forgets the redo list, since
// its states no longer follow from the chart's.
//
// The history also knows whether an undo or redo lands on the saved state:
// the chart as it was when last marked unmodified (saved, opened or new).
// Its fingerprint is taken from the first snapshot written after that, which
// holds exactly that state, so edits cost no extra pass over the chart; a
// landing compares the chart's text with it and sets the modified flag.
//
// Snapshots and prints leave a multi-selection out: selecting is no edit,
// and an undo brings back no selection.
//
// A gesture (a press, what the mouse does while held, the release) is at
// most one undo point: BeginGesture snapshots the chart as it is, the first
// change during the gesture keeps that snapshot as the undo point and marks
// the chart modified, later changes record nothing, and EndGesture drops the
// snapshot when nothing changed. A click that changes nothing thus leaves no
// undo step and no unsaved work, and a long drag costs one history entry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/ChartNotice.h"

namespace quobrix {

class BlocksHolderModel;
class UndoSnapshotSession;

class UndoHistory {
 public:
  static constexpr int kUndoDepth = 10;

  explicit UndoHistory(BlocksHolderModel& chart) : chart_(chart) {}
  // Deletes the snapshot file of every undo and redo entry and of a gesture.
  ~UndoHistory();
  UndoHistory(const UndoHistory&) = delete;
  UndoHistory& operator=(const UndoHistory&) = delete;

  std::int32_t FUndoCount() const { return static_cast<std::int32_t>(undoFiles_.size()); }
  // Snapshot paths, newest first.
  const std::vector<std::string>& FUndoFiles() const { return undoFiles_; }
  bool CanUndo() const { return !undoFiles_.empty(); }
  // The states undo left, the one to come back first at the front.
  const std::vector<std::string>& RedoFiles() const { return redoFiles_; }
  bool CanRedo() const { return !redoFiles_.empty(); }

  // Snapshots the chart before an edit and marks it modified; when no
  // snapshot can be written the edit still goes ahead, without undo. During
  // a gesture it keeps the gesture's snapshot instead.
  void RecordUndoPoint();
  bool MakeUndoPoint();
  void Undo();
  // Loads the newest snapshot back, keeping the chart's file name. A
  // snapshot that cannot be read leaves the chart as it was and is dropped,
  // so the next undo reaches the one before it.
  bool RollBack();
  // Loads back the state the last undo left, the same way.
  void Redo();
  bool RollForward();

  // What the model tells the history about its modified flag: cleared means
  // the chart as it is now is the saved state; set means an edit, which
  // forgets the redo list unless an undo or redo is landing.
  void ChartMarkedSaved();
  void ChartEdited();

  void BeginGesture();
  // A change during the gesture that recorded no undo point itself (a drag
  // step): keeps the gesture's snapshot and marks the chart modified.
  // Outside a gesture it does nothing.
  void GestureChanged();
  void EndGesture();
  bool InGesture() const { return inGesture_; }

 private:
  // The size and hash of a chart file's text: equal texts, equal prints.
  struct TextPrint {
    std::size_t size;
    std::size_t hash;
    bool operator==(const TextPrint&) const = default;
    static TextPrint Of(std::string_view text);
  };
  enum class SavedState : std::uint8_t { Pending, Known, Lost };

  BlocksHolderModel& chart_;
  std::shared_ptr<UndoSnapshotSession> session_;
  std::vector<std::string> undoFiles_;
  bool inGesture_ = false;
  std::string gestureSnapshot_;  // empty once kept, or when none could be written
  std::vector<std::string> redoFiles_;
  SavedState savedState_ = SavedState::Pending;
  TextPrint savedPrint_{};
  bool landing_ = false;

  // The first chart text seen after the chart was marked saved is the saved state.
  void NoteSavedState(const std::string& text);
  // The chart's text as snapshots keep it, or nothing when there is too
  // little memory for it.
  std::optional<std::string> CurrentText() const;
  // A snapshot of the chart as it is, or of `text`; nothing when none can be written.
  std::optional<std::string> WriteSnapshot();
  std::optional<std::string> WriteSnapshot(const std::string& text);
  // Makes `path` the newest undo point of an edit: marks the chart modified.
  void Record(const std::string& path);
  // Puts `path` at the front of the undo list, dropping the oldest of a full one.
  void Push(const std::string& path);
  // Loads the front entry of `from` over the chart and consumes it; on
  // success the snapshot of the state left goes to the front of `to`.
  bool Step(std::vector<std::string>& from, std::vector<std::string>& to, StructureChange how);
  // Puts the snapshot of the state a step left at the front of `to`.
  void Keep(const std::optional<std::string>& left, std::vector<std::string>& to);
  void FollowSavedState();
  void ForgetRedo();
};

}  // namespace quobrix
