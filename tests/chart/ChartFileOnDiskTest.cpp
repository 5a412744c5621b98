// Whether a chart's file still holds what the chart last read or saved, with
// a second chart standing for another program that writes the same file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>

#include "chart/BlocksHolderModel.h"
#include "chart/ContentHash.h"
#include "chart/FileStamp.h"
#include "support/TempDir.h"

namespace quobrix {
namespace {

class ChartFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    mine.AddDefaultBlock(btRectangle, 0, 0, 500, 500);
    ASSERT_TRUE(mine.SaveToFile(path));
    ASSERT_TRUE(theirs.LoadFromFile(path));
  }
  // Puts the file's modification time back to what it was.
  void RestoreTime(const struct stat& was) {
    const timespec times[2] = {was.st_atim, was.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  }
  struct stat Stat() const {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st;
  }

  test::TempDir folder;
  const std::string path = folder.File("plan.qbs");
  BlocksHolderModel mine;
  BlocksHolderModel theirs;
};

TEST_F(ChartFileOnDisk, TheChartThatSavedOrReadTheFileLastFindsItAsItLeftIt) {
  EXPECT_EQ(mine.FileOnDisk(), DiskState::AsStamped);
  EXPECT_EQ(theirs.FileOnDisk(), DiskState::AsStamped);

  theirs.AddDefaultBlock(btRectangle, 1000, 0, 500, 500);
  ASSERT_TRUE(theirs.SaveToFile(path));

  EXPECT_EQ(theirs.FileOnDisk(), DiskState::AsStamped);
  EXPECT_EQ(mine.FileOnDisk(), DiskState::Changed);
}

// Within the file system's clock tick, or from a tool that keeps times.
TEST_F(ChartFileOnDisk, OtherBytesOfTheSameSizeUnderTheSameTimeAreAChange) {
  const struct stat was = Stat();
  std::string bytes = test::ReadBytes(path);
  bytes.replace(bytes.find("W=500"), 5, "W=600");
  test::WriteBytes(path, bytes);
  RestoreTime(was);
  EXPECT_EQ(mine.FileOnDisk(), DiskState::Changed);
}

// Saved again unchanged elsewhere: a new file with a new time, the same bytes.
TEST_F(ChartFileOnDisk, TheSameBytesInANewFileAreNoChange) {
  ASSERT_TRUE(theirs.SaveToFile(path));
  EXPECT_EQ(mine.FileOnDisk(), DiskState::AsStamped);
}

TEST_F(ChartFileOnDisk, ARemovedFileIsGone) {
  std::remove(path.c_str());
  EXPECT_EQ(mine.FileOnDisk(), DiskState::Gone);
}

// A chart restored from an autosave copy, or made from a template, never
// read the file it is named after: there is nothing to protect.
TEST_F(ChartFileOnDisk, AChartThatNeverReadNorWroteItsFileKnowsOfNoChange) {
  const std::string copy = folder.File("copy.qbs");
  ASSERT_TRUE(mine.WriteChartCopy(copy));
  BlocksHolderModel restored;
  ASSERT_TRUE(restored.LoadFromFile(copy));
  restored.SetFileName(path);
  theirs.AddDefaultBlock(btRectangle, 1000, 0, 500, 500);
  ASSERT_TRUE(theirs.SaveToFile(path));
  EXPECT_EQ(restored.FileOnDisk(), DiskState::AsStamped);
}

TEST_F(ChartFileOnDisk, AReloadTakesTheFileAndTheChartAsItWasStaysAnUndoAway) {
  mine.SetActiveBlock(1);
  mine.SetBlockW(900);
  theirs.AddDefaultBlock(btRectangle, 1000, 0, 500, 500);
  ASSERT_TRUE(theirs.SaveToFile(path));

  ASSERT_TRUE(mine.ReloadFromFile());

  EXPECT_EQ(mine.BlockCount(), 2);
  EXPECT_FALSE(mine.FModified());
  EXPECT_EQ(mine.FileOnDisk(), DiskState::AsStamped);
  mine.Undo();
  EXPECT_EQ(mine.BlockCount(), 1);
  EXPECT_EQ(mine.Blocks(1).W, 900);
  EXPECT_TRUE(mine.FModified());
  mine.Redo();
  EXPECT_EQ(mine.BlockCount(), 2);
  EXPECT_FALSE(mine.FModified());
}

TEST_F(ChartFileOnDisk, AReloadOfAFileThatIsNoChartLeavesTheChartAndItsHistory) {
  mine.SetActiveBlock(1);
  mine.SetBlockW(900);
  test::WriteBytes(path, "not a chart\r\n");

  EXPECT_FALSE(mine.ReloadFromFile());

  EXPECT_EQ(mine.Blocks(1).W, 900);
  EXPECT_TRUE(mine.FModified());
  EXPECT_EQ(mine.History().FUndoCount(), 1);
}

// A save hashes its pieces as they are written, a load the whole file: both
// must give the same value however the bytes are cut.
TEST(ContentHash, PiecesHashAsTheWhole) {
  std::mt19937 random(27);
  std::string bytes(5000, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  for (int round = 0; round < 200; ++round) {
    ContentHash pieces;
    for (std::size_t at = 0; at < bytes.size();) {
      const std::size_t length = std::min<std::size_t>(random() % 700, bytes.size() - at);
      pieces.Add(std::string_view(bytes).substr(at, length));
      at += length;
    }
    ASSERT_EQ(pieces.Value(), ContentHash::Of(bytes)) << "round " << round;
  }
  EXPECT_NE(ContentHash::Of("W=500"), ContentHash::Of("W=600"));
  // A short last word is no word padded with zero bytes.
  EXPECT_NE(ContentHash::Of(std::string_view("a", 1)), ContentHash::Of(std::string_view("a\0", 2)));
}

// Beyond the size that is always read back, an unchanged identity is
// trusted; a new time makes the comparison read the bytes.
TEST(FileStamp, ALargeFileRewrittenInPlaceIsComparedByItsBytes) {
  test::TempDir dir;
  const std::string path = dir.File("large.qbs");
  std::string bytes(static_cast<std::size_t>(FileStamp::kAlwaysHashed) + 10, 'a');
  test::WriteBytes(path, bytes);
  const FileStamp stamp{path, *IdentityOf(path), ContentHash::Of(bytes)};
  ASSERT_EQ(stamp.OnDisk(), DiskState::AsStamped);

  bytes[bytes.size() / 2] = 'b';
  test::WriteBytes(path, bytes);
  const timespec later[2] = {{0, UTIME_OMIT}, {stamp.identity.modifiedNs / 1'000'000'000 + 5, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), later, 0), 0);

  EXPECT_EQ(stamp.OnDisk(), DiskState::Changed);
}

}  // namespace
}  // namespace quobrix
