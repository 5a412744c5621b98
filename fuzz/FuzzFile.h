// The file a fuzz target hands its input to a reader through, in memory
// (/dev/shm) and written plainly: the reader is what is under test, not the
// way its input got there.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace quobrix::fuzz {

inline std::string InputFileName(const char* extension) {
  return "/dev/shm/quobrix-fuzz-" + std::to_string(::getpid()) + extension;
}

// False when the bytes could not all be written.
inline bool PutFile(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const bool written = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  return ::close(fd) == 0 && written;
}

}  // namespace quobrix::fuzz
