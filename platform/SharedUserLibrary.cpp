#include "platform/SharedUserLibrary.h"

#include <sys/stat.h>

#include <QFile>
#include <QLockFile>
#include <algorithm>
#include <map>

namespace quobrix {

namespace {

// Long enough for another program's write of a large library; a lock left
// by a program that died is taken over at once.
constexpr int kLockWaitMs = 5000;

// Which file is there now: a write renames a new one into place.
std::string FileStamp(const QString& path) {
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) != 0) return "-";
  return std::to_string(status.st_ino) + ':' + std::to_string(status.st_size) + ':' +
         std::to_string(status.st_mtim.tv_sec) + '.' + std::to_string(status.st_mtim.tv_nsec);
}

// Held while the files are read or written; a folder where no lock can be
// made (read-only) is still read.
class LibraryLock {
 public:
  explicit LibraryLock(const QString& dir) : lock_(dir + QStringLiteral("userlib.lock")) {
    held_ = lock_.tryLock(kLockWaitMs);
  }
  bool Held() const { return held_; }

 private:
  QLockFile lock_;
  bool held_ = false;
};

OldLibrary WhatToKeepOf(LibraryLoad there) {
  switch (there) {
    case LibraryLoad::Loaded:
      return OldLibrary::KeepAsBackup;
    case LibraryLoad::Failed:
      return OldLibrary::KeepAsDamaged;
    case LibraryLoad::NoFiles:
      break;
  }
  return OldLibrary::Replace;
}

}  // namespace

bool SameFragments(const std::vector<LibraryEntry>& a, const std::vector<LibraryEntry>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const LibraryEntry& x, const LibraryEntry& y) { return x.Fragment == y.Fragment; });
}

std::vector<LibraryEntry> MergeLibraries(const std::vector<LibraryEntry>& base, const std::vector<LibraryEntry>& ours,
                                         const std::vector<LibraryEntry>& theirs) {
  if (SameFragments(base, theirs)) return ours;
  // First how many of each fragment ours dropped, then what it added.
  std::map<std::string, int> dropped;
  for (const LibraryEntry& entry : base) ++dropped[entry.Fragment];
  std::vector<const LibraryEntry*> added;
  for (const LibraryEntry& entry : ours) {
    int& left = dropped[entry.Fragment];
    if (left > 0)
      --left;
    else
      added.push_back(&entry);
  }
  std::vector<LibraryEntry> merged;
  for (const LibraryEntry& entry : theirs) {
    int& left = dropped[entry.Fragment];
    if (left > 0)
      --left;
    else
      merged.push_back(entry);
  }
  for (const LibraryEntry* entry : added) merged.push_back(*entry);
  return merged;
}

SharedUserLibrary::SharedUserLibrary(QString dir) : dir_(std::move(dir)) {}

LoadedLibrary SharedUserLibrary::Load() {
  const LibraryLock lock(dir_);
  LoadedLibrary there = ReadUserLibrary(dir_);
  Remember(there.Entries);
  return there;
}

std::optional<std::vector<LibraryEntry>> SharedUserLibrary::Save(const std::vector<LibraryEntry>& ours) {
  const LibraryLock lock(dir_);
  if (!lock.Held()) return std::nullopt;
  const LoadedLibrary there = ReadUserLibrary(dir_);
  std::vector<LibraryEntry> merged =
      there.Result == LibraryLoad::Failed ? ours : MergeLibraries(base_, ours, there.Entries);
  if (!WriteUserLibrary(dir_, merged, WhatToKeepOf(there.Result))) return std::nullopt;
  Remember(merged);
  return merged;
}

std::optional<std::vector<LibraryEntry>> SharedUserLibrary::Reload() {
  const LibraryLock lock(dir_);
  if (!ChangedOnDisk()) return std::nullopt;
  LoadedLibrary there = ReadUserLibrary(dir_);
  if (there.Result == LibraryLoad::Failed) return std::nullopt;
  Remember(there.Entries);
  return std::move(there.Entries);
}

bool SharedUserLibrary::ChangedOnDisk() const { return Stamp() != stamp_; }

bool SharedUserLibrary::HasBackup() const { return ReadUserLibraryBackup(dir_).Result == LibraryLoad::Loaded; }

std::optional<std::vector<LibraryEntry>> SharedUserLibrary::RestoreBackup() {
  const LibraryLock lock(dir_);
  LoadedLibrary backup = ReadUserLibraryBackup(dir_);
  if (!lock.Held() || backup.Result != LibraryLoad::Loaded) return std::nullopt;
  if (!WriteUserLibrary(dir_, backup.Entries, WhatToKeepOf(ReadUserLibrary(dir_).Result))) return std::nullopt;
  Remember(backup.Entries);
  return std::move(backup.Entries);
}

std::string SharedUserLibrary::Stamp() const {
  return FileStamp(dir_ + QString::fromLatin1(kUserLibraryTextFile)) + ' ' +
         FileStamp(dir_ + QString::fromLatin1(kUserLibraryThumbnailFile));
}

void SharedUserLibrary::Remember(std::vector<LibraryEntry> entries) {
  base_ = std::move(entries);
  stamp_ = Stamp();
}

}  // namespace quobrix
