#include "chart/SessionFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace quobrix {

namespace {

constexpr const char* kGuardName = "/.guard";
constexpr const char* kLockName = "lock";

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

// Serialises making a session folder against claiming left-overs, so a claim
// never meets a folder whose lock is not taken yet.
// Returns the locked descriptor, or -1.
int LockGuard(const std::string& root) {
  Fd guard(::open((root + kGuardName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
  if (guard.Get() < 0 || ::flock(guard.Get(), LOCK_EX) != 0) return -1;
  return guard.Release();
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

// Removes the own files of a session folder, then its lock and the folder
// when nothing else is left in it.
void RemoveSessionFolder(const std::string& folder, const OwnFileName& ownFile) {
  bool othersLeft = false;
  for (const std::string& name : EntriesOf(folder)) {
    if (name == kLockName) continue;
    if (ownFile(name) && ::unlink((folder + "/" + name).c_str()) == 0) continue;
    othersLeft = true;
  }
  if (othersLeft) return;
  ::unlink((folder + "/" + kLockName).c_str());
  ::rmdir(folder.c_str());
}

// The lock of a session folder whose program has ended, taken; -1 while its
// program runs. A folder that never got its lock file is left over too: it
// gets one now.
int OpenLock(const std::string& folder) {
  const std::string path = folder + "/" + kLockName;
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd >= 0 || errno != ENOENT) return fd;
  return ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
}

int ClaimLock(const std::string& folder) {
  Fd lock(OpenLock(folder));
  if (lock.Get() < 0 || ::flock(lock.Get(), LOCK_EX | LOCK_NB) != 0) return -1;
  return lock.Release();
}

// The root is used only when it is a real folder of this user's: one that
// someone else made in a shared folder, or a link to elsewhere, gets no
// session folders and no claims.
bool IsOwnFolder(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
}

bool IsRealFolder(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

SessionFolder::SessionFolder(std::string path, int lockFd, OwnFileName ownFile)
    : path_(std::move(path)), lockFd_(lockFd), ownFile_(std::move(ownFile)) {}

std::unique_ptr<SessionFolder> SessionFolder::Open(const std::string& root, OwnFileName ownFile) {
  if (root.empty()) return nullptr;
  if (::mkdir(root.c_str(), 0700) != 0 && errno != EEXIST) return nullptr;
  if (!IsOwnFolder(root)) return nullptr;
  const Fd guard(LockGuard(root));
  if (guard.Get() < 0) return nullptr;
  std::string pattern = root + "/XXXXXX";
  if (!::mkdtemp(pattern.data())) return nullptr;
  Fd lock(::open((pattern + "/" + kLockName).c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
  if (lock.Get() < 0 || ::flock(lock.Get(), LOCK_EX | LOCK_NB) != 0) {
    RemoveSessionFolder(pattern, ownFile);
    return nullptr;
  }
  return std::unique_ptr<SessionFolder>(new SessionFolder(pattern, lock.Release(), std::move(ownFile)));
}

SessionFolder::~SessionFolder() {
  if (!left_) RemoveSessionFolder(path_, ownFile_);
  ::close(lockFd_);
}

LeftOverFolder::LeftOverFolder(std::string path, int lockFd) : path_(std::move(path)), lockFd_(lockFd) {}

LeftOverFolder::~LeftOverFolder() {
  if (lockFd_ >= 0) ::close(lockFd_);
}

LeftOverFolder::LeftOverFolder(LeftOverFolder&& other) noexcept
    : path_(std::move(other.path_)), lockFd_(std::exchange(other.lockFd_, -1)) {}

std::vector<std::string> LeftOverFolder::FileNames() const {
  std::vector<std::string> names = EntriesOf(path_);
  std::erase(names, std::string(kLockName));
  return names;
}

void LeftOverFolder::Remove(const OwnFileName& ownFile) { RemoveSessionFolder(path_, ownFile); }

std::vector<LeftOverFolder> ClaimLeftOverFolders(const std::string& root) {
  std::vector<LeftOverFolder> claimed;
  if (root.empty() || !IsOwnFolder(root)) return claimed;
  const Fd guard(LockGuard(root));
  if (guard.Get() < 0) return claimed;
  for (const std::string& name : EntriesOf(root)) {
    if (name.starts_with(".")) continue;
    const std::string folder = root + "/" + name;
    if (!IsRealFolder(folder)) continue;
    const int lock = ClaimLock(folder);
    if (lock >= 0) claimed.emplace_back(folder, lock);
  }
  return claimed;
}

}  // namespace quobrix
