#include "chart/LeftOverUndoFolders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "chart/SessionFolder.h"
#include "support/TempDir.h"

namespace quobrix {
namespace {

namespace fs = std::filesystem;

bool AnyFile(std::string_view) { return true; }

// The folder an earlier version made for its undo states, holding `files`;
// the program "crashes" (leaves it) unless it is kept running.
std::unique_ptr<SessionFolder> EarlierVersionsFolder(const std::string& base,
                                                     std::initializer_list<const char*> files) {
  auto folder = SessionFolder::Open(UndoFoldersRoot(base), AnyFile);
  for (const char* name : files) test::WriteBytes(folder->Path() + "/" + name, "[Quobrix Sheme v.1.0]");
  return folder;
}

std::string Killed(std::unique_ptr<SessionFolder> folder) {
  std::string path = folder->Path();
  folder->Leave();
  return path;
}

TEST(LeftOverUndoFolders, TheFoldersOfEndedProgramsGoAndThoseOfRunningOnesStay) {
  const test::TempDir base;
  const auto running = EarlierVersionsFolder(base.Path(), {"~0tmp.qbs"});
  const std::string ended = Killed(EarlierVersionsFolder(base.Path(), {"~0tmp.qbs", "~12tmp.qbs"}));
  const std::string withOther = Killed(EarlierVersionsFolder(base.Path(), {"~3tmp.qbs", "notes.txt", "~xtmp.qbs"}));

  RemoveLeftOverUndoFolders(base.Path());

  EXPECT_FALSE(fs::exists(ended));
  EXPECT_TRUE(fs::exists(running->Path() + "/~0tmp.qbs"));
  EXPECT_FALSE(fs::exists(withOther + "/~3tmp.qbs"));
  EXPECT_TRUE(fs::exists(withOther + "/notes.txt")) << "only undo states are ours to remove";
  EXPECT_TRUE(fs::exists(withOther + "/~xtmp.qbs"));
}

TEST(LeftOverUndoFolders, ARootThatLinksElsewhereIsLeftAlone) {
  const test::TempDir base, elsewhere;
  const fs::path leftOver = elsewhere.Path() / "abcdef" / "~0tmp.qbs";
  fs::create_directories(leftOver.parent_path());
  test::WriteBytes(leftOver, "[Quobrix Sheme v.1.0]");
  fs::create_directory_symlink(elsewhere.Path(), UndoFoldersRoot(base.Path()));

  RemoveLeftOverUndoFolders(base.Path());

  EXPECT_TRUE(fs::exists(leftOver));
}

TEST(LeftOverUndoFolders, NothingIsMadeWhereNoEarlierVersionWrote) {
  const test::TempDir base;
  RemoveLeftOverUndoFolders(base.Path() / "missing");
  RemoveLeftOverUndoFolders(base.Path());
  EXPECT_TRUE(fs::is_empty(base.Path()));
}

}  // namespace
}  // namespace quobrix
