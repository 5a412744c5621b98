#include "chart/UndoHistory.h"

#include <cstdio>

#include "chart/BlocksHolderModel.h"
#include "chart/UndoSnapshotFolder.h"

namespace quobrix {

namespace {

std::string FileNameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

}  // namespace

UndoHistory::~UndoHistory() {
  for (const std::string& path : undoFiles_) std::remove(path.c_str());
}

void UndoHistory::RecordUndoPoint() {
  if (joinedStep_ != JoinedStep::Recorded) MakeUndoPoint();
  if (joinedStep_ == JoinedStep::Open) joinedStep_ = JoinedStep::Recorded;
  // Also when no snapshot could be made: the edit that follows must still
  // count as unsaved work.
  chart_.SetModified(true);
}

bool UndoHistory::MakeUndoPoint() {
  if (!session_) session_ = CurrentUndoSnapshotSession();
  if (!session_) return false;
  const auto path = session_->WriteSnapshot(chart_.ChartFileText());
  if (!path) return false;
  BlocksHolderModel::HeldNotices hold(chart_);
  chart_.SetModified(true);
  if (undoFiles_.size() == kUndoDepth) {
    std::remove(undoFiles_.back().c_str());
    undoFiles_.pop_back();
  }
  undoFiles_.insert(undoFiles_.begin(), *path);
  chart_.DoDebug("Отмена: Создан файл \"" + FileNameOf(*path) + "\"");
  chart_.Notify(ChartChange::History);
  return true;
}

void UndoHistory::Undo() {
  if (CanUndo()) RollBack();
}

bool UndoHistory::RollBack() {
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
