#include "app/FolderCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <string>

#include "chart/FileIO.h"

namespace quobrix {

namespace {

// Far longer than any writer of a small file leaves its temporary file alone.
constexpr int kQuietSeconds = 120;
// About what one undo step or autosave copy of a small chart takes.
constexpr std::size_t kProbeBytes = 64 * 1024;

std::string LocalName(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

void RemoveAbandonedSaves(const QStringList& folders) {
  for (const QString& folder : folders) RemoveAbandonedTemporaryFiles(LocalName(folder), kQuietSeconds);
}

bool CanWriteIn(const QString& folder) {
  // A folder made when first needed is made in the nearest one there is.
  QString existing = QDir(folder).absolutePath();
  while (!QFileInfo(existing).isDir() && QFileInfo(existing).absolutePath() != existing)
    existing = QFileInfo(existing).absolutePath();
  const std::string probe =
      LocalName(existing) + "/.quobrix-probe-" + std::to_string(QCoreApplication::applicationPid());
  AtomicFileWriter file(probe);
  const bool written = file.Write(std::string(kProbeBytes, '\0')) && file.Commit();
  return written && QFile::remove(QFile::decodeName(probe.c_str()));
}

QStringList UnwritableFolderLines(const std::vector<FolderUse>& uses) {
  QMap<QString, bool> writable;
  QMap<QString, QStringList> usesOfFolder;
  QStringList order;
  for (const FolderUse& use : uses) {
    if (!writable.contains(use.folder)) writable[use.folder] = CanWriteIn(use.folder);
    if (writable[use.folder]) continue;
    if (!usesOfFolder.contains(use.folder)) order.append(use.folder);
    usesOfFolder[use.folder].append(use.use);
  }
  QStringList lines;
  for (const QString& folder : order)
    lines.append(usesOfFolder[folder].join(QStringLiteral(", ")) + QStringLiteral(": ") + folder);
  return lines;
}

}  // namespace quobrix
