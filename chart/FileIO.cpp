#include "chart/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <vector>

namespace quobrix {

std::optional<std::string> ReadWholeFile(const std::string& path) {
  if (!IsRegularFile(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.seekg(0);
  if (!in.read(bytes.data(), size)) return std::nullopt;
  return bytes;
}

namespace {

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

AtomicFileWriter::AtomicFileWriter(const std::string& path) : path_(path) {
  const std::size_t slash = path.rfind('/');
  const std::string dir = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string tmpl = dir + "." + name + ".XXXXXX";
  std::vector<char> buf(tmpl.begin(), tmpl.end());
  buf.push_back('\0');
  fd_ = ::mkstemp(buf.data());
  if (fd_ < 0) return;
  tmp_ = buf.data();
  failed_ = ::fchmod(fd_, ModeFor(path)) != 0;
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
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  committed_ = flushed && closed && std::rename(tmp_.c_str(), path_.c_str()) == 0;
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

bool IsRegularFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace quobrix
