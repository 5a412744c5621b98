// Whether tests that cap the address space can run in this build. Under
// AddressSanitizer they cannot: its shadow memory needs terabytes of address
// space, and its allocator aborts instead of throwing when memory runs out.
#pragma once

namespace quobrix::test {

#ifdef __SANITIZE_ADDRESS__
inline constexpr bool kMemoryLimitsTestable = false;
#else
inline constexpr bool kMemoryLimitsTestable = true;
#endif

}  // namespace quobrix::test
