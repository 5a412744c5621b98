#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QImage>
#include <QXmlStreamReader>
#include <csignal>
#include <set>

#include "chart/BlocksHolderModel.h"
#include "chart/CoordinateMath.h"
#include "platform/EmfRecords.h"
#include "platform/ExternalTool.h"
#include "platform/PictureFileExporter.h"
#include "platform/PrinterPrintDevice.h"
#include "support/ChartBuilder.h"
#include "support/TempDir.h"

namespace quobrix {
namespace {

using ::testing::ContainsRegex;

const std::string kBegin = "\xcd\xe0\xf7\xe0\xeb\xee";  // "Начало" in code page 1251
const std::string kEnd = "\xca\xee\xed\xe5\xf6";        // "Конец"

class PictureExport : public ::testing::Test {
 protected:
  // One titled symbol on each page.
  static void FillPages(BlocksHolderModel& chart, std::int32_t pages) {
    chart.SetDocumentPages(pages);
    for (std::int32_t p = 0; p < pages; ++p) {
      const auto n = test::AddRect(chart, 3000, 3000 + 29700 * p, 8000, 3000, btBeginEnd);
      chart.Blocks(n).Text = p == 0 ? kBegin : kEnd + std::to_string(p + 1);
    }
  }

  test::TempDir dir_;
  PictureFileExporter exporter_;
};

std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i)
    v = (v << 8) | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
  return v;
}

TEST_F(PictureExport, A4BitmapIsOnePageOf793By1122PixelsAt24Bits) {
  BlocksHolderModel chart;
  FillPages(chart, 2);
  ASSERT_TRUE(chart.SaveToFile(dir_.File("chart.bmp"), &exporter_));
  const std::string bmp = test::ReadBytes(dir_.File("chart.bmp"));
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(LittleEndian(bmp, 18, 4), 793u);
  EXPECT_EQ(LittleEndian(bmp, 22, 4), 1122u);
  EXPECT_EQ(LittleEndian(bmp, 28, 2), 24u);
}

TEST_F(PictureExport, BitmapShowsTheSheetColourAndTheBlocks) {
  BlocksHolderModel chart;
  chart.SetSheetColor(0x00FFFF);  // yellow
  test::AddRect(chart, 1000, 1000, 2000, 1000);
  const QImage image = BitmapPicture(chart);
  EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 255, 0));
  EXPECT_EQ(image.pixelColor(792, 1121), QColor(255, 255, 0));
  EXPECT_EQ(image.pixelColor(37, 50), QColor(0, 0, 0)) << "left edge of the rectangle";
  EXPECT_EQ(image.pixelColor(50, 50), QColor(255, 255, 255)) << "white fill of the rectangle";
}

TEST_F(PictureExport, PngAndJpegHoldTheSamePageAsTheBitmap) {
  BlocksHolderModel chart;
  FillPages(chart, 1);
  for (const char* name : {"chart.png", "chart.JPG", "chart.jpeg"}) {
    ASSERT_TRUE(chart.SaveToFile(dir_.File(name), &exporter_)) << name;
    const QImage image(QString::fromStdString(dir_.File(name)));
    EXPECT_EQ(image.size(), QSize(793, 1122)) << name;
  }
  const QImage png(QString::fromStdString(dir_.File("chart.png")));
  EXPECT_EQ(png, BitmapPicture(chart).convertToFormat(png.format())) << "PNG is lossless";
}

TEST_F(PictureExport, ExtensionsCompareWithoutCaseAndUnknownOnesFail) {
  BlocksHolderModel chart;
  EXPECT_TRUE(chart.SaveToFile(dir_.File("a.Emf"), &exporter_));
  EXPECT_TRUE(chart.SaveToFile(dir_.File("a.sVg"), &exporter_));
  EXPECT_FALSE(chart.SaveToFile(dir_.File("a.gif"), &exporter_));
  EXPECT_FALSE(chart.SaveToFile(dir_.File("noextension"), &exporter_));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("a.gif")));
}

// Saving as a picture once adopted the picture's name and cleared the
// modified flag, so closing asked nothing and the chart itself was lost.
TEST_F(PictureExport, APictureIsACopyTheChartKeepsItsFileAndItsUnsavedChanges) {
  BlocksHolderModel chart;
  ASSERT_TRUE(chart.SaveToFile(dir_.File("mine.qbs"), &exporter_));
  chart.AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
  for (const char* name : {"a.png", "a.bmp", "a.emf", "a.svg", "a.pdf"}) {
    ASSERT_TRUE(chart.SaveToFile(dir_.File(name), &exporter_)) << name;
    EXPECT_EQ(chart.FileName(), dir_.File("mine.qbs")) << name;
    EXPECT_TRUE(chart.FModified()) << name;
  }
}

// A caller that gives no exporter cannot have a picture written, nor have
// the chart written under the picture's name.
TEST_F(PictureExport, WithoutAnExporterAPictureNameFailsAndWritesNothing) {
  BlocksHolderModel chart;
  chart.AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
  EXPECT_FALSE(chart.SaveToFile(dir_.File("a.png")));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("a.png")));
  EXPECT_EQ(chart.FileName(), "Untitled");
  EXPECT_TRUE(chart.FModified());
}

TEST_F(PictureExport, UnwritablePathFailsAndKeepsTheFileName) {
  BlocksHolderModel chart;
  for (const char* name : {"missing/a.bmp", "missing/a.emf", "missing/a.svg", "missing/a.pdf"})
    EXPECT_FALSE(chart.SaveToFile(dir_.File(name), &exporter_)) << name;
  EXPECT_EQ(chart.FileName(), "Untitled");
}

TEST_F(PictureExport, DamagedSheetSizesNeitherCrashNorAllocateAHugeBitmap) {
  BlocksHolderModel chart;
  chart.SetSheetWidth(INT64_MAX / 3);
  chart.SetSheetHeight(INT64_MAX / 5);
  chart.SetHorzResolution(INT64_MAX / 7);
  test::AddRect(chart, INT64_MAX / 11, 1000);
  EXPECT_FALSE(chart.SaveToFile(dir_.File("huge.bmp"), &exporter_));
  EXPECT_TRUE(chart.SaveToFile(dir_.File("huge.emf"), &exporter_));
  chart.SaveToFile(dir_.File("huge.svg"), &exporter_);
  chart.SaveToFile(dir_.File("huge.pdf"), &exporter_);
  chart.SetHorzResolution(378);
  chart.SetSheetWidth(10'000'000);  // 100 m
  EXPECT_FALSE(chart.SaveToFile(dir_.File("wide.png"), &exporter_));
}

TEST_F(PictureExport, BlocksAtTheEndsOfTheRangeExportToEveryFormat) {
  BlocksHolderModel chart;
  for (const std::int64_t v : {INT64_MIN, INT64_MAX, INT64_MAX / 37800, -(INT64_MAX / 37800)})
    for (const std::uint8_t type : {btRectangle, btEllipse, btRoundRectangle, btLine, btHexagon}) {
      const auto n = test::AddRect(chart, v, v, v, WrapNeg(v), type);
      chart.Blocks(n).Text = kBegin + "\r\n" + kEnd;
      chart.Blocks(n).TP = static_cast<std::uint8_t>(n % 3);
      chart.Blocks(n).LineArrows = blaEndArrow;
    }
  test::AddRect(chart, 3000, 3000);
  for (const char* name : {"far.bmp", "far.png", "far.emf", "far.svg", "far.pdf"})
    EXPECT_TRUE(chart.SaveToFile(dir_.File(name), &exporter_)) << name;
}

TEST_F(PictureExport, MetafileOfThreePagesHasAFrameThreeSheetsHigh) {
  BlocksHolderModel chart;
  FillPages(chart, 3);
  ASSERT_TRUE(chart.SaveToFile(dir_.File("chart.emf"), &exporter_));
  const auto records = test::EmfRecords(test::ReadBytes(dir_.File("chart.emf")));
  ASSERT_FALSE(records.empty());
  const auto& header = records.front();
  EXPECT_EQ(header.I32(32) - header.I32(24), 21000);
  EXPECT_EQ(header.I32(36) - header.I32(28), 3 * 29700);
  EXPECT_EQ(records.back().type, test::kEmrEof);
  // The background covers all three pages and 20 pixels more.
  const auto background = test::RecordsOfType(records, test::kEmrRectangle).at(0);
  EXPECT_EQ(background.I32(16), 793 + 20);
  EXPECT_EQ(background.I32(20), 3367 + 20);
  std::vector<std::u16string> texts;
  for (const auto& r : test::RecordsOfType(records, test::kEmrExtTextOutW)) texts.push_back(test::ReadText(r).text);
  EXPECT_EQ(texts, (std::vector<std::u16string>{u"Начало", u"Конец2", u"Конец3"}));
}

TEST_F(PictureExport, MetafileOpensInEmf2SvgWithItsText) {
  if (!test::HaveTool("emf2svg-conv")) GTEST_SKIP() << "emf2svg-conv is not installed";
  BlocksHolderModel chart;
  FillPages(chart, 2);
  ASSERT_TRUE(chart.SaveToFile(dir_.File("chart.emf"), &exporter_));
  ASSERT_TRUE(test::RunTool("emf2svg-conv -i " + test::Quoted(dir_.File("chart.emf")) + " -o " +
                            test::Quoted(dir_.File("chart.svg"))));
  const std::string svg = test::ReadBytes(dir_.File("chart.svg"));
  EXPECT_NE(svg.find("height=\"2245"), std::string::npos);
  EXPECT_NE(svg.find("Начало"), std::string::npos);
  EXPECT_NE(svg.find("Конец2"), std::string::npos);
}

TEST_F(PictureExport, SvgStacksEveryPage) {
  BlocksHolderModel chart;
  FillPages(chart, 3);
  ASSERT_TRUE(chart.SaveToFile(dir_.File("chart.svg"), &exporter_));
  const std::string svg = test::ReadBytes(dir_.File("chart.svg"));
  EXPECT_NE(svg.find("viewBox=\"0 0 793 3367\""), std::string::npos) << svg.substr(0, 600);
  EXPECT_NE(svg.find("Начало"), std::string::npos);
  EXPECT_NE(svg.find("Конец3"), std::string::npos);
}

TEST_F(PictureExport, SvgOfEveryKindOfBlockIsWellFormedWithEveryText) {
  BlocksHolderModel chart;
  chart.SetDocumentPages(2);
  for (int type = btPoint; type <= vXNOR; ++type) {
    const auto n = test::AddRect(chart, 1000 + (type % 6) * 3200, 1000 + (type / 6) * 5000, 2400, 1600,
                                 static_cast<std::uint8_t>(type));
    TBlock& b = chart.Blocks(n);
    b.Text = "Step " + std::to_string(type) + (type % 5 ? "\r\n<&>" : " that is far too long for its box");
    b.FS = static_cast<std::uint8_t>(type % 8);
    b.BS = static_cast<std::uint8_t>(type % 6);
    b.TP = static_cast<std::uint8_t>(type % 3);
    b.LineArrows = static_cast<std::uint8_t>(type % 13);
  }
  ASSERT_TRUE(chart.SaveToFile(dir_.File("chart.svg"), &exporter_));
  QXmlStreamReader xml(QByteArray::fromStdString(test::ReadBytes(dir_.File("chart.svg"))));
  std::set<QString> steps;
  while (!xml.atEnd())
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text") {
      const QString text = xml.readElementText();
      if (text.startsWith(u"Step ")) steps.insert(text.section(u' ', 1, 1));
    }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(steps.size(), std::size_t{vXNOR});
}

// A file-size limit makes writing fail as a full disk does, even for root.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit small = saved_;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST_F(PictureExport, ExportThatCannotBeWrittenWholeKeepsThePreviousFile) {
  BlocksHolderModel chart;
  FillPages(chart, 40);
  for (const char* name : {"chart.svg", "chart.pdf", "chart.emf", "chart.png"}) {
    test::WriteBytes(dir_.File(name), "the previous picture");
    bool saved = true;
    {
      const FileSizeLimit limit(4096);
      saved = chart.SaveToFile(dir_.File(name), &exporter_);
    }
    EXPECT_FALSE(saved) << name;
    EXPECT_EQ(test::ReadBytes(dir_.File(name)), "the previous picture") << name;
    std::filesystem::remove(dir_.File(name));
    EXPECT_TRUE(std::filesystem::is_empty(dir_.Path())) << "a temporary file is left beside " << name;
  }
}

std::string Capture(const std::string& commandLine) {
  std::string out;
  if (FILE* pipe = ::popen(commandLine.c_str(), "r")) {
    char buf[4096];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, pipe)) out.append(buf, n);
    ::pclose(pipe);
  }
  return out;
}

TEST_F(PictureExport, PdfHasOnePageOfTheSheetSizePerChartPageWithItsText) {
  if (!test::HaveTool("pdfinfo") || !test::HaveTool("pdftotext")) GTEST_SKIP() << "poppler-utils are not installed";
  BlocksHolderModel chart;
  FillPages(chart, 2);
  chart.SetFileName("two pages.qbs");
  ASSERT_TRUE(chart.SaveToFile(dir_.File("chart.PDF"), &exporter_));
  const std::string info = Capture("pdfinfo " + test::Quoted(dir_.File("chart.PDF")));
  EXPECT_THAT(info, ContainsRegex("Pages: +2\n"));
  EXPECT_THAT(info, ContainsRegex("Title: +two pages.qbs\n"));
  EXPECT_THAT(info, ContainsRegex("Page size: +595 x 842 pts"));
  const std::string text = Capture("pdftotext " + test::Quoted(dir_.File("chart.PDF")) + " -");
  EXPECT_NE(text.find("Начало"), std::string::npos) << text;
  EXPECT_NE(text.find("Конец2"), std::string::npos) << text;
}

TEST_F(PictureExport, PrintedCopiesComeOutPageByPage) {
  if (!test::HaveTool("pdftotext")) GTEST_SKIP() << "poppler-utils are not installed";
  BlocksHolderModel chart;
  FillPages(chart, 3);
  ASSERT_TRUE(PrintToPdf(chart, dir_.File("copies.pdf"), 2, 3, 2));
  std::vector<std::string> pages;
  for (int p = 1; p <= 5; ++p)
    pages.push_back(Capture("pdftotext -f " + std::to_string(p) + " -l " + std::to_string(p) + " " +
                            test::Quoted(dir_.File("copies.pdf")) + " - 2>/dev/null"));
  EXPECT_NE(pages[0].find("Конец2"), std::string::npos);
  EXPECT_NE(pages[1].find("Конец2"), std::string::npos);
  EXPECT_NE(pages[2].find("Конец3"), std::string::npos);
  EXPECT_NE(pages[3].find("Конец3"), std::string::npos);
  EXPECT_TRUE(pages[4].empty()) << "only four sheets";
}

TEST_F(PictureExport, LongPdfShowsTheLastPageWhole) {
  if (!test::HaveTool("pdftotext")) GTEST_SKIP() << "poppler-utils are not installed";
  constexpr std::int32_t kPages = 400;
  BlocksHolderModel chart;
  chart.SetDocumentPages(kPages);
  const std::int64_t lastTop = std::int64_t{29700} * (kPages - 1);
  // Texts 2 mm below the top, in the middle and 2 mm above the bottom of the last page.
  for (const auto& [name, y] : {std::pair{"Top", lastTop + 200}, std::pair{"Middle", lastTop + 14000},
                                std::pair{"Bottom", lastTop + 29700 - 200 - 800}}) {
    const auto n = test::AddRect(chart, 3000, y, 8000, 800);
    chart.Blocks(n).Text = name;
    chart.Blocks(n).BS = psClear;
  }
  ASSERT_TRUE(PrintToPdf(chart, dir_.File("long.pdf"), kPages - 1, kPages, 1));
  const std::string last = Capture("pdftotext -f 2 -l 2 " + test::Quoted(dir_.File("long.pdf")) + " -");
  EXPECT_NE(last.find("Top"), std::string::npos) << last;
  EXPECT_NE(last.find("Middle"), std::string::npos) << last;
  EXPECT_NE(last.find("Bottom"), std::string::npos) << last;
  const std::string before = Capture("pdftotext -f 1 -l 1 " + test::Quoted(dir_.File("long.pdf")) + " -");
  EXPECT_EQ(before.find("Top"), std::string::npos) << "page " << kPages - 1 << " shows part of the next: " << before;
}

TEST_F(PictureExport, EmptyOrEndlessPrintRangeWritesNoPdf) {
  BlocksHolderModel chart;
  EXPECT_FALSE(PrintToPdf(chart, dir_.File("none.pdf"), 2, 1, 1));
  chart.SetDocumentPages(INT32_MAX);  // as a damaged file may claim
  EXPECT_FALSE(chart.SaveToFile(dir_.File("endless.pdf"), &exporter_));
  EXPECT_TRUE(std::filesystem::is_empty(dir_.Path()));
}

}  // namespace
}  // namespace quobrix
