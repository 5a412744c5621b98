#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quobrix {

// Files beyond this are refused before reading: a chart is held whole in
// memory, and no chart a person made comes near it.
inline constexpr std::int64_t kLargestReadableFile = std::int64_t{2} << 30;

// The bytes of a regular file, or nothing when it cannot be read or is
// larger than kLargestReadableFile.
std::optional<std::string> ReadWholeFile(const std::string& path);

// A regular file read a piece at a time into a buffer of its own, no larger
// than the file needs.
class FilePieces {
 public:
  static constexpr std::size_t kPieceSize = std::size_t{1} << 20;

  explicit FilePieces(const std::string& path);
  ~FilePieces();
  FilePieces(const FilePieces&) = delete;
  FilePieces& operator=(const FilePieces&) = delete;

  // False when the file could not be opened, is no regular file, or a read failed.
  bool Ok() const { return fd_ >= 0 && !failed_; }
  // The next piece, valid until the next call; empty at the end or after a failure.
  std::string_view Next();

 private:
  int fd_ = -1;
  bool failed_ = false;
  std::size_t pieceSize_ = kPieceSize;
  std::string buffer_;
};

// The size of a regular file, nothing for anything else.
std::optional<std::int64_t> RegularFileSize(const std::string& path);

// What tells one version of a file from another without reading it: a write
// in place changes the size or the modification time, a replacement the
// file's identity on its device.
struct FileIdentity {
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

// The identity of the regular file at `path` (a link's target); nothing for
// anything else.
std::optional<FileIdentity> IdentityOf(const std::string& path);

// The file a write to `path` replaces: where `path` is a symbolic link, the
// file it leads to, so the link stays a link and its target gets the bytes.
std::string ReplacedFile(const std::string& path);

// A file written piece by piece into a temporary file beside its target
// (a link's target, see ReplacedFile), which replaces the target only once
// every piece is written and flushed to disk, so a failure half-way (a full
// disk, say) leaves the previous file as it was. The temporary file goes
// away unless committed. A target that exists but may not be written
// (read-only for its owner, say) is refused and left alone, as a read-only
// folder refuses. The temporary file, named kTemporaryFilePrefix and six
// letters or digits, is locked (flock) while it is written, which tells
// RemoveAbandonedTemporaryFiles that its writer is still at work.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(const std::string& path);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // False once anything failed, the creation of the temporary file included.
  bool Ok() const { return fd_ >= 0 && !failed_; }
  // For writers that open files by name; whatever they write there is what
  // Commit puts in place.
  const std::string& TemporaryPath() const { return tmp_; }
  bool Write(std::string_view bytes);
  // Flushes the temporary file to disk and renames it over the target.
  bool Commit();
  // The identity of the file a successful Commit put in place, as it was
  // when it took the target's name.
  const FileIdentity& CommittedIdentity() const { return committedIdentity_; }

 private:
  std::string target_;
  std::string tmp_;
  int fd_ = -1;
  bool failed_ = false;
  bool committed_ = false;
  FileIdentity committedIdentity_;
};

inline constexpr std::string_view kTemporaryFilePrefix = ".quobrix.";

// Removes from `folder` the temporary files of AtomicFileWriters that never
// finished (the program was killed during a save): those of this user that
// no one holds locked and that have not changed for `quietSeconds`, long
// enough that no writer is between creating and locking one. Returns how
// many went.
int RemoveAbandonedTemporaryFiles(const std::string& folder, int quietSeconds);

// Writes `bytes` through an AtomicFileWriter.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

bool IsRegularFile(const std::string& path);

enum class NewFileResult { Written, Exists, Failed };
// Creates `path` only when no file of that name exists and writes `bytes`
// to it; a failed write removes the file again.
NewFileResult WriteNewFile(const std::string& path, std::string_view bytes);

}  // namespace quobrix
