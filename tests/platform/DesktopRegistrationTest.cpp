#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <optional>
#include <random>

#include "platform/DesktopRegistration.h"
#include "platform/ProfileFile.h"

namespace quobrix {
namespace {

const QString kProgram = QStringLiteral("/opt/quobrix/bin/quobrix");

QStringList RegisteredFiles(const QString& dataHome) {
  return {dataHome + "/mime/packages/quobrix.xml", dataHome + "/applications/quobrix.desktop",
          dataHome + "/icons/hicolor/scalable/apps/quobrix.svg"};
}

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(DesktopRegistration, WritesTheThreeFilesOnceAndLeavesThemAloneOnTheNextStart) {
  QTemporaryDir home;
  const DesktopRegistrationReport first = RegisterChartFileType(home.path(), kProgram);
  EXPECT_EQ(first.written, RegisteredFiles(home.path()));
  EXPECT_TRUE(first.failures.isEmpty()) << first.failures.join('\n').toStdString();

  std::vector<QDateTime> stamps;
  for (const QString& path : RegisteredFiles(home.path())) {
    ASSERT_FALSE(Read(path).isEmpty()) << path.toStdString();
    // Back-dated, so that a rewrite within the same second would show.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QDateTime past = QDateTime::currentDateTime().addDays(-1);
    ASSERT_TRUE(file.setFileTime(past, QFileDevice::FileModificationTime));
    stamps.push_back(QFileInfo(path).lastModified());
  }
  const DesktopRegistrationReport second = RegisterChartFileType(home.path(), kProgram);
  EXPECT_TRUE(second.written.isEmpty());
  EXPECT_TRUE(second.failures.isEmpty());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(QFileInfo(RegisteredFiles(home.path())[i]).lastModified(), stamps[i]);
}

TEST(DesktopRegistration, AMovedProgramRewritesOnlyItsDesktopEntry) {
  QTemporaryDir home;
  RegisterChartFileType(home.path(), kProgram);
  const DesktopRegistrationReport moved = RegisterChartFileType(home.path(), "/home/ann/quobrix/quobrix");
  EXPECT_EQ(moved.written, QStringList{home.path() + "/applications/quobrix.desktop"});
  EXPECT_TRUE(Read(home.path() + "/applications/quobrix.desktop").contains("\nExec=/home/ann/quobrix/quobrix %f\n"));
}

TEST(DesktopRegistration, AChangedFileIsPutBack) {
  QTemporaryDir home;
  RegisterChartFileType(home.path(), kProgram);
  const QString mime = RegisteredFiles(home.path())[0];
  const QByteArray good = Read(mime);
  QFile file(mime);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(good.left(good.size() / 2));
  file.close();
  EXPECT_EQ(RegisterChartFileType(home.path(), kProgram).written, QStringList{mime});
  EXPECT_EQ(Read(mime), good);
}

TEST(DesktopRegistration, TheDesktopEntryOpensChartsWithThisProgram) {
  QTemporaryDir home;
  RegisterChartFileType(home.path(), kProgram);
  ProfileFile entry(home.path() + "/applications/quobrix.desktop");
  const QString group = QStringLiteral("Desktop Entry");
  EXPECT_EQ(entry.ReadString(group, "Exec"), kProgram + " %f");
  EXPECT_EQ(entry.ReadString(group, "MimeType"), "application/x-quobrix-chart;");
  EXPECT_EQ(entry.ReadString(group, "Icon"), "quobrix");
  EXPECT_EQ(entry.ReadString(group, "Categories"), "Graphics;");
  EXPECT_EQ(entry.ReadString(group, "Type"), "Application");
}

TEST(DesktopRegistration, TheDesktopIndexesKnowTheChartType) {
  if (QStandardPaths::findExecutable("update-mime-database").isEmpty() ||
      QStandardPaths::findExecutable("update-desktop-database").isEmpty())
    GTEST_SKIP() << "the desktop's index tools are not installed";
  QTemporaryDir home;
  RegisterChartFileType(home.path(), kProgram);
  EXPECT_TRUE(QFileInfo::exists(home.path() + "/mime/application/x-quobrix-chart.xml"));
  EXPECT_TRUE(Read(home.path() + "/applications/mimeinfo.cache").contains("application/x-quobrix-chart=quobrix.desktop"));
}

// An index lost after an earlier start is rebuilt although no file changed.
TEST(DesktopRegistration, AMissingIndexIsRebuilt) {
  if (QStandardPaths::findExecutable("update-mime-database").isEmpty()) GTEST_SKIP() << "no update-mime-database";
  QTemporaryDir home;
  RegisterChartFileType(home.path(), kProgram);
  ASSERT_TRUE(QFile::remove(home.path() + "/mime/mime.cache"));
  const DesktopRegistrationReport again = RegisterChartFileType(home.path(), kProgram);
  EXPECT_TRUE(again.written.isEmpty());
  EXPECT_TRUE(QFileInfo::exists(home.path() + "/mime/mime.cache"));
}

// A file-size limit of 0 makes every write fail as on a full disk, even for
// root, and for the index tools too.
TEST(DesktopRegistration, AFullDiskKeepsTheFilesThereWere) {
  QTemporaryDir home;
  RegisterChartFileType(home.path(), kProgram);
  const QString mime = RegisteredFiles(home.path())[0];
  QFile file(mime);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write("<older/>");
  file.close();

  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit full = saved;
  full.rlim_cur = 0;
  setrlimit(RLIMIT_FSIZE, &full);
  const DesktopRegistrationReport report = RegisterChartFileType(home.path(), "/opt/moved/quobrix");
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_TRUE(report.written.isEmpty());
  EXPECT_GE(report.failures.size(), 2);
  EXPECT_EQ(Read(mime), "<older/>");
  EXPECT_TRUE(Read(RegisteredFiles(home.path())[1]).contains("\nExec=" + kProgram.toUtf8() + " %f\n"));
}

TEST(DesktopRegistration, AnUnwritableDataFolderIsReportedNotThrown) {
  QTemporaryDir dir;
  const QString notAFolder = dir.filePath("file");
  QFile file(notAFolder);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  const DesktopRegistrationReport report = RegisterChartFileType(notAFolder, kProgram);
  EXPECT_TRUE(report.written.isEmpty());
  EXPECT_GE(report.failures.size(), 3);
}

// ----- the Exec line read back the way a desktop reads it

// The value of a string key with the entry format's escapes resolved.
std::optional<QString> UnescapeString(const QString& value) {
  QString text;
  for (qsizetype i = 0; i < value.size(); ++i) {
    if (value[i] != u'\\') {
      text += value[i];
      continue;
    }
    if (++i == value.size()) return std::nullopt;
    const QChar escaped = value[i];
    if (escaped == u's') text += u' ';
    else if (escaped == u'n') text += u'\n';
    else if (escaped == u't') text += u'\t';
    else if (escaped == u'r') text += u'\r';
    else if (escaped == u'\\') text += u'\\';
    else return std::nullopt;
  }
  return text;
}

// The arguments of a command line: quoted arguments resolve their four
// escapes, an unquoted one may hold no reserved character, and "%%" is a
// percent sign. "%f" stays as it stands; any other field code is refused.
std::optional<QStringList> SplitCommand(const QString& command) {
  static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
  QStringList arguments;
  qsizetype i = 0;
  while (i < command.size()) {
    QString argument;
    if (command[i] == u'"') {
      for (++i; i < command.size() && command[i] != u'"'; ++i) {
        if (command[i] == u'\\') {
          if (++i == command.size() || !QStringLiteral("\"`$\\").contains(command[i])) return std::nullopt;
        }
        argument += command[i];
      }
      if (i++ == command.size()) return std::nullopt;  // no closing quote
    } else {
      for (; i < command.size() && command[i] != u' '; ++i) {
        if (reserved.contains(command[i])) return std::nullopt;
        argument += command[i];
      }
    }
    if (i < command.size() && command[i++] != u' ') return std::nullopt;
    if (argument != u"%f") {
      if (argument.replace(QStringLiteral("%%"), QStringLiteral("\x01")).contains(u'%')) return std::nullopt;
      argument.replace(u'\x01', u'%');
    }
    arguments.append(argument);
  }
  return arguments;
}

bool HoldsControlCharacter(const QString& path) {
  return std::any_of(path.begin(), path.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

// Every absolute path without control characters comes back whole from the
// Exec line; every other path is refused.
TEST(DesktopExec, TheCommandLineReadsBackAsExactlyTheProgramPath) {
  const QStringList pieces = {"a",  "Я", "-", " ",  "\n", "\t", "\r", "\"", "'", "\\", "%", "%f", "$",
                              "`",  "=", "#", "~",  "&",  ";",  "*",  "?",  "(", ")",  "<", ">",  "|",
                              "\x7f", "/", "é", "\\\\", "%%", "$(x)"};
  std::mt19937 random(27);
  for (int round = 0; round < 3000; ++round) {
    QString path = round % 10 == 0 ? QString() : QStringLiteral("/");
    const int length = static_cast<int>(random() % 12);
    for (int i = 0; i < length; ++i) path += pieces[static_cast<qsizetype>(random() % pieces.size())];
    path += QStringLiteral("/quobrix");

    const std::optional<QString> command = DesktopExecCommand(path);
    if (HoldsControlCharacter(path) || !path.startsWith(u'/')) {
      EXPECT_FALSE(command) << path.toStdString();
      continue;
    }
    ASSERT_TRUE(command) << path.toStdString();
    EXPECT_FALSE(command->contains(u'\n') || command->contains(u'\r')) << path.toStdString();
    const std::optional<QString> unescaped = UnescapeString(*command + QStringLiteral(" %f"));
    ASSERT_TRUE(unescaped) << command->toStdString();
    EXPECT_EQ(SplitCommand(*unescaped), (QStringList{path, QStringLiteral("%f")})) << command->toStdString();
  }
}

TEST(DesktopExec, PlainPathsStayUnquoted) {
  EXPECT_EQ(DesktopExecCommand("/usr/bin/quobrix"), "/usr/bin/quobrix");
  EXPECT_EQ(DesktopExecCommand("/tmp/100%/quobrix"), "/tmp/100%%/quobrix");
}

QStringList ExecLines(const QByteArray& entry) {
  QStringList lines;
  for (const QByteArray& line : entry.split('\n'))
    if (line.startsWith("Exec")) lines.append(QString::fromUtf8(line));
  return lines;
}

TEST(DesktopRegistration, AProgramFolderNameCannotAddACommand) {
  QTemporaryDir home;
  const DesktopRegistrationReport refused =
      RegisterChartFileType(home.path(), "/tmp/x\nExec=sh -c 'touch /tmp/owned' %f\n/quobrix");
  EXPECT_TRUE(refused.written.isEmpty());
  ASSERT_EQ(refused.failures.size(), 1);
  EXPECT_TRUE(refused.failures[0].contains("desktop entry cannot name")) << refused.failures[0].toStdString();
  EXPECT_FALSE(QFileInfo::exists(home.path() + "/applications/quobrix.desktop"));

  // Every character the entry format reserves, in a folder that does exist.
  const QString odd = home.path() + "/-a \"b\" 'c' \\d %e $f `g` #h;i&j/quobrix";
  const DesktopRegistrationReport written = RegisterChartFileType(home.path(), odd);
  EXPECT_TRUE(written.failures.isEmpty()) << written.failures.join('\n').toStdString();
  const QString entry = home.path() + "/applications/quobrix.desktop";
  const QStringList exec = ExecLines(Read(entry));
  ASSERT_EQ(exec.size(), 1);
  EXPECT_EQ(SplitCommand(*UnescapeString(exec[0].mid(5))), (QStringList{odd, QStringLiteral("%f")}));
  if (const QString validate = QStandardPaths::findExecutable("desktop-file-validate"); !validate.isEmpty()) {
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(validate, {entry});
    ASSERT_TRUE(check.waitForFinished(-1));
    EXPECT_EQ(check.exitCode(), 0) << check.readAll().toStdString();
  }
}

}  // namespace
}  // namespace quobrix
