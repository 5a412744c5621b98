// The undo history of one chart: snapshots of the whole chart file, newest
// first, at most kUndoDepth of them. Recording into a full history drops the
// oldest; undo loads the newest back and consumes it. The entries are a list
// of their own, so a redo list can stand beside it.
#pragma once

#include <cstdint>
#include <memory>
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
  // snapshot can be written the edit still goes ahead, without undo.
  void RecordUndoPoint();
  bool MakeUndoPoint();
  // Between the two, only the first edit records an undo point; the later
  // ones are undone with it (a drag that recolours as it goes).
  void BeginJoinedStep() { joinedStep_ = JoinedStep::Open; }
  void EndJoinedStep() { joinedStep_ = JoinedStep::None; }
  void Undo();
  // Loads the newest snapshot back, keeping the chart's file name. A
  // snapshot that cannot be read leaves the chart as it was and is dropped,
  // so the next undo reaches the one before it.
  bool RollBack();

 private:
  BlocksHolderModel& chart_;
  std::shared_ptr<UndoSnapshotSession> session_;
  std::vector<std::string> undoFiles_;
  enum class JoinedStep { None, Open, Recorded } joinedStep_ = JoinedStep::None;

  void DropNewest();
};

}  // namespace quobrix
