#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

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

struct ExecCase {
  const char* path;
  const char* command;
};

class DesktopExec : public ::testing::TestWithParam<ExecCase> {};

TEST_P(DesktopExec, QuotesAndEscapesWhatTheEntryFormatReserves) {
  EXPECT_EQ(DesktopExecCommand(QString::fromUtf8(GetParam().path)).toStdString(), GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DesktopExec,
    ::testing::Values(ExecCase{"/usr/bin/quobrix", "/usr/bin/quobrix"},
                      ExecCase{"/home/ann/Мои программы/quobrix", "\"/home/ann/Мои программы/quobrix\""},
                      ExecCase{"/tmp/a$b/quobrix", "\"/tmp/a\\\\$b/quobrix\""},
                      ExecCase{"/tmp/say \"hi\"/quobrix", "\"/tmp/say \\\\\"hi\\\\\"/quobrix\""},
                      ExecCase{"/tmp/100%/quobrix", "/tmp/100%%/quobrix"}));

}  // namespace
}  // namespace quobrix
