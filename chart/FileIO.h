#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quobrix {

// The bytes of a regular file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes a temporary file beside `path`, flushes it to disk and renames it
// over `path`, so a failure half-way leaves the previous file as it was.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

bool IsRegularFile(const std::string& path);

}  // namespace quobrix
