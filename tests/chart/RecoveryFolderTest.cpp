#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>

#include "chart/BlocksHolderModel.h"
#include "chart/RecoveryFolder.h"
#include "support/TempDir.h"

namespace quobrix {
namespace {

namespace fs = std::filesystem;

class Recovery : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string root = dir.File("recovery");
  BlocksHolderModel chart;

  // The folder of a program that ended without cleaning up: a lock nobody
  // holds and whatever files it left.
  std::string LeftOverFolder(const std::string& name, std::initializer_list<std::pair<std::string, std::string>> files) {
    const std::string folder = root + "/" + name;
    fs::create_directories(folder);
    test::WriteBytes(folder + "/lock", "");
    for (const auto& [file, bytes] : files) test::WriteBytes(folder + "/" + file, bytes);
    return folder;
  }
};

TEST_F(Recovery, ACopyIsTheWholeChartFileAndItsSideFileTheChartsName) {
  chart.AddDefaultBlock(btRectangle, 0, 0, 500, 500);
  chart.SetFileName("/charts/plan.qbs");
  auto session = RecoverySession::Open(root);
  ASSERT_TRUE(session);

  ASSERT_TRUE(session->WriteCopy(7, chart));

  EXPECT_EQ(test::ReadBytes(session->Folder() + "/chart-7.qbs"), chart.ChartFileText());
  EXPECT_EQ(test::ReadBytes(session->Folder() + "/chart-7.path"), "/charts/plan.qbs");
  // A copy, not a save.
  EXPECT_EQ(chart.FileName(), "/charts/plan.qbs");
  EXPECT_TRUE(chart.FModified());
  chart.SetFileName("/charts/renamed.qbs");
  ASSERT_TRUE(session->WriteCopy(7, chart));
  EXPECT_EQ(test::ReadBytes(session->Folder() + "/chart-7.path"), "/charts/renamed.qbs");
}

TEST_F(Recovery, RemovingACopyAndEndingTheSessionLeaveNothingBehind) {
  auto session = RecoverySession::Open(root);
  ASSERT_TRUE(session->WriteCopy(1, chart));
  ASSERT_TRUE(session->WriteCopy(2, chart));
  const std::string folder = session->Folder();

  session->RemoveCopy(1);
  EXPECT_FALSE(fs::exists(folder + "/chart-1.qbs"));
  EXPECT_FALSE(fs::exists(folder + "/chart-1.path"));
  EXPECT_TRUE(fs::exists(folder + "/chart-2.qbs"));

  session.reset();
  EXPECT_FALSE(fs::exists(folder));
}

// A real second program: while it runs its copies are not offered; once it
// has ended without cleaning up they are, with the chart's name and the time
// of the copy.
TEST_F(Recovery, CopiesAreOfferedOnlyOnceTheirProgramHasEnded) {
  int toParent[2], toChild[2];
  ASSERT_EQ(::pipe(toParent), 0);
  ASSERT_EQ(::pipe(toChild), 0);
  const std::time_t before = std::time(nullptr);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(toParent[0]);
    ::close(toChild[1]);
    auto* session = RecoverySession::Open(root).release();  // never ends: the program is killed
    BlocksHolderModel edited;
    edited.AddDefaultBlock(btEllipse, 0, 0, 500, 500);
    edited.SetFileName("/charts/edited.qbs");
    const bool written = session->WriteCopy(3, edited);
    (void)!::write(toParent[1], written ? "1" : "0", 1);
    char go;
    (void)!::read(toChild[0], &go, 1);
    ::_exit(0);
  }
  ::close(toParent[1]);
  ::close(toChild[0]);
  char written = 0;
  ASSERT_EQ(::read(toParent[0], &written, 1), 1);
  ASSERT_EQ(written, '1');

  EXPECT_TRUE(LeftOverCopies(root).Charts().empty());

  ::close(toChild[1]);
  ::waitpid(child, nullptr, 0);
  std::string folder;
  {
    LeftOverCopies copies(root);
    ASSERT_EQ(copies.Charts().size(), 1u);
    const RecoveredChart& offered = copies.Charts()[0];
    EXPECT_EQ(offered.OriginalName, "/charts/edited.qbs");
    EXPECT_GE(offered.SavedAt, before);
    BlocksHolderModel restored;
    ASSERT_TRUE(restored.LoadFromFile(offered.CopyPath));
    EXPECT_EQ(restored.BlockCount(), 1);
    folder = fs::path(offered.CopyPath).parent_path().string();
    copies.Discard(offered.CopyPath);
    EXPECT_TRUE(copies.Charts().empty());
  }
  EXPECT_FALSE(fs::exists(folder));
}

TEST_F(Recovery, ACopyWhoseSideFileIsMissingBelongsToANewChart) {
  LeftOverFolder("abcdef", {{"chart-4.qbs", chart.ChartFileText()}});
  LeftOverCopies copies(root);
  ASSERT_EQ(copies.Charts().size(), 1u);
  EXPECT_EQ(copies.Charts()[0].OriginalName, "Untitled");
}

// Two programs starting at once must not both offer (and restore) the same
// copy; a copy the user neither restored nor discarded comes back next time.
TEST_F(Recovery, OfferedCopiesAreClaimedAndKeptUntilHandled) {
  const std::string folder = LeftOverFolder(
      "abcdef", {{"chart-1.qbs", chart.ChartFileText()}, {"chart-1.path", "/a.qbs"},
                 {"chart-2.qbs", chart.ChartFileText()}, {"chart-2.path", "/b.qbs"}, {".quobrix.Xy12ab", "half"}});
  {
    LeftOverCopies first(root);
    ASSERT_EQ(first.Charts().size(), 2u);
    EXPECT_TRUE(LeftOverCopies(root).Charts().empty());
    first.Discard(folder + "/chart-1.qbs");
  }
  EXPECT_FALSE(fs::exists(folder + "/chart-1.path"));
  EXPECT_FALSE(fs::exists(folder + "/.quobrix.Xy12ab"));
  {
    LeftOverCopies again(root);
    ASSERT_EQ(again.Charts().size(), 1u);
    EXPECT_EQ(again.Charts()[0].OriginalName, "/b.qbs");
    again.Discard(again.Charts()[0].CopyPath);
  }
  EXPECT_FALSE(fs::exists(folder));
}

TEST_F(Recovery, ARootThatLinksElsewhereGetsNoCopiesAndIsNotRead) {
  test::TempDir elsewhere;
  fs::create_directories(elsewhere.File("abcdef"));
  test::WriteBytes(elsewhere.File("abcdef/chart-1.qbs"), chart.ChartFileText());
  fs::create_directory_symlink(elsewhere.Path(), root);

  EXPECT_EQ(RecoverySession::Open(root), nullptr);
  EXPECT_TRUE(LeftOverCopies(root).Charts().empty());
  EXPECT_TRUE(fs::exists(elsewhere.File("abcdef/chart-1.qbs")));
}

}  // namespace
}  // namespace quobrix
