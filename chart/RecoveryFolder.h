// Autosave copies of charts with unsaved changes, kept where a program that
// ends without cleaning up (killed, crashed) leaves them for the next start
// to offer. Every running program writes into a session folder of its own
// (chart/SessionFolder.h) under the recovery folder:
//
//   <root>/XXXXXX/chart-N.qbs   the copy: the whole chart file
//   <root>/XXXXXX/chart-N.path  the chart's own file name, "Untitled" for a new chart
//
// A program that ends normally removes its folder; the folders of programs
// still running are never read by another.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "chart/SessionFolder.h"

namespace quobrix {

class BlocksHolderModel;

class RecoverySession {
 public:
  // A new session folder under `root`; null when none can be made there.
  static std::unique_ptr<RecoverySession> Open(const std::string& root);

  const std::string& Folder() const { return folder_->Path(); }
  // Writes the copy of chart `id` through a temporary file and a rename,
  // and its side file when the chart's file name changed since the last copy.
  bool WriteCopy(int id, const BlocksHolderModel& chart);
  // Removes the copy of chart `id` and its side file.
  void RemoveCopy(int id);
  bool HasCopy(int id) const { return sideNames_.contains(id); }
  // Leaves the copies for the next start to offer.
  void Leave() { folder_->Leave(); }

 private:
  explicit RecoverySession(std::unique_ptr<SessionFolder> folder) : folder_(std::move(folder)) {}
  std::unique_ptr<SessionFolder> folder_;
  std::map<int, std::string> sideNames_;  // what each chart's side file holds
};

struct RecoveredChart {
  std::string CopyPath;      // the copy, a chart file
  std::string OriginalName;  // the chart's own file name
  std::int64_t SavedAt = 0;  // when the copy was written, seconds since 1970
};

// The copies left by programs that have ended, oldest first. Their folders
// stay claimed while the object lives, so a copy of the program starting at
// the same time does not offer them too; copies neither restored nor
// discarded are offered again at the next start.
class LeftOverCopies {
 public:
  explicit LeftOverCopies(const std::string& root);
  // Removes the folders that hold no copy any more.
  ~LeftOverCopies();
  LeftOverCopies(const LeftOverCopies&) = delete;
  LeftOverCopies& operator=(const LeftOverCopies&) = delete;

  const std::vector<RecoveredChart>& Charts() const { return charts_; }
  // Removes a copy and its side file; it is no longer offered.
  void Discard(const std::string& copyPath);

 private:
  std::vector<LeftOverFolder> folders_;
  std::vector<RecoveredChart> charts_;
};

// "chart-" + id + ".qbs" and ".path".
std::string RecoveryCopyName(int id);
std::string RecoverySideName(int id);

}  // namespace quobrix
