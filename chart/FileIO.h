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

enum class NewFileResult { Written, Exists, Failed };
// Creates `path` only when no file of that name exists and writes `bytes`
// to it; a failed write removes the file again.
NewFileResult WriteNewFile(const std::string& path, std::string_view bytes);

}  // namespace quobrix
