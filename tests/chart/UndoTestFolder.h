// A fresh folder for undo snapshots, configured for the test's duration.
#pragma once

#include <filesystem>
#include <string>

#include "chart/UndoSnapshotFolder.h"
#include "support/TempDir.h"

namespace quobrix::test {

class UndoTestFolder {
 public:
  UndoTestFolder() : path_(dir_.Path().string()) { SetUndoSnapshotFolder(path_); }
  ~UndoTestFolder() { SetUndoSnapshotFolder(""); }
  UndoTestFolder(const UndoTestFolder&) = delete;
  UndoTestFolder& operator=(const UndoTestFolder&) = delete;

  const std::string& Path() const { return path_; }
  // The per-program folders made under this one.
  int SessionFolderCount() const {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(UndoSnapshotRoot(path_)))
      if (entry.is_directory()) ++count;
    return count;
  }

 private:
  TempDir dir_;
  std::string path_;
};

}  // namespace quobrix::test
