#include "chart/FileIO.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <memory>
#include <vector>

namespace quobrix {

std::optional<std::string> ReadWholeFile(const std::string& path) {
  const auto expected = RegularFileSize(path);
  if (!expected || *expected > kLargestReadableFile) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0 || size > kLargestReadableFile) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.seekg(0);
  if (!in.read(bytes.data(), size)) return std::nullopt;
  return bytes;
}

namespace {

constexpr std::size_t kSmallestPiece = 4096;

}  // namespace

FilePieces::FilePieces(const std::string& path) {
  // Not blocking: a pipe put in the file's place would wait for a writer.
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat st {};
  failed_ = fd_ < 0 || ::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode);
  // One byte more than the file holds lets the first read reach its end. The
  // floor keeps the reads few where the size says little (a file that grows
  // meanwhile, or one whose file system gives no size).
  if (!failed_) pieceSize_ = std::clamp(static_cast<std::size_t>(st.st_size) + 1, kSmallestPiece, kPieceSize);
}

FilePieces::~FilePieces() {
  if (fd_ >= 0) ::close(fd_);
}

std::string_view FilePieces::Next() {
  if (!Ok()) return {};
  buffer_.resize(pieceSize_);
  for (;;) {
    const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
    if (n < 0 && errno == EINTR) continue;
    failed_ = n < 0;
    return n > 0 ? std::string_view(buffer_.data(), static_cast<std::size_t>(n)) : std::string_view();
  }
}

std::optional<std::int64_t> RegularFileSize(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return static_cast<std::int64_t>(st.st_size);
}

namespace {

FileIdentity IdentityFrom(const struct stat& st) {
  return {static_cast<std::int64_t>(st.st_size),
          static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
          static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

constexpr int kMostLinksFollowed = 40;

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The folder's write permission lets a rename replace any file in it; the
// file's own permission is what says whether its owner means it to change.
// The superuser passes every access check, so for it a file that no one may
// write counts as read-only too.
bool MayReplace(const std::string& file) {
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0) return true;
  if (::access(file.c_str(), W_OK) != 0) return false;
  return ::geteuid() != 0 || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

// New files get the usual permissions; a replaced file keeps its own.
mode_t ModeFor(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return IdentityFrom(st);
}

std::string ReplacedFile(const std::string& path) {
  std::string file = path;
  for (int hop = 0; hop < kMostLinksFollowed; ++hop) {
    struct stat st {};
    if (::lstat(file.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    std::vector<char> link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
    const ssize_t n = ::readlink(file.c_str(), link.data(), link.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= link.size()) break;
    const std::string target(link.data(), static_cast<std::size_t>(n));
    file = target.front() == '/' ? target : FolderOf(file) + target;
  }
  return file;
}

AtomicFileWriter::AtomicFileWriter(const std::string& path) : target_(ReplacedFile(path)) {
  if (!MayReplace(target_)) return;
  // Short, so a file name of any legal length can still be saved.
  std::string tmpl = FolderOf(target_) + std::string(kTemporaryFilePrefix) + "XXXXXX";
  std::vector<char> buf(tmpl.begin(), tmpl.end());
  buf.push_back('\0');
  fd_ = ::mkstemp(buf.data());
  if (fd_ < 0) return;
  tmp_ = buf.data();
  // Where the file system has no locks, the file's changing keeps it safe.
  ::flock(fd_, LOCK_EX | LOCK_NB);
  failed_ = ::fchmod(fd_, ModeFor(target_)) != 0;
}

AtomicFileWriter::~AtomicFileWriter() {
  if (fd_ >= 0) ::close(fd_);
  if (!tmp_.empty() && !committed_) std::remove(tmp_.c_str());
}

bool AtomicFileWriter::Write(std::string_view bytes) {
  if (Ok() && !WriteAll(fd_, bytes)) failed_ = true;
  return Ok();
}

bool AtomicFileWriter::Commit() {
  if (fd_ < 0) return false;
  const bool flushed = Ok() && ::fsync(fd_) == 0;
  struct stat st {};
  if (flushed && ::fstat(fd_, &st) == 0) committedIdentity_ = IdentityFrom(st);
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  committed_ = flushed && closed && std::rename(tmp_.c_str(), target_.c_str()) == 0;
  failed_ = !committed_;
  return committed_;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  AtomicFileWriter file(path);
  return file.Write(bytes) && file.Commit();
}

NewFileResult WriteNewFile(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return errno == EEXIST ? NewFileResult::Exists : NewFileResult::Failed;
  const bool written = WriteAll(fd, bytes);
  if (::close(fd) == 0 && written) return NewFileResult::Written;
  ::unlink(path.c_str());
  return NewFileResult::Failed;
}

bool IsRegularFile(const std::string& path) { return RegularFileSize(path).has_value(); }

namespace {

// The names mkstemp gives: the prefix and six letters or digits.
bool IsTemporaryFileName(std::string_view name) {
  if (!name.starts_with(kTemporaryFilePrefix) || name.size() != kTemporaryFilePrefix.size() + 6) return false;
  for (char c : name.substr(kTemporaryFilePrefix.size()))
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  return true;
}

bool IsAbandoned(const std::string& path, int quietSeconds) {
  struct stat named {};
  if (::lstat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode) || named.st_uid != ::geteuid()) return false;
  if (named.st_mtime > std::time(nullptr) - quietSeconds) return false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  // The lock is kept until the file is gone, so no writer can take it up
  // in between; the file locked must be the one that was looked at.
  struct stat opened {};
  const bool abandoned = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 &&
                         opened.st_dev == named.st_dev && opened.st_ino == named.st_ino && ::unlink(path.c_str()) == 0;
  ::close(fd);
  return abandoned;
}

}  // namespace

int RemoveAbandonedTemporaryFiles(const std::string& folder, int quietSeconds) {
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
  if (!dir) return 0;
  const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + '/';
  int removed = 0;
  while (const dirent* entry = ::readdir(dir.get()))
    if (IsTemporaryFileName(entry->d_name) && IsAbandoned(prefix + entry->d_name, quietSeconds)) ++removed;
  return removed;
}

}  // namespace quobrix
