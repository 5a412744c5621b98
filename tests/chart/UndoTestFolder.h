// A fresh folder for undo snapshots, configured for the test's duration.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "chart/UndoSnapshotFolder.h"

namespace quobrix::test {

class UndoTestFolder {
 public:
  UndoTestFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quobrix-undo-test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
    SetUndoSnapshotFolder(path_);
  }
  ~UndoTestFolder() {
    SetUndoSnapshotFolder("");
    std::filesystem::remove_all(path_);
  }
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
  std::string path_;
};

}  // namespace quobrix::test
