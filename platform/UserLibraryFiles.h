// The user library on disk: a pair of files in the user-library folder.
// "userlib.dll" holds one fragment per line, its line breaks written as the
// two bytes 0x01 0x01; "userlib2.dll" holds the thumbnails in the same
// order: the 8 bytes "QBTHUMB1", a count (32 bits, little-endian), then for
// each thumbnail its length (the same) and a PNG image of 120 x 120 pixels.
// The pair belongs together: a pair whose counts differ is damaged.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quobrix {

inline constexpr int kThumbnailSize = 120;
inline constexpr char kUserLibraryTextFile[] = "userlib.dll";
inline constexpr char kUserLibraryThumbnailFile[] = "userlib2.dll";

// One kept fragment: its chart-fragment text (bytes of code page 1251) and
// its thumbnail.
struct LibraryEntry {
  std::string Fragment;
  QImage Thumbnail;
};

std::string LibraryLineOf(std::string_view fragment);
std::string FragmentOfLibraryLine(std::string_view line);
// Whether the fragment comes back from its line exactly as it is: typed
// text may hold the marker bytes or line breaks of its own.
bool FitsOnLibraryLine(std::string_view fragment);

std::string LibraryTextOf(const std::vector<LibraryEntry>& entries);
QByteArray ThumbnailFileOf(const std::vector<LibraryEntry>& entries);
// The entries the two files' bytes describe, or nothing when either is
// damaged or they disagree on the number of entries.
std::optional<std::vector<LibraryEntry>> ParseUserLibrary(std::string_view text, QByteArrayView thumbnails);

enum class LibraryLoad {
  Loaded,
  NoFiles,  // neither file is there: a library never saved
  Failed,   // one file missing, unreadable or damaged; the files are left as they are
};

struct LoadedLibrary {
  LibraryLoad Result = LibraryLoad::NoFiles;
  std::vector<LibraryEntry> Entries;
  // With Failed, the paths of the files to blame: one missing or unreadable,
  // thumbnails that do not read, or both when they disagree on the count.
  QStringList Damaged;
};

// `dir` ends with "/".
LoadedLibrary ReadUserLibrary(const QString& dir);
// The copy a write kept of the library it replaced ("userlib.dll.bak" and
// "userlib2.dll.bak").
LoadedLibrary ReadUserLibraryBackup(const QString& dir);

// What becomes of the files there before they are replaced: nothing, or
// they are copied to ".bak" names (a library that reads, so the copy always
// holds one) or to ".damaged" names (one that does not). Nothing is written
// when that copy fails.
enum class OldLibrary { Replace, KeepAsBackup, KeepAsDamaged };

// Writes both files, each through a temporary file renamed into place once
// both are written.
bool WriteUserLibrary(const QString& dir, const std::vector<LibraryEntry>& entries, OldLibrary old);

}  // namespace quobrix
