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
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/ChartNotice.h"
#include "chart/EditKey.h"

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

  // Until EndGesture, edits opened without a key of their own take the
  // gesture's.
  void BeginGesture() { gestureKey_ = EditKey::New(); }
  void EndGesture() { gestureKey_ = {}; }
  bool InGesture() const { return static_cast<bool>(gestureKey_); }

 private:
  friend class ChartEdit;

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

  // What an edit that fails puts back.
  struct EditMark {
    SavedState savedState;
    EditKey lastKey;
  };

  BlocksHolderModel& chart_;
  std::shared_ptr<UndoSnapshotSession> session_;
  Snapshots undo_;
  EditKey gestureKey_;
  // The key the newest undo point was recorded under.
  EditKey lastKey_;
  Snapshots redo_;
  // The open edit changed the chart: the redo list goes when it ends well.
  bool redoStale_ = false;
  SavedState savedState_ = SavedState::Pending;
  TextPrint savedPrint_{};
  bool landing_ = false;

  // ----- for ChartEdit
  // Before an edit's first real change: records an undo point, or shares
  // the newest one when it has the edit's key (or, for an edit without one,
  // the gesture's); either way marks the chart modified. Also when no
  // snapshot can be written: the edit goes ahead without undo. True when a
  // point was recorded.
  bool OpenPoint(EditKey key);
  EditMark Mark() const { return {savedState_, lastKey_}; }
  // The open edit ended well.
  void EditCommitted();
  // The open edit failed: loads the point it recorded back, when given, and
  // drops it; the history is as at `mark`. False when the point cannot be read.
  bool EditFailed(const EditMark& mark, bool pointRecorded);

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
  // Puts `snapshot` at the front of the undo list, dropping the oldest of a
  // full one once no edit that may yet fail is open.
  void Push(Snapshot snapshot);
  void Trim();
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
