// Where undo snapshots are written. Every running program keeps its
// snapshots in a session folder of its own (chart/SessionFolder.h) under the
// configured base folder, so the start-up cleanup of another copy of the
// program removes only the folders of programs that have ended.
//
//   <base>/.quobrix-undo-UID/XXXXXX/~0tmp.qbs  the snapshots
// One root per user, so users who share a writable program folder each have undo.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "chart/SessionFolder.h"

namespace quobrix {

class UndoSnapshotSession {
 public:
  // A new locked session folder under `base`, or null when nothing can be
  // written there.
  static std::shared_ptr<UndoSnapshotSession> Open(const std::string& base);

  const std::string& Folder() const { return folder_->Path(); }

  // Writes `bytes` to "~" + n + "tmp.qbs" with the smallest n whose file
  // does not exist, and returns its full path; nothing when it cannot be
  // written (no partial file is left).
  std::optional<std::string> WriteSnapshot(std::string_view bytes) const;

 private:
  explicit UndoSnapshotSession(std::unique_ptr<SessionFolder> folder) : folder_(std::move(folder)) {}
  std::unique_ptr<SessionFolder> folder_;
};

// The base folder every later session is made in. Models keep the session
// they started with; an empty base means no undo.
void SetUndoSnapshotFolder(const std::string& base);
// The program's current session, made on first use; null when the base
// folder cannot take one.
std::shared_ptr<UndoSnapshotSession> CurrentUndoSnapshotSession();

// Removes the snapshot folders that programs which ended without cleaning
// up left under the configured base folder. Folders of running programs,
// this one included, are left alone.
void DeleteUndoTempFiles();

// The folder that holds this user's session folders under `base`.
std::string UndoSnapshotRoot(const std::string& base);
// "~" + n + "tmp.qbs"
std::string UndoSnapshotName(int n);

}  // namespace quobrix
