// The folders the program writes to, looked at once it has started: the
// temporary files of saves that were killed half-way are removed, and the
// folders that cannot take a file (a full disk, a read-only one) are named,
// since undo, autosave or the user library cannot work there.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace quobrix {

// Removes from each folder the temporary files of saves no program is
// writing any more (see RemoveAbandonedTemporaryFiles).
void RemoveAbandonedSaves(const QStringList& folders);

// True when a file of a few dozen kilobytes can be written to disk in
// `folder`, or where it is missing, in the nearest folder above it that
// exists; the file is removed again.
bool CanWriteIn(const QString& folder);

struct FolderUse {
  QString use;  // what needs the folder, as the user knows it
  QString folder;
};

// One line per folder that cannot be written, naming it and its uses.
QStringList UnwritableFolderLines(const std::vector<FolderUse>& uses);

}  // namespace quobrix
