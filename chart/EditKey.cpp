#include "chart/EditKey.h"

#include <atomic>

namespace quobrix {

EditKey EditKey::New() {
  // Counted across charts, so a key taken for one chart never ties edits of another.
  static std::atomic<std::uint64_t> last{0};
  return EditKey(++last);
}

}  // namespace quobrix
