// The recent-files menu and the short form of its paths.
#include "app/RecentFiles.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>

#include "app/TMainForm.h"

namespace quobrix {

namespace {

constexpr int kRecentFilesKept = 10;
constexpr int kRecentCaptionWidth = 200;

// Replaces the first folder of `dir` (or the "..." standing for the folders
// cut before) by "...", keeping a leading separator.
void CutFirstDirectory(QString& dir, QChar separator) {
  if (dir == separator) {
    dir.clear();
    return;
  }
  const bool rooted = dir.startsWith(separator);
  if (rooted) dir.remove(0, 1);
  if (dir.startsWith(u'.')) dir.remove(0, 4);
  const qsizetype next = dir.indexOf(separator);
  dir = next >= 0 ? QStringLiteral("...") + separator + dir.mid(next + 1) : QString();
  if (rooted) dir.prepend(separator);
}

}  // namespace

QString ShortenPath(const QString& path, const std::function<int(const QString&)>& textWidth, int maxWidth) {
  const QChar separator = path.contains(u'/') || !path.contains(u'\\') ? QChar(u'/') : QChar(u'\\');
  const qsizetype split = path.lastIndexOf(separator) + 1;
  QString dir = path.left(split);
  const QString name = path.mid(split);
  QString drive;
  if (dir.size() > 1 && dir[1] == u':') {
    drive = dir.left(2);
    dir.remove(0, 2);
  }
  const QString cutRoot = separator + QStringLiteral("...") + separator;
  QString result = path;
  while ((!dir.isEmpty() || !drive.isEmpty()) && textWidth(result) > maxWidth) {
    if (dir == cutRoot) {
      drive.clear();
      dir = QStringLiteral("...") + separator;
    } else if (!dir.isEmpty()) {
      CutFirstDirectory(dir, separator);
    } else {
      drive.clear();
    }
    result = drive + dir + name;
  }
  return result;
}

void TMainForm::AddRecentFile(const QString& path) {
  const auto entries = mOpenHistory->actions();
  for (const QAction* entry : entries)
    if (entry->toolTip() == path) return;
  const QFontMetrics metrics(mOpenHistory->font());
  const QString caption = ShortenPath(
      path, [&metrics](const QString& text) { return metrics.horizontalAdvance(text); }, kRecentCaptionWidth);
  // A "&" in a path is part of the name, not a keyboard accelerator.
  auto* entry = new QAction(QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")), mOpenHistory);
  entry->setToolTip(path);
  connect(entry, &QAction::triggered, this, [this, entry] { mOpenHistoryClick(*entry); });
  mOpenHistory->addAction(entry);
  mOpenHistory->setToolTipsVisible(true);
  if (mOpenHistory->actions().size() > kRecentFilesKept) {
    QAction* oldest = mOpenHistory->actions().first();
    mOpenHistory->removeAction(oldest);
    delete oldest;
  }
}

QStringList TMainForm::RecentFiles() const {
  QStringList paths;
  for (const QAction* entry : mOpenHistory->actions()) paths.append(entry->toolTip());
  return paths;
}

}  // namespace quobrix
