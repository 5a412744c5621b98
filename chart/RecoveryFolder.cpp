#include "chart/RecoveryFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <set>

#include "chart/BlocksHolderModel.h"
#include "chart/FileIO.h"

namespace quobrix {

namespace {

constexpr std::string_view kCopyPrefix = "chart-";
constexpr std::string_view kCopyExtension = ".qbs";
constexpr std::string_view kSideExtension = ".path";

// The folder is the program's own: everything in it goes with it.
bool AnyFile(std::string_view) { return true; }

bool IsCopyName(std::string_view name) {
  if (!name.starts_with(kCopyPrefix) || !name.ends_with(kCopyExtension)) return false;
  const std::string_view id = name.substr(kCopyPrefix.size(), name.size() - kCopyPrefix.size() - kCopyExtension.size());
  return !id.empty() && id.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string SidePathOf(const std::string& copyPath) {
  return copyPath.substr(0, copyPath.size() - kCopyExtension.size()).append(kSideExtension);
}

std::int64_t ModificationTime(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? static_cast<std::int64_t>(st.st_mtime) : 0;
}

}  // namespace

std::string RecoveryCopyName(int id) { return std::string(kCopyPrefix) + std::to_string(id) + std::string(kCopyExtension); }

std::string RecoverySideName(int id) { return std::string(kCopyPrefix) + std::to_string(id) + std::string(kSideExtension); }

std::unique_ptr<RecoverySession> RecoverySession::Open(const std::string& root) {
  auto folder = SessionFolder::Open(root, AnyFile);
  if (!folder) return nullptr;
  return std::unique_ptr<RecoverySession>(new RecoverySession(std::move(folder)));
}

bool RecoverySession::WriteCopy(int id, const BlocksHolderModel& chart) {
  const auto side = sideNames_.find(id);
  if (side == sideNames_.end() || side->second != chart.FileName()) {
    if (!WriteFileAtomically(Folder() + "/" + RecoverySideName(id), chart.FileName())) return false;
    sideNames_[id] = chart.FileName();
  }
  return chart.WriteChartCopy(Folder() + "/" + RecoveryCopyName(id));
}

void RecoverySession::RemoveCopy(int id) {
  if (sideNames_.erase(id) == 0) return;
  ::unlink((Folder() + "/" + RecoveryCopyName(id)).c_str());
  ::unlink((Folder() + "/" + RecoverySideName(id)).c_str());
}

LeftOverCopies::LeftOverCopies(const std::string& root) : folders_(ClaimLeftOverFolders(root)) {
  for (const LeftOverFolder& folder : folders_) {
    for (const std::string& name : folder.FileNames()) {
      if (!IsCopyName(name)) continue;
      RecoveredChart chart;
      chart.CopyPath = folder.Path() + "/" + name;
      // A copy whose side file never got written belongs to a new chart.
      chart.OriginalName = ReadWholeFile(SidePathOf(chart.CopyPath)).value_or("Untitled");
      chart.SavedAt = ModificationTime(chart.CopyPath);
      charts_.push_back(std::move(chart));
    }
  }
  std::stable_sort(charts_.begin(), charts_.end(),
                   [](const RecoveredChart& a, const RecoveredChart& b) { return a.SavedAt < b.SavedAt; });
}

LeftOverCopies::~LeftOverCopies() {
  std::set<std::string> kept;
  for (const RecoveredChart& chart : charts_) {
    kept.insert(chart.CopyPath);
    kept.insert(SidePathOf(chart.CopyPath));
  }
  for (LeftOverFolder& folder : folders_)
    folder.Remove([&](std::string_view name) { return !kept.contains(folder.Path() + "/" + std::string(name)); });
}

void LeftOverCopies::Discard(const std::string& copyPath) {
  const auto chart = std::find_if(charts_.begin(), charts_.end(),
                                  [&](const RecoveredChart& c) { return c.CopyPath == copyPath; });
  if (chart == charts_.end()) return;
  ::unlink(copyPath.c_str());
  ::unlink(SidePathOf(copyPath).c_str());
  charts_.erase(chart);
}

}  // namespace quobrix
