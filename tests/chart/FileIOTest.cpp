#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

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

}  // namespace
}  // namespace quobrix
