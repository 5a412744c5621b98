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

void RemoveAll(std::vector<std::string>& files) {
  for (const std::string& path : files) std::remove(path.c_str());
  files.clear();
}

}  // namespace

UndoHistory::TextPrint UndoHistory::TextPrint::Of(std::string_view text) {
  return {text.size(), std::hash<std::string_view>{}(text)};
}

UndoHistory::~UndoHistory() {
  RemoveAll(undoFiles_);
  RemoveAll(redoFiles_);
  if (!gestureSnapshot_.empty()) std::remove(gestureSnapshot_.c_str());
}

void UndoHistory::RecordUndoPoint() {
  if (inGesture_)
    GestureChanged();
  else
    MakeUndoPoint();
  // Also when no snapshot could be made: the edit that follows must still
  // count as unsaved work.
  chart_.SetModified(true);
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
  return session_->WriteSnapshot(text);
}

bool UndoHistory::MakeUndoPoint() {
  const auto path = WriteSnapshot();
  if (!path) return false;
  Record(*path);
  return true;
}

void UndoHistory::Record(const std::string& path) {
  BlocksHolderModel::HeldNotices hold(chart_);
  chart_.SetModified(true);
  Push(path);
  chart_.DoDebug("Отмена: Создан файл \"" + FileNameOf(path) + "\"");
  chart_.Notify(ChartChange::History);
}

void UndoHistory::Push(const std::string& path) {
  if (undoFiles_.size() == kUndoDepth) {
    std::remove(undoFiles_.back().c_str());
    undoFiles_.pop_back();
  }
  undoFiles_.insert(undoFiles_.begin(), path);
}

void UndoHistory::BeginGesture() {
  EndGesture();
  inGesture_ = true;
  gestureSnapshot_ = WriteSnapshot().value_or(std::string());
}

void UndoHistory::GestureChanged() {
  if (!inGesture_) return;
  BlocksHolderModel::HeldNotices hold(chart_);
  if (!gestureSnapshot_.empty()) Record(std::exchange(gestureSnapshot_, std::string()));
  chart_.SetModified(true);
}

void UndoHistory::EndGesture() {
  if (!gestureSnapshot_.empty()) std::remove(gestureSnapshot_.c_str());
  gestureSnapshot_.clear();
  inGesture_ = false;
}

void UndoHistory::Undo() {
  if (CanUndo()) RollBack();
}

bool UndoHistory::RollBack() {
  // Whatever a gesture still holds is older than what undo brings back.
  EndGesture();
  if (!CanUndo()) return false;
  BlocksHolderModel::HeldNotices hold(chart_);
  const std::string snapshot = undoFiles_.front();
  const bool loaded = Step(undoFiles_, redoFiles_, StructureChange::Undone);
  if (loaded) {
    chart_.DoDebug("Отмена: Использована точка отката \"" + snapshot + "\"");
    chart_.DoDebug("К-во блоков = " + std::to_string(chart_.BlockCount()));
  }
  return loaded;
}

void UndoHistory::Redo() {
  if (CanRedo()) RollForward();
}

bool UndoHistory::RollForward() {
  EndGesture();
  return CanRedo() && Step(redoFiles_, undoFiles_, StructureChange::Redone);
}

bool UndoHistory::Step(std::vector<std::string>& from, std::vector<std::string>& to, StructureChange how) {
  BlocksHolderModel::HeldNotices hold(chart_);
  // The state left is written only once the landing has loaded: written
  // before, it could take the free name of a snapshot that vanished and be
  // loaded in its place.
  const std::optional<std::string> leftText = CurrentText();
  if (leftText) NoteSavedState(*leftText);
  const std::string snapshot = from.front();
  landing_ = true;
  const bool loaded = chart_.ReplaceFromFile(snapshot, how);
  if (loaded) {
    chart_.activeBlock_ = 0;
    FollowSavedState();
  }
  landing_ = false;
  const std::optional<std::string> left = loaded && leftText ? WriteSnapshot(*leftText) : std::nullopt;
  std::remove(snapshot.c_str());
  from.erase(from.begin());
  if (loaded) Keep(left, to);
  chart_.Notify(ChartChange::History);
  return loaded;
}

void UndoHistory::Keep(const std::optional<std::string>& left, std::vector<std::string>& to) {
  if (!left) {
    // Without the state just left, the redo list would skip it.
    if (&to == &redoFiles_) ForgetRedo();
  } else if (&to == &undoFiles_) {
    Push(*left);
  } else {
    redoFiles_.insert(redoFiles_.begin(), *left);
  }
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

void UndoHistory::ChartMarkedSaved() { savedState_ = SavedState::Pending; }

void UndoHistory::ChartEdited() {
  if (landing_) return;
  if (savedState_ == SavedState::Pending) savedState_ = SavedState::Lost;
  ForgetRedo();
}

void UndoHistory::ForgetRedo() {
  if (redoFiles_.empty()) return;
  RemoveAll(redoFiles_);
  chart_.Notify(ChartChange::History);
}

}  // namespace quobrix
