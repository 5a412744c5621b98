#include "chart/UndoSnapshotFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>
#include <vector>

#include "chart/FileIO.h"

namespace quobrix {

namespace {

constexpr const char* kGuardName = "/.guard";
constexpr const char* kLockName = "lock";
constexpr int kMaxSnapshotNumber = 1000000;

// An open descriptor that is closed, and its lock released, when it goes.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int Get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// Serialises making a session folder against cleaning up, so a cleanup
// never meets a folder whose lock is not taken yet.
// Returns the locked descriptor, or -1.
int LockGuard(const std::string& root) {
  Fd guard(::open((root + kGuardName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
  if (guard.Get() < 0 || ::flock(guard.Get(), LOCK_EX) != 0) return -1;
  return guard.Release();
}

bool IsSnapshotName(std::string_view name) {
  constexpr std::string_view prefix = "~", suffix = "tmp.qbs";
  if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) || !name.ends_with(suffix))
    return false;
  const std::string_view number = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  return number.find_first_not_of("0123456789") == std::string_view::npos;
}

std::vector<std::string> EntriesOf(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  ::closedir(dir);
  return names;
}

// Removes the snapshots and the lock of a session folder, then the folder
// if nothing else is in it.
void RemoveSessionFolder(const std::string& folder) {
  for (const std::string& name : EntriesOf(folder))
    if (IsSnapshotName(name)) ::unlink((folder + "/" + name).c_str());
  ::unlink((folder + "/" + kLockName).c_str());
  ::rmdir(folder.c_str());
}

// A session folder is left over when its lock can be taken: the program that
// held it has ended. One that never got its lock file is left over too.
bool IsLeftOver(const std::string& folder) {
  const Fd lock(::open((folder + "/" + kLockName).c_str(), O_RDWR | O_CLOEXEC));
  if (lock.Get() < 0) return errno == ENOENT;
  return ::flock(lock.Get(), LOCK_EX | LOCK_NB) == 0;
}

// The user's root folder is used only when it is a real folder of this
// user's: one that someone else made in a shared base folder, or a link to
// elsewhere, gets no snapshots and no cleanup.
bool IsOwnFolder(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
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
  const std::string root = UndoSnapshotRoot(base);
  if (::mkdir(root.c_str(), 0700) != 0 && errno != EEXIST) return nullptr;
  if (!IsOwnFolder(root)) return nullptr;
  const Fd guard(LockGuard(root));
  if (guard.Get() < 0) return nullptr;
  std::string pattern = root + "/XXXXXX";
  if (!::mkdtemp(pattern.data())) return nullptr;
  Fd lock(::open((pattern + "/" + kLockName).c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
  if (lock.Get() < 0 || ::flock(lock.Get(), LOCK_EX | LOCK_NB) != 0) {
    RemoveSessionFolder(pattern);
    return nullptr;
  }
  return std::shared_ptr<UndoSnapshotSession>(new UndoSnapshotSession(pattern, lock.Release()));
}

UndoSnapshotSession::~UndoSnapshotSession() {
  RemoveSessionFolder(folder_);
  ::close(lockFd_);
}

std::optional<std::string> UndoSnapshotSession::WriteSnapshot(std::string_view bytes) const {
  for (int n = 0; n <= kMaxSnapshotNumber; ++n) {
    std::string path = folder_ + "/" + UndoSnapshotName(n);
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
  const std::string root = UndoSnapshotRoot(base);
  if (!IsOwnFolder(root)) return;
  const Fd guard(LockGuard(root));
  if (guard.Get() < 0) return;
  for (const std::string& name : EntriesOf(root)) {
    if (name.starts_with(".")) continue;
    const std::string folder = root + "/" + name;
    struct stat st {};
    if (::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && IsLeftOver(folder)) RemoveSessionFolder(folder);
  }
}

}  // namespace quobrix
