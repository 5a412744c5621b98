#pragma once

#include <cstdint>
#include <string_view>

namespace quobrix {

// A 64-bit hash of bytes fed a piece at a time, so a file written or read in
// pieces is hashed on the way; where the pieces break makes no difference.
// It takes eight bytes a step, so it keeps pace with the disk.
class ContentHash {
 public:
  void Add(std::string_view bytes);
  std::uint64_t Value() const;
  static std::uint64_t Of(std::string_view bytes);

 private:
  void Mix(std::uint64_t word);

  std::uint64_t value_ = 0xcbf29ce484222325ULL;
  std::uint64_t length_ = 0;
  char tail_[8] = {};  // the bytes after the last whole word, length_ % 8 of them
};

}  // namespace quobrix
