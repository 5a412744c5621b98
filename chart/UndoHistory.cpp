#include "chart/UndoHistory.h"

#include <cstdio>
#include <new>
#include <utility>

#include "chart/BlocksHolderModel.h"
#include "chart/UndoSnapshotFolder.h"

namespace quobrix {

namespace {

std::string FileNameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

}  // namespace

UndoHistory::~UndoHistory() {
  for (const std::string& path : undoFiles_) std::remove(path.c_str());
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

std::optional<std::string> UndoHistory::WriteSnapshot() {
  if (!session_) session_ = CurrentUndoSnapshotSession();
  if (!session_) return std::nullopt;
  try {
    return session_->WriteSnapshot(chart_.ChartFileText());
  } catch (const std::bad_alloc&) {
    // Too little memory for the chart's text: the edit goes ahead without undo.
    return std::nullopt;
  }
}

bool UndoHistory::MakeUndoPoint() {
  const auto path = WriteSnapshot();
  if (!path) return false;
  Push(*path);
  return true;
}

void UndoHistory::Push(const std::string& path) {
  BlocksHolderModel::HeldNotices hold(chart_);
  chart_.SetModified(true);
  if (undoFiles_.size() == kUndoDepth) {
    std::remove(undoFiles_.back().c_str());
    undoFiles_.pop_back();
  }
  undoFiles_.insert(undoFiles_.begin(), path);
  chart_.DoDebug("Отмена: Создан файл \"" + FileNameOf(path) + "\"");
  chart_.Notify(ChartChange::History);
}

void UndoHistory::BeginGesture() {
  EndGesture();
  inGesture_ = true;
  gestureSnapshot_ = WriteSnapshot().value_or(std::string());
}

void UndoHistory::GestureChanged() {
  if (!inGesture_) return;
  BlocksHolderModel::HeldNotices hold(chart_);
  if (!gestureSnapshot_.empty()) Push(std::exchange(gestureSnapshot_, std::string()));
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
  const bool loaded = chart_.ReplaceFromFile(snapshot, StructureChange::Undone);
  if (loaded) {
    chart_.activeBlock_ = 0;
    chart_.DoDebug("Отмена: Использована точка отката \"" + snapshot + "\"");
    chart_.DoDebug("К-во блоков = " + std::to_string(chart_.BlockCount()));
  }
  DropNewest();
  return loaded;
}

void UndoHistory::DropNewest() {
  std::remove(undoFiles_.front().c_str());
  undoFiles_.erase(undoFiles_.begin());
  chart_.Notify(ChartChange::History);
}

}  // namespace quobrix
