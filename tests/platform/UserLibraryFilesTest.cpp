// The user library's pair of files: the line encoding of fragments, the
// thumbnail file, and what a damaged, partial or mismatched pair does.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "platform/UserLibraryFiles.h"
#include "support/TempDir.h"

namespace quobrix {
namespace {

QImage Thumbnail(QRgb colour) {
  QImage image(kThumbnailSize, kThumbnailSize, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

std::vector<LibraryEntry> ThreeEntries() {
  return {{"[Quobrix Sheme v.1.0]\r\nX=1\r\n", Thumbnail(qRgb(255, 0, 0))},
          {"[Quobrix Sheme v.1.0]\r\nX=2\r\n", Thumbnail(qRgb(0, 255, 0))},
          {"[Quobrix Sheme v.1.0]\r\nX=3\r\n", Thumbnail(qRgb(0, 0, 255))}};
}

class UserLibraryFolder : public ::testing::Test {
 protected:
  QString Dir() const { return QString::fromStdString(dir.Path().string()) + "/"; }
  std::string File(const char* name) const { return dir.File(name); }

  test::TempDir dir;
};

TEST(UserLibraryLines, AThreeLineFragmentIsOneLineWithTwoMarkersAndComesBack) {
  const std::string fragment = "[Quobrix Sheme v.1.0]\r\nX=1\r\nY=2";
  const std::string line = LibraryLineOf(fragment);
  EXPECT_EQ(line, "[Quobrix Sheme v.1.0]\x01\x01X=1\x01\x01Y=2");
  EXPECT_EQ(FragmentOfLibraryLine(line), fragment);
  EXPECT_TRUE(FitsOnLibraryLine(fragment));
}

TEST(UserLibraryLines, FragmentsThatWouldComeBackChangedDoNotFit) {
  EXPECT_FALSE(FitsOnLibraryLine("[A]\r\nText=a\x01\x01z\r\n"));  // the marker itself
  EXPECT_FALSE(FitsOnLibraryLine("[A]\r\nText=a\x01\r\n"));       // a marker byte before a line break
  EXPECT_FALSE(FitsOnLibraryLine("[A]\r\nText=a\nb\r\n"));        // a bare line feed
  EXPECT_FALSE(FitsOnLibraryLine("[A]\r\nText=a\rb\r\n"));        // a bare carriage return
  EXPECT_TRUE(FitsOnLibraryLine("[A]\r\nText=a\x01z\r\n"));       // one marker byte alone is kept
}

TEST_F(UserLibraryFolder, EntriesComeBackInOrderWithTheirThumbnails) {
  ASSERT_TRUE(WriteUserLibrary(Dir(), ThreeEntries(), OldLibrary::Replace));
  const std::string text = test::ReadBytes(File("userlib.dll"));
  EXPECT_EQ(text, "[Quobrix Sheme v.1.0]\x01\x01X=1\x01\x01\r\n[Quobrix Sheme v.1.0]\x01\x01X=2\x01\x01\r\n"
                  "[Quobrix Sheme v.1.0]\x01\x01X=3\x01\x01\r\n");
  const LoadedLibrary loaded = ReadUserLibrary(Dir());
  ASSERT_EQ(loaded.Result, LibraryLoad::Loaded);
  const std::vector<LibraryEntry> expected = ThreeEntries();
  ASSERT_EQ(loaded.Entries.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(loaded.Entries[i].Fragment, expected[i].Fragment);
    EXPECT_EQ(loaded.Entries[i].Thumbnail, expected[i].Thumbnail) << i;
  }
}

TEST_F(UserLibraryFolder, NoFilesIsAnEmptyLibraryNotAFailure) {
  const LoadedLibrary loaded = ReadUserLibrary(Dir());
  EXPECT_EQ(loaded.Result, LibraryLoad::NoFiles);
  EXPECT_TRUE(loaded.Entries.empty());
}

TEST_F(UserLibraryFolder, WithoutTheThumbnailFileTheLibraryStartsEmptyAndTheLoadFails) {
  test::WriteBytes(File("userlib.dll"), "[A]\x01\x01\r\n");
  const LoadedLibrary loaded = ReadUserLibrary(Dir());
  EXPECT_EQ(loaded.Result, LibraryLoad::Failed);
  EXPECT_TRUE(loaded.Entries.empty());
}

TEST_F(UserLibraryFolder, AMismatchedPairLoadsNothing) {
  ASSERT_TRUE(WriteUserLibrary(Dir(), ThreeEntries(), OldLibrary::Replace));
  test::WriteBytes(File("userlib.dll"), "[A]\x01\x01\r\n[B]\x01\x01\r\n");
  const LoadedLibrary loaded = ReadUserLibrary(Dir());
  EXPECT_EQ(loaded.Result, LibraryLoad::Failed);
  EXPECT_TRUE(loaded.Entries.empty());
}

// The user is told which file to look at.
TEST_F(UserLibraryFolder, AFailedLoadNamesTheFilesToBlame) {
  const std::string text = LibraryTextOf(ThreeEntries());
  const QByteArray thumbnails = ThumbnailFileOf(ThreeEntries());
  const QString textPath = Dir() + "userlib.dll", thumbnailPath = Dir() + "userlib2.dll";
  const struct {
    const char* what;
    std::string text;
    std::optional<std::string> thumbnails;
    QStringList blamed;
  } cases[] = {
      {"no thumbnails", text, std::nullopt, {thumbnailPath}},
      {"thumbnails cut short", text, thumbnails.first(thumbnails.size() - 3).toStdString(), {thumbnailPath}},
      {"a line too many", text + "[X]\r\n", thumbnails.toStdString(), {textPath, thumbnailPath}},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(File("userlib2.dll"));
    test::WriteBytes(File("userlib.dll"), c.text);
    if (c.thumbnails) test::WriteBytes(File("userlib2.dll"), *c.thumbnails);
    const LoadedLibrary loaded = ReadUserLibrary(Dir());
    EXPECT_EQ(loaded.Result, LibraryLoad::Failed) << c.what;
    EXPECT_EQ(loaded.Damaged, c.blamed) << c.what;
  }
}

TEST_F(UserLibraryFolder, TheFilesThereAreCopiedAsideBeforeTheyAreReplaced) {
  test::WriteBytes(File("userlib.dll"), "old lines");
  test::WriteBytes(File("userlib2.dll"), "old pictures");
  ASSERT_TRUE(WriteUserLibrary(Dir(), ThreeEntries(), OldLibrary::KeepAsBackup));
  EXPECT_EQ(test::ReadBytes(File("userlib.dll.bak")), "old lines");
  EXPECT_EQ(test::ReadBytes(File("userlib2.dll.bak")), "old pictures");
  EXPECT_EQ(ReadUserLibrary(Dir()).Entries.size(), 3u);
}

TEST_F(UserLibraryFolder, WhenTheCopyCannotBeMadeNothingIsWritten) {
  test::WriteBytes(File("userlib.dll"), "old lines");
  test::WriteBytes(File("userlib2.dll"), "old pictures");
  std::filesystem::create_directory(File("userlib.dll.bak"));  // in the way of the copy
  EXPECT_FALSE(WriteUserLibrary(Dir(), ThreeEntries(), OldLibrary::KeepAsBackup));
  EXPECT_EQ(test::ReadBytes(File("userlib.dll")), "old lines");
  EXPECT_EQ(test::ReadBytes(File("userlib2.dll")), "old pictures");
}

TEST(UserLibraryThumbnails, DamagedThumbnailFilesAreRefused) {
  const QByteArray good = ThumbnailFileOf(ThreeEntries());
  const std::string text = LibraryTextOf(ThreeEntries());
  ASSERT_TRUE(ParseUserLibrary(text, good));
  EXPECT_FALSE(ParseUserLibrary(text, good.first(good.size() - 1))) << "cut short";
  EXPECT_FALSE(ParseUserLibrary(text, good + "x")) << "bytes after the last thumbnail";
  QByteArray wrongMagic = good;
  wrongMagic[0] = 'X';
  EXPECT_FALSE(ParseUserLibrary(text, wrongMagic));
  QByteArray hugeCount = good;
  hugeCount[8] = hugeCount[9] = hugeCount[10] = hugeCount[11] = char(0xFF);
  EXPECT_FALSE(ParseUserLibrary(text, hugeCount));
  QImage small(10, 10, QImage::Format_RGB32);
  small.fill(Qt::white);
  EXPECT_FALSE(ParseUserLibrary("[A]\r\n", ThumbnailFileOf({{"[A]", small}}))) << "not 120 x 120";
}

TEST(UserLibraryThumbnails, AnEmptyLibraryIsAnEmptyTextAndACountOfNone) {
  const auto entries = ParseUserLibrary("", ThumbnailFileOf({}));
  ASSERT_TRUE(entries);
  EXPECT_TRUE(entries->empty());
}

}  // namespace
}  // namespace quobrix
