#include "chart/UndoSnapshotFolder.h"

#include <unistd.h>

#include "chart/FileIO.h"

namespace quobrix {

namespace {

constexpr int kMaxSnapshotNumber = 1000000;

bool IsSnapshotName(std::string_view name) {
  constexpr std::string_view prefix = "~", suffix = "tmp.qbs";
  if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) || !name.ends_with(suffix))
    return false;
  const std::string_view number = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  return number.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string& ConfiguredBase() {
  static std::string base;
  return base;
}

std::shared_ptr<UndoSnapshotSession>& ProgramSession() {
  static std::shared_ptr<UndoSnapshotSession> session;
  return session;
}

}  // namespace

std::string UndoSnapshotRoot(const std::string& base) { return base + "/.quobrix-undo-" + std::to_string(::getuid()); }

std::string UndoSnapshotName(int n) {
  std::string name(1, '~');
  name.append(std::to_string(n)).append("tmp.qbs");
  return name;
}

std::shared_ptr<UndoSnapshotSession> UndoSnapshotSession::Open(const std::string& base) {
  if (base.empty()) return nullptr;
  auto folder = SessionFolder::Open(UndoSnapshotRoot(base), IsSnapshotName);
  if (!folder) return nullptr;
  return std::shared_ptr<UndoSnapshotSession>(new UndoSnapshotSession(std::move(folder)));
}

std::optional<std::string> UndoSnapshotSession::WriteSnapshot(std::string_view bytes) const {
  for (int n = 0; n <= kMaxSnapshotNumber; ++n) {
    std::string path = Folder() + "/" + UndoSnapshotName(n);
    switch (WriteNewFile(path, bytes)) {
      case NewFileResult::Written:
        return path;
      case NewFileResult::Exists:
        continue;
      case NewFileResult::Failed:
        return std::nullopt;
    }
  }
  return std::nullopt;
}

void SetUndoSnapshotFolder(const std::string& base) {
  ConfiguredBase() = base;
  ProgramSession().reset();
}

std::shared_ptr<UndoSnapshotSession> CurrentUndoSnapshotSession() {
  auto& session = ProgramSession();
  if (!session) session = UndoSnapshotSession::Open(ConfiguredBase());
  return session;
}

void DeleteUndoTempFiles() {
  const std::string& base = ConfiguredBase();
  if (base.empty()) return;
  for (LeftOverFolder& folder : ClaimLeftOverFolders(UndoSnapshotRoot(base))) folder.Remove(IsSnapshotName);
}

}  // namespace quobrix
