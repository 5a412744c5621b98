#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "platform/ProgramFolders.h"

namespace quobrix {
namespace {

TEST(ProgramFolders, ProgramDirIsTheFolderOfTheProgramFileWithASlash) {
  EXPECT_EQ(ProgramDir(), QCoreApplication::applicationDirPath() + "/");
}

TEST(ProgramFolders, QuobrixHomeHoldsEveryWrittenFileAndIsCreated) {
  QTemporaryDir dir;
  const QString home = dir.filePath("portable/home");
  qputenv("QUOBRIX_HOME", home.toUtf8());
  const QString settings = SettingsDir();
  const QString library = UserLibraryDir();
  const QString oldUndo = OldUndoDir();
  qunsetenv("QUOBRIX_HOME");
  EXPECT_EQ(settings, home + "/");
  EXPECT_EQ(library, home + "/");
  EXPECT_EQ(oldUndo, home + "/");
  EXPECT_TRUE(QDir(home).exists());
}

FolderEnvironment Environment() {
  FolderEnvironment environment;
  environment.programDir = "/opt/quobrix/";
  environment.home = "/home/ann";
  return environment;
}

TEST(ProgramFolders, WritableProgramFolderHoldsTheWrittenFiles) {
  FolderEnvironment environment = Environment();
  environment.programDirWritable = true;
  environment.xdgConfigHome = "/cfg";
  const WritableFolders folders = ChooseWritableFolders(environment);
  EXPECT_EQ(folders.settings, "/opt/quobrix/");
  EXPECT_EQ(folders.userLibrary, "/opt/quobrix/");
  EXPECT_EQ(folders.oldUndo, "/opt/quobrix/");
  EXPECT_EQ(folders.recovery, "/opt/quobrix/recovery/");
}

TEST(ProgramFolders, QuobrixHomeWinsOverAWritableProgramFolder) {
  FolderEnvironment environment = Environment();
  environment.programDirWritable = true;
  environment.quobrixHome = "/tmp/q";
  const WritableFolders folders = ChooseWritableFolders(environment);
  EXPECT_EQ(folders.settings, "/tmp/q/");
  EXPECT_EQ(folders.userLibrary, "/tmp/q/");
  EXPECT_EQ(folders.oldUndo, "/tmp/q/");
  EXPECT_EQ(folders.recovery, "/tmp/q/recovery/");
}

TEST(ProgramFolders, ReadOnlyProgramFolderUsesTheXdgFolders) {
  FolderEnvironment environment = Environment();
  environment.xdgConfigHome = "/x/config/";
  environment.xdgDataHome = "/x/data";
  environment.xdgRuntimeDir = "/run/user/1000";
  environment.xdgCacheHome = "/x/cache";
  environment.xdgStateHome = "/x/state";
  const WritableFolders folders = ChooseWritableFolders(environment);
  EXPECT_EQ(folders.settings, "/x/config/quobrix/");
  EXPECT_EQ(folders.userLibrary, "/x/data/quobrix/");
  EXPECT_EQ(folders.oldUndo, "/run/user/1000/quobrix/");
  EXPECT_EQ(folders.recovery, "/x/state/quobrix/recovery/");
}

// Installed under a prefix in the home folder, bin/ is writable, but the
// user's files still belong in the user's folders.
TEST(ProgramFolders, AnInstalledProgramWritesToTheXdgFoldersEvenWhenItsFolderIsWritable) {
  FolderEnvironment environment = Environment();
  environment.programDirWritable = true;
  environment.installed = true;
  environment.xdgConfigHome = "/x/config";
  EXPECT_EQ(ChooseWritableFolders(environment).settings, "/x/config/quobrix/");
  environment.quobrixHome = "/portable";
  EXPECT_EQ(ChooseWritableFolders(environment).settings, "/portable/");
}

TEST(ProgramFolders, UnsetOrRelativeXdgVariablesFallBackToTheHomeFolder) {
  FolderEnvironment environment = Environment();
  environment.xdgConfigHome = "relative/config";
  const WritableFolders folders = ChooseWritableFolders(environment);
  EXPECT_EQ(folders.settings, "/home/ann/.config/quobrix/");
  EXPECT_EQ(folders.userLibrary, "/home/ann/.local/share/quobrix/");
  EXPECT_EQ(folders.oldUndo, "/home/ann/.cache/quobrix/");
  EXPECT_EQ(folders.recovery, "/home/ann/.local/state/quobrix/recovery/");
}

}  // namespace
}  // namespace quobrix
