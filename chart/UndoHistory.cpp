#include "chart/UndoHistory.h"

#include <cstdio>
#include <functional>

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
}

void UndoHistory::RecordUndoPoint() {
  MakeUndoPoint();
  // Also when no snapshot could be made: the edit that follows must still
  // count as unsaved work.
  chart_.SetModified(true);
}

std::optional<std::string> UndoHistory::WriteSnapshot() {
  if (!session_) session_ = CurrentUndoSnapshotSession();
  if (!session_) return std::nullopt;
  const std::string text = chart_.ChartFileText();
  if (savedState_ == SavedState::Pending) {
    savedPrint_ = TextPrint::Of(text);
    savedState_ = SavedState::Known;
  }
  return session_->WriteSnapshot(text);
}

bool UndoHistory::MakeUndoPoint() {
  const auto path = WriteSnapshot();
  if (!path) return false;
  BlocksHolderModel::HeldNotices hold(chart_);
  chart_.SetModified(true);
  Push(*path);
  chart_.DoDebug("Отмена: Создан файл \"" + FileNameOf(*path) + "\"");
  chart_.Notify(ChartChange::History);
  return true;
}

void UndoHistory::Push(const std::string& path) {
  if (undoFiles_.size() == kUndoDepth) {
    std::remove(undoFiles_.back().c_str());
    undoFiles_.pop_back();
  }
  undoFiles_.insert(undoFiles_.begin(), path);
}

void UndoHistory::Undo() {
  if (CanUndo()) RollBack();
}

bool UndoHistory::RollBack() {
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

bool UndoHistory::RollForward() { return CanRedo() && Step(redoFiles_, undoFiles_, StructureChange::Redone); }

bool UndoHistory::Step(std::vector<std::string>& from, std::vector<std::string>& to, StructureChange how) {
  BlocksHolderModel::HeldNotices hold(chart_);
  const std::optional<std::string> left = WriteSnapshot();
  const std::string snapshot = from.front();
  landing_ = true;
  const bool loaded = chart_.ReplaceFromFile(snapshot, how);
  if (loaded) {
    chart_.activeBlock_ = 0;
    FollowSavedState();
  }
  landing_ = false;
  std::remove(snapshot.c_str());
  from.erase(from.begin());
  if (!loaded) {
    if (left) std::remove(left->c_str());
  } else if (!left) {
    // Without the state just left, the redo list would skip it.
    if (&to == &redoFiles_) ForgetRedo();
  } else if (&to == &undoFiles_) {
    Push(*left);
  } else {
    redoFiles_.insert(redoFiles_.begin(), *left);
  }
  chart_.Notify(ChartChange::History);
  return loaded;
}

void UndoHistory::FollowSavedState() {
  const bool atSaved = savedState_ == SavedState::Known && TextPrint::Of(chart_.ChartFileText()) == savedPrint_;
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
