// The undo history of one chart: snapshots of the whole chart file, newest
// first, at most kUndoDepth of them. Recording into a full history drops the
// oldest; undo loads the newest back and consumes it.
//
// Beside it stands the redo list: each undo first snapshots the state it
// leaves, and redo loads that back, recording an undo point of the state it
// leaves in turn. Any other change of the chart forgets the redo list, since
// its states no longer follow from the chart's. Where the state an undo or
// redo leaves cannot be written (a full disk), its text is kept in memory
// instead, so stepping back and forth loses nothing.
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

  std::int32_t FUndoCount() const { return static_cast<std::int32_t>(undo_.size()); }
  // Snapshot paths, newest first; states kept in memory have none.
  std::vector<std::string> FUndoFiles() const { return FilesOf(undo_); }
  bool CanUndo() const { return !undo_.empty(); }
  // The snapshot paths of the states undo left, the one to come back first
  // at the front.
  std::vector<std::string> RedoFiles() const { return FilesOf(redo_); }
  bool CanRedo() const { return !redo_.empty(); }

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
  // A state to come back to: its snapshot file, or its text when no file
  // could be written.
  struct Snapshot {
    std::string path;  // empty for a state held in memory
    std::string text;
  };
  using Snapshots = std::vector<Snapshot>;

  BlocksHolderModel& chart_;
  std::shared_ptr<UndoSnapshotSession> session_;
  Snapshots undo_;
  bool inGesture_ = false;
  std::string gestureSnapshot_;  // empty once kept, or when none could be written
  Snapshots redo_;
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
  // Puts `snapshot` at the front of the undo list, dropping the oldest of a full one.
  void Push(Snapshot snapshot);
  // Loads the front entry of `from` over the chart and consumes it; on
  // success the state left goes to the front of `to`.
  bool Step(Snapshots& from, Snapshots& to, StructureChange how);
  bool Load(const Snapshot& snapshot, StructureChange how);
  // Puts the state a step left, its text when it has one, at the front of `to`.
  void Keep(std::optional<std::string> left, Snapshots& to);
  static std::vector<std::string> FilesOf(const Snapshots& snapshots);
  static void RemoveAll(Snapshots& snapshots);
  void FollowSavedState();
  void ForgetRedo();
};

}  // namespace quobrix
