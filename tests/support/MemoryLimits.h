// Whether tests that cap the address space can run in this build. Under
// AddressSanitizer they cannot: its shadow memory needs terabytes of address
// space, and its allocator aborts instead of throwing when memory runs out.
#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>

namespace quobrix::test {

#ifdef __SANITIZE_ADDRESS__
inline constexpr bool kMemoryLimitsTestable = false;
#else
inline constexpr bool kMemoryLimitsTestable = true;
#endif

// The address space the process holds now, in bytes.
inline std::int64_t AddressSpaceInUse() {
  std::int64_t pages = 0;
  std::ifstream("/proc/self/statm") >> pages;
  return pages * ::getpagesize();
}

// While it lives, the process may map only `room` bytes more than it holds.
class AddressSpaceCap {
 public:
  explicit AddressSpaceCap(std::int64_t room) {
    ::getrlimit(RLIMIT_AS, &old_);
    rlimit capped = old_;
    capped.rlim_cur = static_cast<rlim_t>(AddressSpaceInUse() + room);
    ::setrlimit(RLIMIT_AS, &capped);
  }
  ~AddressSpaceCap() { ::setrlimit(RLIMIT_AS, &old_); }
  AddressSpaceCap(const AddressSpaceCap&) = delete;
  AddressSpaceCap& operator=(const AddressSpaceCap&) = delete;

 private:
  rlimit old_{};
};

}  // namespace quobrix::test
