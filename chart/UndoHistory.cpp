#include "chart/UndoHistory.h"

#include <cstdio>
#include <functional>
#include <new>
#include <utility>

#include "chart/BlocksHolderModel.h"
#include "chart/UndoSnapshotFolder.h"

namespace quobrix {

namespace {

std::string FileNameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

}  // namespace

UndoHistory::TextPrint UndoHistory::TextPrint::Of(std::string_view text) {
  return {text.size(), std::hash<std::string_view>{}(text)};
}

UndoHistory::~UndoHistory() {
  RemoveAll(undo_);
  RemoveAll(redo_);
}

std::vector<std::string> UndoHistory::FilesOf(const Snapshots& snapshots) {
  std::vector<std::string> files;
  for (const Snapshot& snapshot : snapshots)
    if (!snapshot.path.empty()) files.push_back(snapshot.path);
  return files;
}

void UndoHistory::RemoveAll(Snapshots& snapshots) {
  for (const Snapshot& snapshot : snapshots)
    if (!snapshot.path.empty()) std::remove(snapshot.path.c_str());
  snapshots.clear();
}

bool UndoHistory::OpenPoint(EditKey key) {
  if (!key) key = gestureKey_;
  const bool shares = key && key == lastKey_ && CanUndo();
  std::optional<std::string> path;
  if (!shares) path = WriteSnapshot();
  if (path) Record(*path);
  if (!shares) lastKey_ = path ? key : EditKey{};
  // Also when no snapshot could be made: the edit that follows must still
  // count as unsaved work.
  chart_.SetModified(true);
  return path.has_value();
}

void UndoHistory::EditCommitted() {
  Trim();
  if (std::exchange(redoStale_, false)) ForgetRedo();
}

bool UndoHistory::EditFailed(const EditMark& mark, bool pointRecorded) {
  redoStale_ = false;
  savedState_ = mark.savedState;
  lastKey_ = mark.lastKey;
  if (pointRecorded) {
    if (!Load(undo_.front(), StructureChange::Loaded)) return false;
    if (!undo_.front().path.empty()) std::remove(undo_.front().path.c_str());
    undo_.erase(undo_.begin());
  }
  Trim();
  return true;
}

void UndoHistory::NoteSavedState(const std::string& text) {
  if (savedState_ != SavedState::Pending) return;
  savedPrint_ = TextPrint::Of(text);
  savedState_ = SavedState::Known;
}

std::optional<std::string> UndoHistory::CurrentText() const {
  try {
    return chart_.EditedStateText();
  } catch (const std::bad_alloc&) {
    // Too little memory for the chart's text: the edit goes ahead without undo.
    return std::nullopt;
  }
}

std::optional<std::string> UndoHistory::WriteSnapshot() {
  if (!session_) session_ = CurrentUndoSnapshotSession();
  if (!session_) return std::nullopt;
  const std::optional<std::string> text = CurrentText();
  return text ? WriteSnapshot(*text) : std::nullopt;
}

std::optional<std::string> UndoHistory::WriteSnapshot(const std::string& text) {
  NoteSavedState(text);
  return session_ ? session_->WriteSnapshot(text) : std::nullopt;
}

void UndoHistory::Record(const std::string& path) {
  BlocksHolderModel::HeldNotices hold(chart_);
  chart_.SetModified(true);
  Push({path, {}});
  chart_.DoDebug("Отмена: Создан файл \"" + FileNameOf(path) + "\"");
  chart_.Notify(ChartChange::History);
}

void UndoHistory::Push(Snapshot snapshot) {
  undo_.insert(undo_.begin(), std::move(snapshot));
  if (!chart_.EditOpen()) Trim();
}

void UndoHistory::Trim() {
  while (undo_.size() > kUndoDepth) {
    if (!undo_.back().path.empty()) std::remove(undo_.back().path.c_str());
    undo_.pop_back();
  }
}

void UndoHistory::Undo() {
  if (CanUndo()) RollBack();
}

bool UndoHistory::RollBack() {
  if (!CanUndo()) return false;
  BlocksHolderModel::HeldNotices hold(chart_);
  const std::string snapshot = undo_.front().path;
  const bool loaded = Step(undo_, redo_, StructureChange::Undone);
  if (loaded) {
    if (!snapshot.empty()) chart_.DoDebug("Отмена: Использована точка отката \"" + snapshot + "\"");
    chart_.DoDebug("К-во блоков = " + std::to_string(chart_.BlockCount()));
  }
  return loaded;
}

void UndoHistory::Redo() {
  if (CanRedo()) RollForward();
}

bool UndoHistory::RollForward() {
  return CanRedo() && Step(redo_, undo_, StructureChange::Redone);
}

bool UndoHistory::Step(Snapshots& from, Snapshots& to, StructureChange how) {
  BlocksHolderModel::HeldNotices hold(chart_);
  // The state left is written only once the landing has loaded: written
  // before, it could take the free name of a snapshot that vanished and be
  // loaded in its place.
  std::optional<std::string> leftText = CurrentText();
  if (leftText) NoteSavedState(*leftText);
  const Snapshot landing = std::move(from.front());
  from.erase(from.begin());
  // What follows a step starts an undo point of its own.
  lastKey_ = {};
  landing_ = true;
  const bool loaded = Load(landing, how);
  if (loaded) {
    chart_.activeBlock_ = 0;
    FollowSavedState();
  }
  landing_ = false;
  if (loaded) Keep(std::move(leftText), to);
  if (!landing.path.empty()) std::remove(landing.path.c_str());
  chart_.Notify(ChartChange::History);
  return loaded;
}

bool UndoHistory::Load(const Snapshot& snapshot, StructureChange how) {
  return snapshot.path.empty() ? chart_.ReplaceFromText(snapshot.text, how)
                               : chart_.ReplaceFromFile(snapshot.path, how);
}

void UndoHistory::Keep(std::optional<std::string> left, Snapshots& to) {
  if (!left) {
    // Without the state just left (no memory for its text), the redo list would skip it.
    if (&to == &redo_) ForgetRedo();
    return;
  }
  const std::optional<std::string> path = WriteSnapshot(*left);
  Snapshot kept = path ? Snapshot{*path, {}} : Snapshot{{}, std::move(*left)};
  if (&to == &undo_)
    Push(std::move(kept));
  else
    redo_.insert(redo_.begin(), std::move(kept));
}

void UndoHistory::FollowSavedState() {
  const bool atSaved = savedState_ == SavedState::Known && TextPrint::Of(chart_.EditedStateText()) == savedPrint_;
  const TextPrint saved = savedPrint_;
  chart_.SetModified(!atSaved);
  if (atSaved) {
    savedPrint_ = saved;
    savedState_ = SavedState::Known;
  }
}

void UndoHistory::ChartMarkedSaved() {
  savedState_ = SavedState::Pending;
  // Undo comes back to the saved chart, whatever the edits after it share.
  lastKey_ = {};
}

void UndoHistory::ChartEdited() {
  if (landing_) return;
  if (savedState_ == SavedState::Pending) savedState_ = SavedState::Lost;
  if (chart_.EditOpen())
    redoStale_ = true;
  else
    ForgetRedo();
}

void UndoHistory::ForgetRedo() {
  if (redo_.empty()) return;
  RemoveAll(redo_);
  chart_.Notify(ChartChange::History);
}

}  // namespace quobrix
