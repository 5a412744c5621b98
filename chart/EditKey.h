// What ties edits into one undo step: edits made under the same key, one
// after the other, share the undo point the first of them recorded. A
// stretch of typing, one drag, one press on a colour strip each take a new
// key; the default key ties nothing.
#pragma once

#include <cstdint>

namespace quobrix {

class EditKey {
 public:
  EditKey() = default;
  // A key no other edit has had before.
  static EditKey New();

  explicit operator bool() const { return id_ != 0; }
  bool operator==(const EditKey&) const = default;

 private:
  explicit EditKey(std::uint64_t id) : id_(id) {}
  std::uint64_t id_ = 0;
};

}  // namespace quobrix
