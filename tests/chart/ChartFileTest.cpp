#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartFileReader.h"
#include "chart/ChartFormat.h"
#include "chart/FileIO.h"
#include "support/ChartBuilder.h"
#include "support/TempDir.h"
#include "support/NoticeLog.h"

namespace quobrix {
namespace {

using test::AddRect;
using test::CrLf;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

const std::vector<std::string> kEmptyChartLines = {
    "[Quobrix Sheme v.1.0]", "[SHEME DATA]",         "Author=",          "Description=",
    "Organization=",         "DocumentPages=1",      "SheetColor=16777215", "SheetWidth=21000",
    "SheetHeight=29700",     "ZoomPercents=100",     "[END]",            "[SHEME END]"};

std::vector<std::string> BlockLines(const std::vector<std::string>& values) {
  static const char* keys[] = {"X=",  "Y=",  "W=",    "H=",  "BT=",    "MC=",     "SC=",  "FS=",   "GF=",   "BC=",
                               "BW=", "BS=", "Text=", "TF=", "TA=", "TP=", "Compl=", "Owner=", "Hyperlink=", "LineArrows="};
  std::vector<std::string> lines{"[BLOCK DATA]"};
  for (std::size_t i = 0; i < values.size(); ++i) lines.push_back((i < 20 ? keys[i] : "Extra=") + values[i]);
  lines.push_back("[END]");
  return lines;
}

std::vector<std::string> RectValues(const std::string& x = "1000", const std::string& owner = "0") {
  return {x, "2000", "3000", "1500", "3", "16777215", "0", "0", "0", "0",
          "1", "0", "", "Arial|-16777208|10|0000", "2", "0", "0", owner, "", "0"};
}

std::string ChartText(const std::vector<std::vector<std::string>>& blocks) {
  std::vector<std::string> lines(kEmptyChartLines.begin(), kEmptyChartLines.end() - 1);
  for (const auto& values : blocks)
    for (const auto& line : BlockLines(values)) lines.push_back(line);
  lines.push_back("[SHEME END]");
  return CrLf(lines);
}

class ChartFile : public ::testing::Test {
 protected:
  ChartFile() { chart.ApplyChartWindowValues(); }
  bool Load(const std::string& bytes, const std::string& name = "c.qbs") {
    WriteBytes(dir.File(name), bytes);
    return chart.LoadFromFile(dir.File(name));
  }
  TempDir dir;
  BlocksHolderModel chart;
};

TEST_F(ChartFile, AnEmptyChartIsTwelveLines) {
  ASSERT_TRUE(chart.SaveToFile(dir.File("e.qbs")));
  EXPECT_EQ(ReadBytes(dir.File("e.qbs")), CrLf(kEmptyChartLines));
}

TEST_F(ChartFile, ARichChartIsWrittenByteForByte) {
  chart.SetAuthor("\xC8\xE2\xE0\xED");  // CP1251 bytes are written as they are held
  chart.SetDocumentPages(2);
  chart.SetSheetColor(clWindow);
  const auto n = chart.AddBlock({.Type = btLine,
                                 .Rect = {-5, 7, -3000, 0},
                                 .FillColor = clBtnFace,
                                 .FillStyle = bsCross,
                                 .LineColor = -16777208,
                                 .LineStyle = psDashDot,
                                 .LineWidth = 250,
                                 .Text = "a\r\nb"});
  TBlock& b = chart.Blocks(n);
  b.SC = 77;
  b.GF = 255;
  b.TF = TBlockFont{"Times New Roman", clWindowText, 0, true, false, true, false, RUSSIAN_CHARSET};
  b.TF.SetSize(10);
  b.Hyperlink = "http://x/?a=b";
  b.LineArrows = blaBothFilledArrows;
  b.TA = taRightJustify;
  b.TP = btpRightSide;
  const std::string text = chart.ChartFileText();
  const std::string expected =
      CrLf({"[Quobrix Sheme v.1.0]", "[SHEME DATA]", "Author=\xC8\xE2\xE0\xED", "Description=", "Organization=",
            "DocumentPages=2", "SheetColor=-16777211", "SheetWidth=21000", "SheetHeight=29700", "ZoomPercents=100",
            "[END]", "[BLOCK DATA]", "X=-5", "Y=7", "W=-3000", "H=0", "BT=2", "MC=-16777201", "SC=77", "FS=6",
            "GF=255", "BC=-16777208", "BW=250", "BS=3", "Text=a||b", "TF=Times New Roman|-16777208|10|1010", "TA=1",
            "TP=2", "Compl=0", "Owner=0", "Hyperlink=http://x/?a=b", "LineArrows=12", "[END]", "[SHEME END]"});
  EXPECT_EQ(text, expected);
}

TEST_F(ChartFile, SavedAndLoadedChartsComeBackTheSame) {
  chart.SetDescription("line one\r\nline two");
  chart.SetOrganization("Org");
  chart.SetZoomPercents(150);
  chart.SetSheetWidth(29700);
  for (int i = 0; i < 4; ++i) AddRect(chart, i * 3000, -i * 100, -2000 + i, 1000);
  chart.Blocks(2).Text = "x||y\r\nz";
  chart.MakeMultiSelection(0, 0, 6000, 2000, {1, 2});
  chart.Blocks(5).Compl = ckGroup;
  chart.MakeMultiSelection(-100, -100, 99999, 99999, {3, 5});  // a multi-selection saved as the last block
  const std::string path = dir.File("rich.qbs");
  ASSERT_TRUE(chart.SaveToFile(path));
  const std::string first = ReadBytes(path);

  BlocksHolderModel again;
  ASSERT_TRUE(again.LoadFromFile(path));
  EXPECT_EQ(again.ChartFileText(), first);
  EXPECT_EQ(again.Description(), "line one\r\nline two");
  EXPECT_EQ(again.BlockCount(), 6);
  EXPECT_EQ(again.Blocks(6).Compl, ckMultiSelection);
  ASSERT_EQ(again.Blocks(6).Members.size(), 2u);
  EXPECT_EQ(again.Blocks(6).Members[0], &again.Blocks(3));
  EXPECT_EQ(again.Blocks(6).Members[1], &again.Blocks(5));
  EXPECT_EQ(again.Blocks(1).Owner, &again.Blocks(5));
  EXPECT_EQ(again.Blocks(2).Text, "x\r\ny\r\nz");  // "||" in a text comes back as a line break
}

TEST_F(ChartFile, DocumentStringsWithLineBreaksStayOnTheirLines) {
  chart.SetAuthor("a\r\nb");
  AddRect(chart, 0, 0);
  ASSERT_TRUE(chart.SaveToFile(dir.File("a.qbs")));
  BlocksHolderModel again;
  ASSERT_TRUE(again.LoadFromFile(dir.File("a.qbs")));
  EXPECT_EQ(again.Author(), "a\r\nb");
  EXPECT_EQ(again.BlockCount(), 1);
}

TEST_F(ChartFile, CoordinatesBeyond32BitsSurviveAndLaterBlocksAreKept) {
  ASSERT_TRUE(Load(ChartText({RectValues("5000000000"), RectValues("-9000000000"), RectValues()})));
  ASSERT_EQ(chart.BlockCount(), 3);
  EXPECT_EQ(chart.Blocks(1).X, 5000000000);
  EXPECT_EQ(chart.Blocks(2).X, -9000000000);
}

TEST_F(ChartFile, OneByteFieldsKeepTheirLowEightBits) {
  auto values = RectValues();
  values[4] = "300";  // BT
  values[19] = "-1";  // LineArrows
  ASSERT_TRUE(Load(ChartText({values})));
  EXPECT_EQ(chart.Blocks(1).BT, 44);
  EXPECT_EQ(chart.Blocks(1).LineArrows, 255);
}

TEST_F(ChartFile, KeysAreNotExaminedOnlyPositionsCount) {
  auto lines = BlockLines(RectValues());
  std::swap(lines[1], lines[2]);  // "Y=2000" then "X=1000"
  std::vector<std::string> all(kEmptyChartLines.begin(), kEmptyChartLines.end() - 1);
  all.insert(all.end(), lines.begin(), lines.end());
  all.push_back("[SHEME END]");
  ASSERT_TRUE(Load(CrLf(all)));
  EXPECT_EQ(chart.Blocks(1).X, 2000);
  EXPECT_EQ(chart.Blocks(1).Y, 1000);
}

TEST_F(ChartFile, ValuesBeyondTheTwentiethAreIgnored) {
  auto values = RectValues();
  values.push_back("whatever");
  ASSERT_TRUE(Load(ChartText({values, RectValues()})));
  EXPECT_EQ(chart.BlockCount(), 2);
}

struct DamagedBlockCase {
  const char* name;
  int field;
  const char* value;
};

class DamagedBlock : public ChartFile, public ::testing::WithParamInterface<DamagedBlockCase> {};

TEST_P(DamagedBlock, EndsTheReadingQuietlyKeepingEarlierBlocks) {
  auto bad = RectValues();
  bad[GetParam().field] = GetParam().value;
  ASSERT_TRUE(Load(ChartText({RectValues(), bad, RectValues()})));
  EXPECT_EQ(chart.BlockCount(), 1);
  EXPECT_EQ(chart.FileName(), dir.File("c.qbs"));
}

INSTANTIATE_TEST_SUITE_P(Values, DamagedBlock,
                         ::testing::Values(DamagedBlockCase{"EmptyAlignment", 14, ""},
                                           DamagedBlockCase{"LetterInNumber", 0, "12a"},
                                           DamagedBlockCase{"PlusSign", 1, "+5"},
                                           DamagedBlockCase{"BeyondSixtyFourBits", 2, "99999999999999999999"},
                                           DamagedBlockCase{"FontWithoutSize", 13, "Arial|0"},
                                           DamagedBlockCase{"FontColourNotANumber", 13, "Arial|red|10|0000"}),
                         [](const auto& param) { return param.param.name; });

// Damage ends the block list quietly for the chart, but the load reports
// where, so the user can be told before saving over the rest.
struct DamageReportCase {
  const char* name;
  std::function<std::string()> text;
  std::int64_t line;
  std::int64_t blocks;
};

class DamageReport : public ChartFile, public ::testing::WithParamInterface<DamageReportCase> {};

TEST_P(DamageReport, NamesTheLineWhereReadingStoppedAndTheBlocksRead) {
  WriteBytes(dir.File("d.qbs"), GetParam().text());
  ChartReadReport report;
  ASSERT_TRUE(chart.LoadFromFile(dir.File("d.qbs"), &report));
  EXPECT_EQ(report.Failure, ChartReadFailure::None);
  EXPECT_EQ(report.DamagedAtLine, GetParam().line);
  EXPECT_EQ(report.BlocksRead, GetParam().blocks);
  EXPECT_EQ(chart.BlockCount(), GetParam().blocks);
}

// The chart section is lines 1 to 11; block k's section starts at line
// 12 + 22 (k - 1), its X value one line later.
INSTANTIATE_TEST_SUITE_P(
    Files, DamageReport,
    ::testing::Values(
        DamageReportCase{"Whole", [] { return ChartText({RectValues(), RectValues()}); }, 0, 2},
        DamageReportCase{"LetterInTheWidthOfBlockTwo",
                         [] {
                           auto bad = RectValues();
                           bad[2] = "3O00";
                           return ChartText({RectValues(), bad, RectValues()});
                         },
                         34 + 3, 1},
        DamageReportCase{"BadFontOfBlockOne",
                         [] {
                           auto bad = RectValues();
                           bad[13] = "Arial";
                           return ChartText({bad});
                         },
                         12 + 14, 0},
        DamageReportCase{"ShortBlockTwo",
                         [] {
                           auto values = RectValues();
                           values.pop_back();
                           return ChartText({RectValues(), values});
                         },
                         34 + 20, 1},
        DamageReportCase{"CutOffInsideBlockTwo",
                         [] {
                           const std::string text = ChartText({RectValues(), RectValues()});
                           return text.substr(0, text.rfind("Compl="));
                         },
                         34 + 17, 1},
        DamageReportCase{"NoEndMark",
                         [] {
                           const std::string text = ChartText({RectValues()});
                           return text.substr(0, text.rfind("[SHEME END]"));
                         },
                         34, 1},
        DamageReportCase{"StrayLineAfterBlockOne",
                         [] {
                           std::string text = ChartText({RectValues(), RectValues()});
                           return text.insert(text.rfind("[BLOCK DATA]"), "junk\r\n");
                         },
                         34, 1}),
    [](const auto& param) { return param.param.name; });

TEST_F(ChartFile, AFileBeyondTheReadableSizeIsRefusedBeforeReading) {
  const std::string path = dir.File("huge.qbs");
  WriteBytes(path, ChartText({RectValues()}));
  std::filesystem::resize_file(path, kLargestReadableFile + 1);  // sparse: takes no disk
  AddRect(chart, 0, 0);
  ChartReadReport report;
  EXPECT_FALSE(chart.LoadFromFile(path, &report));
  EXPECT_EQ(report.Failure, ChartReadFailure::TooLarge);
  EXPECT_EQ(chart.BlockCount(), 1);
}

TEST_F(ChartFile, AShortBlockEndsTheReading) {
  auto values = RectValues();
  values.pop_back();
  ASSERT_TRUE(Load(ChartText({RectValues(), values, RectValues()})));
  EXPECT_EQ(chart.BlockCount(), 1);
}

TEST_F(ChartFile, AFileEndingInsideABlockEndsTheReadingAndDropsThePartialBlock) {
  std::string text = ChartText({RectValues(), RectValues()});
  text = text.substr(0, text.rfind("Compl="));
  ASSERT_TRUE(Load(text));
  EXPECT_EQ(chart.BlockCount(), 1);
}

TEST_F(ChartFile, BareLineFeedsAreReadLikeCrLf) {
  std::string text = ChartText({RectValues(), RectValues()});
  std::erase(text, '\r');
  ASSERT_TRUE(Load(text));
  EXPECT_EQ(chart.BlockCount(), 2);
  EXPECT_EQ(chart.Blocks(2).TF.Name, "Arial");
}

// Loading replaces the chart only once the whole file has been read.
TEST_F(ChartFile, AWrongHeaderFailsAndLeavesTheChartAsItWas) {
  AddRect(chart, 0, 0);
  EXPECT_FALSE(Load("[Other Sheme v.1.0]\r\n" + ChartText({RectValues()}).substr(23)));
  EXPECT_EQ(chart.BlockCount(), 1);
  EXPECT_EQ(chart.FileName(), "Untitled");
}

TEST_F(ChartFile, AMissingFileLeavesTheChartUntouched) {
  AddRect(chart, 0, 0);
  EXPECT_FALSE(chart.LoadFromFile(dir.File("none.qbs")));
  EXPECT_EQ(chart.BlockCount(), 1);
}

TEST_F(ChartFile, AMalformedChartSectionFailsAndLeavesTheChartAsItWas) {
  std::string text = ChartText({RectValues()});
  text.replace(text.find("SheetWidth=21000"), 16, "SheetWidth=wide");
  AddRect(chart, 0, 0);
  chart.SetAuthor("me");
  chart.SetSheetColor(0x123456);
  std::vector<std::string> debug;
  chart.SetDebugMessages(true);
  const auto watch = test::OnDebug(chart, [&](const std::string& m) { debug.push_back(m); });
  test::NoticeLog log(chart);
  EXPECT_FALSE(Load(text));
  EXPECT_EQ(chart.SheetColor(), 0x123456);  // nothing before the bad line is applied
  EXPECT_EQ(chart.Author(), "me");
  EXPECT_EQ(chart.BlockCount(), 1);
  EXPECT_EQ(debug, std::vector<std::string>{"Ошибка загрузки из файла."});
  EXPECT_EQ(log.notices.size(), 1u);  // the message and no change
}

// What is a chart is decided by its first line, not its name: a picture
// opened by mistake must never become the chart's file, or a save would
// overwrite it.
TEST_F(ChartFile, AFileWithoutTheChartHeaderFailsWhateverItsNameAndLeavesTheChartAsItWas) {
  AddRect(chart, 0, 0);
  for (const char* name : {"photo.png", "notes.txt", "fake.qbs"}) {
    EXPECT_FALSE(Load(std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), name)) << name;
    EXPECT_EQ(chart.BlockCount(), 1) << name;
    EXPECT_EQ(chart.FileName(), "Untitled") << name;
  }
}

TEST_F(ChartFile, AChartUnderAnotherExtensionLoads) {
  ASSERT_TRUE(Load(ChartText({RectValues(), RectValues()}), "notes.txt"));
  EXPECT_EQ(chart.BlockCount(), 2);
  EXPECT_EQ(chart.FileName(), dir.File("notes.txt"));
}

TEST_F(ChartFile, TheExtensionIsComparedWithoutCase) {
  EXPECT_TRUE(Load(ChartText({RectValues()}), "UPPER.QBS"));
  EXPECT_EQ(chart.BlockCount(), 1);
  EXPECT_TRUE(Load(ChartText({RectValues(), RectValues()}), "mixed.QbS"));
  EXPECT_EQ(chart.BlockCount(), 2);
}

TEST_F(ChartFile, LoadingKeepsMarginsDefaultsAndTheModifiedFlag) {
  auto margins = chart.FSheetMargins();
  margins.Left = 5;
  chart.SetSheetMargins(margins);
  chart.SetDefBlockColor(0x0000FF);
  chart.SetModified(true);
  std::vector<std::string> debug;
  chart.SetDebugMessages(true);
  const auto watch = test::OnDebug(chart, [&](const std::string& m) { debug.push_back(m); });
  ASSERT_TRUE(Load(ChartText({RectValues()})));
  EXPECT_EQ(chart.FSheetMargins().Left, 5);
  EXPECT_EQ(chart.DefBlockColor(), 0x0000FF);
  EXPECT_TRUE(chart.FModified());
  EXPECT_EQ(debug, std::vector<std::string>{"Загрузка из файла прошла успешно."});
}

TEST_F(ChartFile, OwnerNumbersOutsideTheListOrNamingTheBlockItselfMeanNoOwner) {
  ASSERT_TRUE(Load(ChartText({RectValues("0", "9"), RectValues("0", "2"), RectValues("0", "-1")})));
  for (std::int64_t i = 1; i <= 3; ++i) EXPECT_EQ(chart.Blocks(i).Owner, nullptr) << i;
}

TEST_F(ChartFile, OwnerLoopsAreCutSoDeletingNeverRunsRound) {
  auto container = [](const std::string& owner) {
    auto v = RectValues("0", owner);
    v[4] = "0";   // btSelection
    v[16] = "2";  // a group
    return v;
  };
  ASSERT_TRUE(Load(ChartText({container("2"), container("3"), container("1"), RectValues("0", "1")})));
  int owned = 0;
  for (std::int64_t i = 1; i <= 4; ++i) owned += chart.Blocks(i).Owner != nullptr;
  EXPECT_EQ(owned, 3);  // one link of the loop is cut
  EXPECT_TRUE(chart.DeleteBlock(true, 1));
  EXPECT_TRUE(chart.SaveToFile(dir.File("after.qbs")));
}

TEST_F(ChartFile, MembersListedInListOrder) {
  auto group = RectValues();
  group[4] = "0";
  group[16] = "2";
  ASSERT_TRUE(Load(ChartText({RectValues("1", "4"), RectValues("2"), RectValues("3", "4"), group})));
  ASSERT_EQ(chart.Blocks(4).Members.size(), 2u);
  EXPECT_EQ(chart.Blocks(4).Members[0], &chart.Blocks(1));
  EXPECT_EQ(chart.Blocks(4).Members[1], &chart.Blocks(3));
}

TEST_F(ChartFile, SaveAdoptsThePathAndClearsTheModifiedFlag) {
  AddRect(chart, 0, 0);
  ASSERT_TRUE(chart.FModified());
  ASSERT_TRUE(chart.SaveToFile(dir.File("s.QBS")));
  EXPECT_EQ(chart.FileName(), dir.File("s.QBS"));
  EXPECT_FALSE(chart.FModified());
}

TEST_F(ChartFile, AnExtensionNothingWritesFailsAndAdoptsNothing) {
  AddRect(chart, 0, 0);
  for (const char* name : {"a.txt", "a.jpg", "noextension"}) {
    EXPECT_FALSE(chart.SaveToFile(dir.File(name))) << name;
    EXPECT_FALSE(std::filesystem::exists(dir.File(name))) << name;
  }
  EXPECT_EQ(chart.FileName(), "Untitled");
  EXPECT_TRUE(chart.FModified());
}

TEST_F(ChartFile, ASaveFailingHalfWayKeepsThePreviousFileAndTheChartState) {
  const std::string path = dir.File("keep.qbs");
  AddRect(chart, 0, 0);
  ASSERT_TRUE(chart.SaveToFile(path));
  const std::string before = ReadBytes(path);
  for (int i = 0; i < 20; ++i) AddRect(chart, 0, i * 5000);
  // A file size limit makes the write fail part of the way through, even for root.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 1000;
  ::setrlimit(RLIMIT_FSIZE, &small);
  const bool saved = chart.SaveToFile(path);
  ::setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_FALSE(saved);
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_TRUE(chart.FModified());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1) << "no temporary file left";
}

TEST_F(ChartFile, SavingIntoAMissingFolderFails) {
  AddRect(chart, 0, 0);
  EXPECT_FALSE(chart.SaveToFile(dir.File("no/such/folder/x.qbs")));
  EXPECT_EQ(chart.FileName(), "Untitled");
}

}  // namespace
}  // namespace quobrix
