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
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quobrix {

inline constexpr int kThumbnailSize = 120;

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
};

// `dir` ends with "/".
LoadedLibrary ReadUserLibrary(const QString& dir);

// Writes both files, each through a temporary file renamed into place once
// both are written. With `backUpFirst` the files there are copied to
// "userlib.dll.bak" and "userlib2.dll.bak" first, and nothing is written
// when that copy fails.
bool WriteUserLibrary(const QString& dir, const std::vector<LibraryEntry>& entries, bool backUpFirst);

}  // namespace quobrix
