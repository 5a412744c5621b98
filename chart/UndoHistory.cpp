// The undo history: up to ten snapshot files of the whole chart, newest
// first. Recording into a full history drops the oldest file; undo loads the
// newest back and consumes it.
#include <cstdio>

#include "chart/BlocksHolderModel.h"
#include "chart/UndoSnapshotFolder.h"

namespace quobrix {

namespace {

std::string FileNameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

}  // namespace

void BlocksHolderModel::RecordUndoPoint() {
  MakeUndoPoint();
  // Also when no snapshot could be made: the edit that follows must still
  // count as unsaved work.
  FModified = true;
}

bool BlocksHolderModel::MakeUndoPoint() {
  if (!undoSession_) undoSession_ = CurrentUndoSnapshotSession();
  if (!undoSession_) return false;
  const auto path = undoSession_->WriteSnapshot(ChartFileText());
  if (!path) return false;
  FModified = true;
  if (FUndoCount == kUndoDepth)
    std::remove(FUndoFiles[kUndoDepth - 1].c_str());
  else
    ++FUndoCount;
  for (int i = FUndoCount - 1; i > 0; --i) FUndoFiles[i] = std::move(FUndoFiles[i - 1]);
  FUndoFiles[0] = *path;
  DoDebug("Отмена: Создан файл \"" + FileNameOf(*path) + "\"");
  return true;
}

void BlocksHolderModel::Undo() {
  if (FUndoCount > 0) RollBack();
}

bool BlocksHolderModel::RollBack() {
  if (FUndoCount == 0) return false;
  const std::string keptFileName = fileName_;
  if (!LoadFromFile(FUndoFiles[0])) return false;
  fileName_ = keptFileName;
  activeBlock_ = 0;
  DoDebug("Отмена: Использована точка отката \"" + FUndoFiles[0] + "\"");
  DoDebug("К-во блоков = " + std::to_string(BlockCount()));
  std::remove(FUndoFiles[0].c_str());
  for (int i = 1; i < FUndoCount; ++i) FUndoFiles[i - 1] = std::move(FUndoFiles[i]);
  --FUndoCount;
  FUndoFiles[FUndoCount].clear();
  return true;
}

void BlocksHolderModel::DeleteUndoFiles() {
  for (int i = 0; i < FUndoCount; ++i) {
    std::remove(FUndoFiles[i].c_str());
    FUndoFiles[i].clear();
  }
  FUndoCount = 0;
}

}  // namespace quobrix
