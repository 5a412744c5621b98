// Several programs on one user-library folder: what each adds or removes
// survives the others' writes, also when they write at the same moment; the
// library a write replaced stays readable as the backup copy.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <map>
#include <random>

#include "platform/SharedUserLibrary.h"
#include "support/TempDir.h"

namespace quobrix {
namespace {

LibraryEntry Entry(const std::string& name) {
  QImage image(kThumbnailSize, kThumbnailSize, QImage::Format_RGB32);
  image.fill(qRgb(static_cast<int>(name.size() * 40 % 256), 100, 200));
  return {"[Quobrix Sheme v.1.0]\r\nText=" + name + "\r\n", image};
}

std::vector<LibraryEntry> Entries(std::initializer_list<const char*> names) {
  std::vector<LibraryEntry> entries;
  for (const char* name : names) entries.push_back(Entry(name));
  return entries;
}

std::multiset<std::string> Fragments(const std::vector<LibraryEntry>& entries) {
  std::multiset<std::string> fragments;
  for (const LibraryEntry& entry : entries) fragments.insert(entry.Fragment);
  return fragments;
}

class SharedLibraryFolder : public ::testing::Test {
 protected:
  QString Dir() const { return QString::fromStdString(dir.Path().string()) + "/"; }
  std::vector<LibraryEntry> OnDisk() const { return ReadUserLibrary(Dir()).Entries; }

  test::TempDir dir;
};

TEST_F(SharedLibraryFolder, TwoProgramsAddingEntriesBothKeepTheirs) {
  ASSERT_TRUE(WriteUserLibrary(Dir(), Entries({"kept"}), OldLibrary::Replace));
  SharedUserLibrary first(Dir()), second(Dir());
  first.Load();
  second.Load();
  ASSERT_TRUE(first.Save(Entries({"kept", "first's"})));
  const auto merged = second.Save(Entries({"kept", "second's"}));
  ASSERT_TRUE(merged);
  EXPECT_TRUE(SameFragments(*merged, Entries({"kept", "first's", "second's"})));
  EXPECT_TRUE(SameFragments(OnDisk(), *merged));
  // The first program's list catches up without writing.
  EXPECT_TRUE(first.ChangedOnDisk());
  const auto reloaded = first.Reload();
  ASSERT_TRUE(reloaded);
  EXPECT_TRUE(SameFragments(*reloaded, *merged));
  EXPECT_FALSE(first.ChangedOnDisk());
  EXPECT_FALSE(first.Reload());
}

// Two real processes adding an entry at a time, each writing at once, as
// fast as they can; they start together once both have read the library.
TEST_F(SharedLibraryFolder, TwoProcessesWritingAtTheSameTimeLoseNoEntry) {
  constexpr int kEach = 20;
  int start[2];
  ASSERT_EQ(::pipe(start), 0);
  std::vector<pid_t> children;
  for (const char* who : {"first", "second"}) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(start[1]);
      char go = 0;
      [[maybe_unused]] const auto wait = ::read(start[0], &go, 1);  // returns when the parent closes its end
      SharedUserLibrary library(Dir());
      std::vector<LibraryEntry> mine = library.Load().Entries;
      bool ok = true;
      for (int i = 0; i < kEach && ok; ++i) {
        mine.push_back(Entry(std::string(who) + std::to_string(i)));
        const auto saved = library.Save(mine);
        ok = saved.has_value();
        if (ok) mine = *saved;
      }
      ::_exit(ok ? 0 : 1);
    }
    children.push_back(child);
  }
  ::close(start[0]);
  ::close(start[1]);
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const std::vector<LibraryEntry> entries = OnDisk();
  EXPECT_EQ(entries.size(), std::size_t{2 * kEach});
  for (const char* who : {"first", "second"})
    for (int i = 0; i < kEach; ++i)
      EXPECT_EQ(Fragments(entries).count(Entry(std::string(who) + std::to_string(i)).Fragment), 1u) << who << i;
}

// Random libraries changed on both sides: every entry either side added is
// there, every one either side removed is gone, counted per fragment.
TEST(MergeLibraries, KeepsEverySidesAdditionsAndRemovals) {
  std::mt19937 random(27);
  const char* names[] = {"a", "b", "c", "d"};
  const auto randomList = [&] {
    std::vector<LibraryEntry> list;
    for (int n = random() % 6; n > 0; --n) list.push_back(Entry(names[random() % 4]));
    return list;
  };
  // A side's change of `base`: some entries dropped, some appended.
  const auto changed = [&](const std::vector<LibraryEntry>& base) {
    std::vector<LibraryEntry> list;
    for (const LibraryEntry& entry : base)
      if (random() % 3 != 0) list.push_back(entry);
    for (const LibraryEntry& entry : randomList()) list.push_back(entry);
    return list;
  };
  for (int round = 0; round < 2000; ++round) {
    const auto base = randomList(), ours = changed(base), theirs = changed(base);
    const auto merged = Fragments(MergeLibraries(base, ours, theirs));
    for (const char* name : names) {
      const std::string f = Entry(name).Fragment;
      const auto count = [&f](const std::vector<LibraryEntry>& list) { return long(Fragments(list).count(f)); };
      const long expected = count(base) + (count(ours) - count(base)) + (count(theirs) - count(base));
      EXPECT_EQ(long(merged.count(f)), std::max(expected, 0L)) << "round " << round << ", " << name;
    }
  }
}

TEST(MergeLibraries, WhenNobodyElseWroteOurListIsTakenAsItIs) {
  const auto base = Entries({"a", "b"});
  const auto ours = Entries({"b", "c", "a"});
  EXPECT_TRUE(SameFragments(MergeLibraries(base, ours, base), ours));
}

TEST_F(SharedLibraryFolder, EveryWriteKeepsTheLibraryItReplacedAndADamagedOneGoesAsideElsewhere) {
  SharedUserLibrary library(Dir());
  EXPECT_EQ(library.Load().Result, LibraryLoad::NoFiles);
  ASSERT_TRUE(library.Save(Entries({"a"})));
  EXPECT_FALSE(library.HasBackup());
  ASSERT_TRUE(library.Save(Entries({"a", "b"})));
  EXPECT_TRUE(SameFragments(ReadUserLibraryBackup(Dir()).Entries, Entries({"a"})));

  test::WriteBytes(dir.File("userlib2.dll"), "damaged");
  SharedUserLibrary next(Dir());
  EXPECT_EQ(next.Load().Result, LibraryLoad::Failed);
  ASSERT_TRUE(next.Save(Entries({"c"})));
  EXPECT_EQ(test::ReadBytes(dir.File("userlib2.dll.damaged")), "damaged");
  EXPECT_TRUE(SameFragments(ReadUserLibraryBackup(Dir()).Entries, Entries({"a"})));
  EXPECT_TRUE(SameFragments(OnDisk(), Entries({"c"})));
}

TEST_F(SharedLibraryFolder, RestoringTheBackupPutsItInPlaceOfADamagedPair) {
  SharedUserLibrary library(Dir());
  library.Load();
  ASSERT_TRUE(library.Save(Entries({"a", "b"})));
  ASSERT_TRUE(library.Save(Entries({"a", "b", "c"})));
  test::WriteBytes(dir.File("userlib.dll"), "half a line");
  SharedUserLibrary next(Dir());
  ASSERT_EQ(next.Load().Result, LibraryLoad::Failed);
  ASSERT_TRUE(next.HasBackup());
  const auto restored = next.RestoreBackup();
  ASSERT_TRUE(restored);
  EXPECT_TRUE(SameFragments(*restored, Entries({"a", "b"})));
  EXPECT_TRUE(SameFragments(OnDisk(), *restored));
  EXPECT_EQ(test::ReadBytes(dir.File("userlib.dll.damaged")), "half a line");
}

}  // namespace
}  // namespace quobrix
