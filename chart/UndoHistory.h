// The undo history of one chart: snapshots of the whole chart file, newest
// first, at most kUndoDepth of them. Recording into a full history drops the
// oldest; undo loads the newest back and consumes it. The entries are a list
// of their own, so a redo list can stand beside it.
//
// A gesture (a press, what the mouse does while held, the release) is at
// most one undo point: BeginGesture snapshots the chart as it is, the first
// change during the gesture keeps that snapshot as the undo point and marks
// the chart modified, later changes record nothing, and EndGesture drops the
// snapshot when nothing changed. A click that changes nothing thus leaves no
// undo step and no unsaved work, and a long drag costs one history entry.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quobrix {

class BlocksHolderModel;
class UndoSnapshotSession;

class UndoHistory {
 public:
  static constexpr int kUndoDepth = 10;

  explicit UndoHistory(BlocksHolderModel& chart) : chart_(chart) {}
  // Deletes the snapshot file of every entry.
  ~UndoHistory();
  UndoHistory(const UndoHistory&) = delete;
  UndoHistory& operator=(const UndoHistory&) = delete;

  std::int32_t FUndoCount() const { return static_cast<std::int32_t>(undoFiles_.size()); }
  // Snapshot paths, newest first.
  const std::vector<std::string>& FUndoFiles() const { return undoFiles_; }
  bool CanUndo() const { return !undoFiles_.empty(); }

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

  void BeginGesture();
  // A change during the gesture that recorded no undo point itself (a drag
  // step): keeps the gesture's snapshot and marks the chart modified.
  // Outside a gesture it does nothing.
  void GestureChanged();
  void EndGesture();
  bool InGesture() const { return inGesture_; }

 private:
  BlocksHolderModel& chart_;
  std::shared_ptr<UndoSnapshotSession> session_;
  std::vector<std::string> undoFiles_;
  bool inGesture_ = false;
  std::string gestureSnapshot_;  // empty once kept, or when none could be written

  std::optional<std::string> WriteSnapshot();
  void Push(const std::string& path);
  void DropNewest();
};

}  // namespace quobrix
