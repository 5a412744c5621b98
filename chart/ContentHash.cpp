#include "chart/ContentHash.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace quobrix {

void ContentHash::Mix(std::uint64_t word) { value_ = (std::rotl(value_, 31) ^ word) * 0x9e3779b97f4a7c15ULL; }

void ContentHash::Add(std::string_view bytes) {
  if (bytes.empty()) return;
  std::size_t held = length_ % 8;
  length_ += bytes.size();
  if (held != 0) {
    const std::size_t taken = std::min(8 - held, bytes.size());
    std::memcpy(tail_ + held, bytes.data(), taken);
    bytes.remove_prefix(taken);
    held += taken;
    if (held < 8) return;
    std::uint64_t word = 0;
    std::memcpy(&word, tail_, 8);
    Mix(word);
  }
  for (; bytes.size() >= 8; bytes.remove_prefix(8)) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes.data(), 8);
    Mix(word);
  }
  std::memcpy(tail_, bytes.data(), bytes.size());
}

std::uint64_t ContentHash::Value() const {
  ContentHash last = *this;
  std::uint64_t word = 0;
  std::memcpy(&word, tail_, length_ % 8);
  last.Mix(word);
  last.Mix(length_);
  return last.value_;
}

std::uint64_t ContentHash::Of(std::string_view bytes) {
  ContentHash hash;
  hash.Add(bytes);
  return hash.Value();
}

}  // namespace quobrix
