#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <set>

#include "chart/FileIO.h"
#include "support/TempDir.h"

namespace quobrix {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

std::size_t EntriesIn(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

class SafeWrite : public ::testing::Test {
 protected:
  TempDir dir;
};

TEST_F(SafeWrite, ThroughALinkTheTargetGetsTheBytesAndTheLinkStays) {
  fs::create_directory(dir.Path() / "charts");
  WriteBytes(dir.File("charts/real.qbs"), "old");
  fs::create_symlink("charts/real.qbs", dir.Path() / "relative.qbs");
  fs::create_symlink(dir.Path() / "relative.qbs", dir.Path() / "chain.qbs");

  ASSERT_TRUE(WriteFileAtomically(dir.File("chain.qbs"), "new"));

  EXPECT_TRUE(fs::is_symlink(dir.Path() / "chain.qbs"));
  EXPECT_TRUE(fs::is_symlink(dir.Path() / "relative.qbs"));
  EXPECT_EQ(ReadBytes(dir.File("charts/real.qbs")), "new");
  EXPECT_EQ(EntriesIn(dir.Path() / "charts"), 1u) << "no temporary file left beside the target";
}

TEST_F(SafeWrite, ALinkToAFileNotYetThereCreatesIt) {
  fs::create_symlink("later.qbs", dir.Path() / "link.qbs");
  ASSERT_TRUE(WriteFileAtomically(dir.File("link.qbs"), "made"));
  EXPECT_TRUE(fs::is_symlink(dir.Path() / "link.qbs"));
  EXPECT_EQ(ReadBytes(dir.File("later.qbs")), "made");
}

// The folder is writable, so the rename alone would replace the file.
TEST_F(SafeWrite, AFileItsOwnerMayNotWriteIsRefusedAndLeftAlone) {
  const std::string path = dir.File("locked.qbs");
  WriteBytes(path, "keep");
  ::chmod(path.c_str(), 0444);
  EXPECT_FALSE(WriteFileAtomically(path, "replaced"));
  EXPECT_EQ(ReadBytes(path), "keep");
  EXPECT_EQ(EntriesIn(dir.Path()), 1u);
  struct stat st {};
  ::stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0444u);
}

TEST_F(SafeWrite, AReplacedFileKeepsItsPermissions) {
  const std::string path = dir.File("shared.qbs");
  WriteBytes(path, "a");
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(WriteFileAtomically(path, "b"));
  struct stat st {};
  ::stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(SafeWrite, TheLongestLegalNameCanBeSaved) {
  const std::string name = std::string(251, 'n') + ".qbs";
  ASSERT_EQ(name.size(), 255u);
  ASSERT_TRUE(WriteFileAtomically(dir.File(name), "long"));
  EXPECT_EQ(ReadBytes(dir.File(name)), "long");
  EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST_F(SafeWrite, ReadingRefusesAFileBeyondTheReadableSize) {
  const std::string path = dir.File("huge.qbs");
  WriteBytes(path, "x");
  fs::resize_file(path, kLargestReadableFile + 1);  // sparse: takes no disk
  EXPECT_FALSE(ReadWholeFile(path).has_value());
  EXPECT_EQ(RegularFileSize(path), kLargestReadableFile + 1);
}

// ----- temporary files a killed save left behind

constexpr int kQuietSeconds = 120;

void MakeOld(const std::string& path) {
  const timespec times[2] = {{0, UTIME_OMIT}, {std::time(nullptr) - 2 * kQuietSeconds, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

TEST_F(SafeWrite, OnlyOurOwnQuietUnlockedTemporaryFilesAreRemoved) {
  for (const char* name : {".quobrix.Ab12cD", ".quobrix.zzzzzz", ".quobrix.abc", ".quobrix.abcdefg",
                           ".quobrix.ab-def", "quobrix.abcdef", "chart.qbs"}) {
    WriteBytes(dir.File(name), "half");
    MakeOld(dir.File(name));
  }
  WriteBytes(dir.File(".quobrix.fresh1"), "being written");
  fs::create_directory(dir.Path() / ".quobrix.folder");
  fs::create_symlink("chart.qbs", dir.Path() / ".quobrix.link01");
  MakeOld(dir.File(".quobrix.link01"));

  EXPECT_EQ(RemoveAbandonedTemporaryFiles(dir.Path().string(), kQuietSeconds), 2);

  std::set<std::string> left;
  for (const auto& entry : fs::directory_iterator(dir.Path())) left.insert(entry.path().filename().string());
  EXPECT_EQ(left, (std::set<std::string>{".quobrix.abc", ".quobrix.abcdefg", ".quobrix.ab-def", "quobrix.abcdef",
                                         "chart.qbs", ".quobrix.fresh1", ".quobrix.folder", ".quobrix.link01"}));
}

// A save that stalls (a slow disk, a stopped program) holds its lock.
TEST_F(SafeWrite, ATemporaryFileItsWriterStillHoldsStays) {
  const std::string target = dir.File("chart.qbs");
  AtomicFileWriter file(target);
  ASSERT_TRUE(file.Write("first half"));
  MakeOld(file.TemporaryPath());
  EXPECT_EQ(RemoveAbandonedTemporaryFiles(dir.Path().string(), kQuietSeconds), 0);
  ASSERT_TRUE(file.Write(", second half"));
  ASSERT_TRUE(file.Commit());
  EXPECT_EQ(ReadBytes(target), "first half, second half");
}

}  // namespace
}  // namespace quobrix
