#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>

#include "platform/ProfileFile.h"
#include "support/MemoryLimits.h"

namespace quobrix {
namespace {

class ProfileFileTest : public ::testing::Test {
 protected:
  QString PathOf(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }

  QString WriteBytes(const QByteArray& bytes, const char* name = "test.ini") const {
    const QString path = PathOf(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }

  static QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir dir_;
};

TEST_F(ProfileFileTest, SectionAndKeyNamesMatchWithoutLetterCase) {
  const ProfileFile file(WriteBytes("[Main]\r\nShowSplash=0\r\n[MainForm]\r\nmNew=New\r\n"));
  EXPECT_EQ(file.ReadString("main", "SHOWSPLASH"), "0");
  EXPECT_EQ(file.ReadString("MAINFORM", "mnew"), "New");
}

TEST_F(ProfileFileTest, ValuesLoseOuterBlanksAndOnePairOfQuotes) {
  const ProfileFile file(
      WriteBytes("[S]\n"
                 "plain =   two words \t\n"
                 "double=\"  kept  \"\n"
                 "single='x'\n"
                 "twice=\"\"inner\"\"\n"
                 "mismatched=\"a'\n"
                 "lone=\"\n"
                 "empty=\n"
                 "spaced key = v\n"));
  EXPECT_EQ(file.ReadString("S", "plain"), "two words");
  EXPECT_EQ(file.ReadString("S", "double"), "  kept  ");
  EXPECT_EQ(file.ReadString("S", "single"), "x");
  EXPECT_EQ(file.ReadString("S", "twice"), "\"inner\"");
  EXPECT_EQ(file.ReadString("S", "mismatched"), "\"a'");
  EXPECT_EQ(file.ReadString("S", "lone"), "\"");
  EXPECT_EQ(file.Find("S", "empty"), QString());
  EXPECT_EQ(file.ReadString("S", "spaced key"), "v");
}

TEST_F(ProfileFileTest, UnquotedPaddedValueLosesItsTrailingBlanks) {
  // "[Цикл]      " in code page 1251, once without and once with quotes.
  const ProfileFile file(
      WriteBytes("[Wizards]\r\nBare=[\xD6\xE8\xEA\xEB]      \r\nQuoted=\"[\xD6\xE8\xEA\xEB]      \"\r\n"));
  EXPECT_EQ(file.ReadString("Wizards", "Bare"), QString::fromUtf8("[Цикл]"));
  EXPECT_EQ(file.ReadString("Wizards", "Quoted"), QString::fromUtf8("[Цикл]      "));
}

TEST_F(ProfileFileTest, MissingFileSectionOrKeyGivesTheFallback) {
  const ProfileFile missing(PathOf("none.ini"));
  EXPECT_EQ(missing.ReadString("Main", "Language", "dflt"), "dflt");
  const ProfileFile file(WriteBytes("[Main]\nLanguage=English\n"));
  EXPECT_FALSE(file.Find("Other", "Language"));
  EXPECT_FALSE(file.Find("Main", "Lang"));
  EXPECT_EQ(file.ReadInteger("Main", "Missing", 7), 7);
}

TEST_F(ProfileFileTest, DamagedLinesAreIgnored) {
  const ProfileFile file(
      WriteBytes("orphan=before any section\n"
                 "[Main\n"
                 "no equals sign\n"
                 "=no key\n"
                 "; comment=1\n"
                 "[Main]\n"
                 "\x01\x02garbage\n"
                 "Good=1\n"));
  EXPECT_FALSE(file.Find("Main", "orphan"));
  EXPECT_FALSE(file.Find("Main", "; comment"));
  EXPECT_EQ(file.ReadString("Main", "Good"), "1");
}

TEST_F(ProfileFileTest, FirstOfRepeatedSectionsAndKeysWins) {
  const ProfileFile file(WriteBytes("[A]\nk=1\nk=2\n[a]\nk=3\nonly=4\n"));
  EXPECT_EQ(file.ReadString("A", "k"), "1");
  EXPECT_FALSE(file.Find("A", "only"));
}

TEST_F(ProfileFileTest, KeysOfASectionAreListedOnceInFileOrder) {
  const ProfileFile file(WriteBytes("[A]\nb=1\nbroken\na=2\nB=3\n[C]\nc=4\n"));
  EXPECT_EQ(file.Keys("a"), (QStringList{"b", "a"}));
  EXPECT_EQ(file.Keys("missing"), QStringList());
}

// A language file is read one key at a time; a hundred thousand keys must
// not cost a hundred thousand passes over the file.
TEST_F(ProfileFileTest, EveryKeyOfAVeryLongSectionReadsBack) {
  constexpr int kKeys = 100'000;
  QByteArray text = "[Texts]\n";
  for (int n = 0; n < kKeys; ++n) text += "Key" + QByteArray::number(n) + '=' + QByteArray::number(n) + '\n';
  const ProfileFile file(WriteBytes(text));
  const QStringList keys = file.Keys("texts");
  ASSERT_EQ(keys.size(), kKeys);
  for (int n = 0; n < kKeys; ++n) ASSERT_EQ(file.ReadInteger("TEXTS", keys[n], -1), n) << keys[n].toStdString();
}

TEST_F(ProfileFileTest, ReadsFollowWritesAndDeletions) {
  ProfileFile file(WriteBytes("[A]\nx=1\n\n[B]\ny=2\n"));
  ASSERT_TRUE(file.WriteString("a", "New", "3"));
  ASSERT_TRUE(file.WriteString("C", "z", "4"));
  file.DeleteKey("A", "X");
  EXPECT_EQ(file.Keys("A"), QStringList{"New"});
  EXPECT_EQ(file.ReadString("a", "new"), "3");
  EXPECT_EQ(file.ReadString("b", "Y"), "2");
  EXPECT_EQ(file.ReadString("c", "Z"), "4");
  EXPECT_FALSE(file.Find("A", "x"));
  EXPECT_EQ(file.Bytes(), "[A]\nNew=3\n\n[B]\ny=2\n\n[C]\nz=4\n");
}

TEST_F(ProfileFileTest, WholeNumbersAndTruthValues) {
  const ProfileFile file(
      WriteBytes("[N]\nzero=0\none=1\nminus=-12\nplus=+5\nquoted=\"42\"\ntwo=2\nword=yes\nmixed=12abc\n"
                 "huge=99999999999\nsign=-\n"));
  struct Row {
    const char* key;
    int number;  // with fallback 99
    bool truth;  // with fallback true
  };
  const Row rows[] = {{"zero", 0, false},   {"one", 1, true},   {"minus", -12, true}, {"plus", 5, true},
                      {"quoted", 42, true}, {"two", 2, true},   {"word", 99, true},   {"mixed", 99, true},
                      {"huge", 99, true},   {"sign", 99, true}, {"absent", 99, true}};
  for (const Row& row : rows) {
    EXPECT_EQ(file.ReadInteger("N", row.key, 99), row.number) << row.key;
    EXPECT_EQ(file.ReadBool("N", row.key, true), row.truth) << row.key;
  }
  EXPECT_FALSE(file.ReadBool("N", "word", false));
}

TEST_F(ProfileFileTest, Cp1251AndUtf8FilesReadTheSameText) {
  const QString expected = QString::fromUtf8("Построитель схем");
  const ProfileFile cp1251(
      WriteBytes("[General]\nProgram=\xCF\xEE\xF1\xF2\xF0\xEE\xE8\xF2\xE5\xEB\xFC \xF1\xF5\xE5\xEC\n", "a.ini"));
  const ProfileFile utf8(WriteBytes("[General]\nProgram=" + expected.toUtf8() + "\n", "b.ini"));
  const ProfileFile bom(WriteBytes("\xEF\xBB\xBF[General]\nProgram=" + expected.toUtf8() + "\n", "c.ini"));
  EXPECT_EQ(cp1251.ReadString("General", "Program"), expected);
  EXPECT_EQ(utf8.ReadString("General", "Program"), expected);
  EXPECT_EQ(bom.ReadString("General", "Program"), expected);
}

TEST_F(ProfileFileTest, WritingKeepsEveryOtherLineAsItWas) {
  const QByteArray original =
      "; settings\r\n[Main]\r\nLanguage=English\r\nShowSplash = 1 \r\n\r\n[Recent]\r\nRecent0=/a.qbs\r\n"
      "Recent5=/f.qbs\r\n";
  const QString path = WriteBytes(original);
  ProfileFile file(path);
  EXPECT_TRUE(file.WriteBool("MAIN", "showsplash", false));
  EXPECT_TRUE(file.WriteString("Recent", "Recent0", "/b.qbs"));
  EXPECT_TRUE(file.WriteInteger("Main", "MDIMode", 1));
  EXPECT_TRUE(file.WriteInteger("WinPos", "MainX", -20));
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(ReadBytes(path),
            "; settings\r\n[Main]\r\nLanguage=English\r\nShowSplash=0\r\nMDIMode=1\r\n\r\n[Recent]\r\n"
            "Recent0=/b.qbs\r\nRecent5=/f.qbs\r\n\r\n[WinPos]\r\nMainX=-20\r\n");
}

TEST_F(ProfileFileTest, DeletingAKeyRemovesEveryCopyOfItFromItsSectionOnly) {
  const QString path =
      WriteBytes("[Recent]\r\nRecent0=/a.qbs\r\nrecent1=/b.qbs\r\nRecent1=/c.qbs\r\n[Other]\r\nRecent1=/d.qbs\r\n");
  ProfileFile file(path);
  file.DeleteKey("RECENT", "Recent1");
  file.DeleteKey("Recent", "Recent7");
  file.DeleteKey("Nowhere", "Recent0");
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(ReadBytes(path), "[Recent]\r\nRecent0=/a.qbs\r\n[Other]\r\nRecent1=/d.qbs\r\n");
}

TEST_F(ProfileFileTest, NewFileIsWrittenInCp1251AndReadsBack) {
  const QString path = PathOf("new.ini");
  ASSERT_TRUE(ProfileFile::WriteValue(path, "Main", "Language", QString::fromUtf8("Русский")));
  EXPECT_EQ(ReadBytes(path), "[Main]\r\nLanguage=\xD0\xF3\xF1\xF1\xEA\xE8\xE9\r\n");
}

TEST_F(ProfileFileTest, Utf8FileStaysUtf8AndLfFileStaysLf) {
  const QString path = WriteBytes("[Main]\nLanguage=" + QString::fromUtf8("Украинский").toUtf8() + "\n");
  ASSERT_TRUE(ProfileFile::WriteValue(path, "Main", "Language", QString::fromUtf8("Русский")));
  EXPECT_EQ(ReadBytes(path), "[Main]\nLanguage=" + QString::fromUtf8("Русский").toUtf8() + "\n");
}

TEST_F(ProfileFileTest, TextOutsideTheCodePageTurnsTheFileIntoUtf8) {
  const QString path = WriteBytes("[Main]\r\nLanguage=\xD0\xF3\xF1\xF1\xEA\xE8\xE9\r\n");
  const QString recent = QString::fromUtf8("/home/user/图表.qbs");
  ASSERT_TRUE(ProfileFile::WriteValue(path, "Recent", "Recent0", recent));
  const ProfileFile reread(path);
  EXPECT_EQ(reread.ReadString("Main", "Language"), QString::fromUtf8("Русский"));
  EXPECT_EQ(reread.ReadString("Recent", "Recent0"), recent);
}

TEST_F(ProfileFileTest, WrittenValuesReadBackExactly) {
  const QString path = PathOf("round.ini");
  const QString values[] = {"  padded  ", "\"quoted\"", "'single'", "", "a = b", "\"", "plain"};
  ProfileFile file(path);
  for (int i = 0; i < 7; ++i) ASSERT_TRUE(file.WriteString("S", QString("k%1").arg(i), values[i]));
  ASSERT_TRUE(file.Save());
  const ProfileFile reread(path);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(reread.ReadString("S", QString("k%1").arg(i), "x"), values[i]) << i;
}

TEST_F(ProfileFileTest, NamesAndValuesNoLineCanHoldAreRefused) {
  ProfileFile file(PathOf("refused.ini"));
  EXPECT_FALSE(file.WriteString("Main", "Key", "two\nlines"));
  EXPECT_FALSE(file.WriteString("Ma]in", "Key", "v"));
  EXPECT_FALSE(file.WriteString("Main", "a=b", "v"));
  EXPECT_FALSE(file.WriteString("Main", " Key", "v"));
  EXPECT_FALSE(file.WriteString("Main", "", "v"));
  EXPECT_FALSE(file.WriteString("", "Key", "v"));
  EXPECT_FALSE(file.Find("Main", "Key"));
}

// Saves with a file-size limit of `limit` bytes, which makes writes beyond it
// fail as a full disk does, even for root.
bool SaveWithFileSizeLimit(const ProfileFile& file, rlim_t limit) {
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = limit;
  setrlimit(RLIMIT_FSIZE, &small);
  const bool savedOk = file.Save();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  return savedOk;
}

TEST_F(ProfileFileTest, FailedSaveKeepsTheOldFile) {
  const QByteArray original = "[Main]\r\nLanguage=English\r\n";
  const struct {
    int valueLength;
    rlim_t limit;
  } cases[] = {
      {100000, 4096},  // fails part-way
      {20, 0},         // a small file fails only when it is flushed
  };
  for (const auto& c : cases) {
    const QString path = WriteBytes(original);
    ProfileFile file(path);
    ASSERT_TRUE(file.WriteString("Main", "Language", QString(c.valueLength, u'x')));
    EXPECT_FALSE(SaveWithFileSizeLimit(file, c.limit)) << c.valueLength;
    EXPECT_EQ(ReadBytes(path), original) << c.valueLength;
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"test.ini"});  // no temporary left
  }
}

TEST_F(ProfileFileTest, ReadOnlyFileIsNeverReplaced) {
  const QByteArray original = "[Main]\r\nLanguage=English\r\n";
  const QString path = WriteBytes(original);
  ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
  ProfileFile file(path);
  ASSERT_TRUE(file.WriteString("Main", "Language", "Other"));
  EXPECT_FALSE(file.Save());
  EXPECT_EQ(ReadBytes(path), original);
}

// The address space the process holds now, in bytes.
rlim_t AddressSpaceInUse() {
  QFile statm("/proc/self/statm");
  if (!statm.open(QIODevice::ReadOnly)) return 0;
  return static_cast<rlim_t>(statm.readAll().split(' ').value(0).toLongLong()) * static_cast<rlim_t>(getpagesize());
}

// Reads the file with far less room than the 8 MiB size limit (plenty for
// a small file) and exits 0 when the value came through.
[[noreturn]] void ReadWithLittleRoom(const QString& path) {
  const rlimit room{AddressSpaceInUse() + (2 << 20), RLIM_INFINITY};
  setrlimit(RLIMIT_AS, &room);
  const ProfileFile file(path);
  std::exit(file.ReadString("Main", "Language") == "English" ? 0 : 1);
}

TEST_F(ProfileFileTest, ReadingTakesMemoryForWhatTheFileHoldsNotForItsSizeLimit) {
  if (!test::kMemoryLimitsTestable) GTEST_SKIP() << "no address-space limit under AddressSanitizer";
  const QString path = WriteBytes("[Main]\r\nLanguage=English\r\n");
  EXPECT_EXIT(ReadWithLittleRoom(path), ::testing::ExitedWithCode(0), "");
}

TEST_F(ProfileFileTest, FileThatCannotBeReadIsNeverOverwritten) {
  QByteArray huge = "[Main]\nLanguage=English\n";
  huge.append(QByteArray(9 << 20, ';'));
  const QString path = WriteBytes(huge);
  ProfileFile file(path);
  EXPECT_FALSE(file.Find("Main", "Language"));
  ASSERT_TRUE(file.WriteString("Main", "Language", "Other"));
  EXPECT_FALSE(file.Save());
  EXPECT_EQ(ReadBytes(path).size(), huge.size());

  ProfileFile folder(dir_.path());  // not a regular file
  EXPECT_FALSE(folder.Find("Main", "Language"));
  EXPECT_FALSE(folder.Save());
}

}  // namespace
}  // namespace quobrix
