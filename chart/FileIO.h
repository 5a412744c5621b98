#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quobrix {

// Files beyond this are refused before reading: a chart is read whole into
// memory, and no chart a person made comes near it.
inline constexpr std::int64_t kLargestReadableFile = std::int64_t{2} << 30;

// The bytes of a regular file, or nothing when it cannot be read or is
// larger than kLargestReadableFile.
std::optional<std::string> ReadWholeFile(const std::string& path);

// The size of a regular file, nothing for anything else.
std::optional<std::int64_t> RegularFileSize(const std::string& path);

// The file a write to `path` replaces: where `path` is a symbolic link, the
// file it leads to, so the link stays a link and its target gets the bytes.
std::string ReplacedFile(const std::string& path);

// Writes a temporary file beside the file `path` names (a link's target),
// flushes it to disk and renames it over that file, so a failure half-way
// leaves the previous file as it was. A file that exists but may not be
// written (read-only for its owner, say) is refused and left alone, as a
// read-only folder refuses.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

bool IsRegularFile(const std::string& path);

enum class NewFileResult { Written, Exists, Failed };
// Creates `path` only when no file of that name exists and writes `bytes`
// to it; a failed write removes the file again.
NewFileResult WriteNewFile(const std::string& path, std::string_view bytes);

}  // namespace quobrix
