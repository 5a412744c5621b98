#include "platform/DesktopRegistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>

#include "chart/FileIO.h"

namespace quobrix {

namespace {

constexpr int kToolTimeoutMs = 30000;

QByteArray Resource(const QString& name) {
  QFile file(QStringLiteral(":/desktop/") + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The installed entry starts the program by name; ours names this program file.
QByteArray DesktopEntry(const QString& execCommand) {
  QByteArray entry = Resource(QStringLiteral("quobrix.desktop"));
  entry.replace("Exec=quobrix %f", "Exec=" + execCommand.toUtf8() + " %f");
  return entry;
}

bool IsControlCharacter(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; }

bool SameContents(const QString& path, const QByteArray& contents) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.size() == contents.size() && file.readAll() == contents;
}

QString WriteWhole(const QString& path, const QByteArray& contents) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return QStringLiteral("cannot create the folder of ") + path;
  const std::string_view bytes(contents.constData(), static_cast<std::size_t>(contents.size()));
  if (!WriteFileAtomically(QFile::encodeName(path).toStdString(), bytes))
    return path + QStringLiteral(": cannot be written (the disk may be full or the file read-only)");
  return {};
}

// Runs the tool on `folder` when it is installed; a missing tool is no fault.
QString RunTool(const QString& tool, const QString& folder) {
  const QString program = QStandardPaths::findExecutable(tool);
  if (program.isEmpty()) return {};
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, {folder});
  if (!process.waitForFinished(kToolTimeoutMs)) {
    process.kill();
    process.waitForFinished();
    return tool + QStringLiteral(": ") + process.errorString();
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
    return tool + QStringLiteral(": ") + QString::fromLocal8Bit(process.readAll()).trimmed().section(u'\n', 0, 0);
  return {};
}

}  // namespace

std::optional<QString> DesktopExecCommand(const QString& programPath) {
  if (!programPath.startsWith(u'/') || std::any_of(programPath.begin(), programPath.end(), IsControlCharacter))
    return std::nullopt;
  static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
  QString command = programPath;
  command.replace(u'%', QStringLiteral("%%"));
  if (std::any_of(command.begin(), command.end(), [](QChar c) { return reserved.contains(c); })) {
    QString quoted;
    for (QChar c : command) {
      if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
      quoted += c;
    }
    command = u'"' + quoted + u'"';
  }
  // The entry's string values escape the backslash once more.
  return command.replace(u'\\', QStringLiteral("\\\\"));
}

DesktopRegistrationReport RegisterChartFileType(const QString& dataHome, const QString& programPath) {
  const QDir home(dataHome);
  const QString mimeFolder = home.filePath(QStringLiteral("mime"));
  const QString applications = home.filePath(QStringLiteral("applications"));
  DesktopRegistrationReport report;
  const std::optional<QString> execCommand = DesktopExecCommand(programPath);
  if (!execCommand) {
    report.failures.append(QStringLiteral("a desktop entry cannot name the program file ") + programPath);
    return report;
  }
  const struct {
    QString path;
    QByteArray contents;
  } files[] = {
      {mimeFolder + QStringLiteral("/packages/quobrix.xml"), Resource(QStringLiteral("quobrix.xml"))},
      {applications + QStringLiteral("/quobrix.desktop"), DesktopEntry(*execCommand)},
      {home.filePath(QStringLiteral("icons/hicolor/scalable/apps/quobrix.svg")), Resource(QStringLiteral("quobrix.svg"))},
  };
  for (const auto& file : files) {
    if (SameContents(file.path, file.contents)) continue;
    if (const QString failure = WriteWhole(file.path, file.contents); !failure.isEmpty())
      report.failures.append(failure);
    else
      report.written.append(file.path);
  }
  // The indexes are rebuilt when a file changed, or when an earlier start
  // wrote the files but found no tool to index them.
  const auto changed = [&](const QString& folder) {
    return std::any_of(report.written.begin(), report.written.end(), [&](const QString& p) { return p.startsWith(folder); });
  };
  const struct {
    QString tool, folder, index;
  } tools[] = {
      {QStringLiteral("update-mime-database"), mimeFolder, QStringLiteral("/mime.cache")},
      {QStringLiteral("update-desktop-database"), applications, QStringLiteral("/mimeinfo.cache")},
  };
  for (const auto& tool : tools) {
    if (!changed(tool.folder + u'/') && QFileInfo::exists(tool.folder + tool.index)) continue;
    if (const QString failure = RunTool(tool.tool, tool.folder); !failure.isEmpty()) report.failures.append(failure);
  }
  return report;
}

}  // namespace quobrix
