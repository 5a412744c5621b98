// What a chart knows of its file from the moment it last read or wrote it,
// so that a later save can tell whether another program has replaced the
// file since, and would lose that program's work.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "chart/FileIO.h"

namespace quobrix {

enum class DiskState : std::uint8_t { AsStamped, Changed, Gone };

struct FileStamp {
  // Files up to this size are always read back and hashed when compared;
  // a larger one is taken as unchanged while its size, time and identity are.
  static constexpr std::int64_t kAlwaysHashed = std::int64_t{16} << 20;

  std::string path;
  FileIdentity identity;
  std::uint64_t hash = 0;

  // Whether the file at `path` still holds the bytes it held when stamped.
  // A different size settles it at once; otherwise the bytes are hashed,
  // unless the file is large and nothing about it has changed. Same bytes
  // under a new time (touched, or saved again unchanged) are no change; a
  // file that cannot be read counts as changed.
  DiskState OnDisk() const;
};

}  // namespace quobrix
