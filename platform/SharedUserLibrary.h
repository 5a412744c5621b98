// The user library of one program among several that may share the folder.
// A change is written at once, merged with what the others wrote since this
// program last read or wrote the files, so that no program's additions or
// removals are lost to another's write. A lock file beside the library
// keeps two programs from reading half of another's write or merging at
// the same moment.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "platform/UserLibraryFiles.h"

namespace quobrix {

// Whether both lists hold the same fragments in the same order.
bool SameFragments(const std::vector<LibraryEntry>& a, const std::vector<LibraryEntry>& b);

// The library after both sides' changes: `theirs` (the files now) with the
// entries `ours` removed from `base` taken out and the entries `ours` added
// to `base` appended in their order. Entries are told apart by their
// fragment text; the same fragment kept twice counts twice.
std::vector<LibraryEntry> MergeLibraries(const std::vector<LibraryEntry>& base, const std::vector<LibraryEntry>& ours,
                                         const std::vector<LibraryEntry>& theirs);

class SharedUserLibrary {
 public:
  // `dir` ends with "/".
  explicit SharedUserLibrary(QString dir);

  // Reads the files; the entries read are what this program's changes are
  // measured from.
  LoadedLibrary Load();
  // Writes `ours`, the list as this program's user left it, merged with the
  // files' entries. The library written, or nothing when it could not be
  // written. The library replaced is kept as the backup copy; one that did
  // not read, under the ".damaged" names.
  std::optional<std::vector<LibraryEntry>> Save(const std::vector<LibraryEntry>& ours);
  // The files' entries when another program changed them since this one
  // last read or wrote them and they read.
  std::optional<std::vector<LibraryEntry>> Reload();
  // Whether the files are not the ones this program last read or wrote.
  bool ChangedOnDisk() const;
  // Whether a backup copy that reads is there.
  bool HasBackup() const;
  // Puts the backup copy in place of the files; its entries, or nothing
  // when it does not read or cannot be written.
  std::optional<std::vector<LibraryEntry>> RestoreBackup();

 private:
  std::string Stamp() const;
  void Remember(std::vector<LibraryEntry> entries);

  QString dir_;
  std::vector<LibraryEntry> base_;
  std::string stamp_;  // of the files when last read or written
};

}  // namespace quobrix
