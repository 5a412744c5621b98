// Saving with or without the flush to disk, for the benchmark program that
// includes this header (in one file only): its fsync takes the place of the
// C library's for the whole program, the chart library's saves included, so
// a save's own work can be measured apart from the disk's.
#pragma once

#include <sys/syscall.h>
#include <unistd.h>

namespace quobrix::bench {

inline bool& FsyncOn() {
  static bool on = true;
  return on;
}

// Turns fsync off while it lives.
class WithoutFsync {
 public:
  WithoutFsync() { FsyncOn() = false; }
  ~WithoutFsync() { FsyncOn() = true; }
  WithoutFsync(const WithoutFsync&) = delete;
  WithoutFsync& operator=(const WithoutFsync&) = delete;
};

}  // namespace quobrix::bench

extern "C" int fsync(int fd) { return quobrix::bench::FsyncOn() ? static_cast<int>(::syscall(SYS_fsync, fd)) : 0; }
