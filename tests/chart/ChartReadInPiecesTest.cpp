// Reading a chart file a piece at a time: the pieces' sizes make no
// difference, the caller follows the reading and may stop it, and the file's
// stamp is of every byte whatever ended the reading.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartFileReader.h"
#include "chart/ContentHash.h"
#include "chart/StreamLineReader.h"
#include "support/ChartBuilder.h"
#include "support/MemoryLimits.h"
#include "support/TempDir.h"

namespace quobrix {
namespace {

using test::AddRect;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

// What a read amounts to, as one comparable text: the failure, the damage and
// the chart it makes written out.
std::string Outcome(ChartFileContents read) {
  const std::string failure =
      std::to_string(static_cast<int>(read.Failure)) + "/" + std::to_string(read.DamagedAtLine) + "\n";
  BlocksHolderModel chart;
  chart.LoadRead("read.qbs", std::move(read), {});
  return failure + chart.ChartFileText();
}

ChartFileContents ParseInPiecesOf(std::string_view text, std::size_t size) {
  return ParseChartFile([&text, size] {
    const std::string_view piece = text.substr(0, size);
    text.remove_prefix(piece.size());
    return piece;
  });
}

std::string SmallChartText() {
  BlocksHolderModel chart;
  AddRect(chart, 100, 200);
  chart.Blocks(1).Text = "first\r\nsecond || third";
  chart.Blocks(1).Hyperlink = "https://example.org/a=b";
  AddRect(chart, 3000, 200);
  chart.MakeMultiSelection(0, 0, 9000, 900, {1, 2});
  chart.SetAuthor("someone\r\nelse");
  return chart.ChartFileText();
}

std::string WithBareLineFeeds(std::string text) {
  std::erase(text, '\r');
  return text;
}

TEST(ChartReadInPieces, EveryPieceSizeReadsWhatTheWholeTextReads) {
  const std::string crlf = SmallChartText();
  const std::vector<std::string> texts = {
      crlf,
      WithBareLineFeeds(crlf),
      crlf.substr(0, crlf.size() - 2),                                               // no line break after the end mark
      crlf.substr(0, crlf.size() * 2 / 3),                                           // cut inside a block
      crlf.substr(0, crlf.find("X=") + 1) + "?" + crlf.substr(crlf.find("X=") + 2),  // a damaged value
      "[Quobrix Sheme v.1.0]\r",                                                     // the header alone, its CR kept
      "not a chart\r\n" + crlf,
  };
  for (const std::string& text : texts) {
    const std::string whole = Outcome(ParseChartFile(text));
    for (std::size_t size = 1; size <= text.size(); ++size)
      ASSERT_EQ(Outcome(ParseInPiecesOf(text, size)), whole) << "pieces of " << size << " of:\n" << text;
  }
}

TEST(ChartReadInPieces, LinesSpanningPiecesComeOutWhole) {
  const std::string text = "one\r\ntwo\r\n\r\nthree";
  for (std::size_t size = 1; size <= text.size(); ++size) {
    std::string_view rest = text;
    StreamLineReader lines([&rest, size] {
      const std::string_view piece = rest.substr(0, size);
      rest.remove_prefix(piece.size());
      return piece;
    });
    std::vector<std::string> read;
    while (const auto line = lines.Next()) read.emplace_back(*line);
    EXPECT_EQ(read, (std::vector<std::string>{"one", "two", "", "three"})) << size;
    EXPECT_EQ(lines.LineNumber(), 4);
  }
}

// A chart file of a few pieces: `blocks` blocks with a text each.
class LargeChartFile : public ::testing::Test {
 protected:
  void Write(std::int64_t blocks) {
    BlocksHolderModel chart;
    for (std::int64_t i = 0; i < blocks; ++i) {
      AddRect(chart, i * 10, i * 20);
      chart.Blocks(i + 1).Text = "Step " + std::to_string(i);
    }
    ASSERT_TRUE(chart.SaveToFile(path));
    bytes = ReadBytes(path);
    ASSERT_GT(bytes.size(), 2 * FilePieces::kPieceSize);
  }
  TempDir dir;
  std::string path = dir.File("large.qbs");
  std::string bytes;
};

TEST_F(LargeChartFile, ProgressGrowsPieceByPieceToTheFileSize) {
  Write(12000);
  std::vector<std::int64_t> seen;
  const auto read = ReadChartFile(path, nullptr, [&](std::int64_t bytesRead, std::int64_t fileSize) {
    EXPECT_EQ(fileSize, static_cast<std::int64_t>(bytes.size()));
    seen.push_back(bytesRead);
    return true;
  });
  EXPECT_EQ(read.Failure, ChartReadFailure::None);
  EXPECT_EQ(read.Blocks.size(), 12000u);
  ASSERT_GE(seen.size(), 3u);
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end(), std::less_equal<>()));
  EXPECT_EQ(seen.back(), static_cast<std::int64_t>(bytes.size()));
}

TEST_F(LargeChartFile, StoppingHalfWayFailsAndTheChartTakesNothingOfIt) {
  Write(12000);
  BlocksHolderModel chart;
  AddRect(chart, 0, 0);
  chart.SetFileName("mine.qbs");
  std::int64_t lastSeen = 0;
  FileStamp stamp;
  ChartFileContents read = ReadChartFile(path, &stamp, [&](std::int64_t bytesRead, std::int64_t fileSize) {
    lastSeen = bytesRead;
    return bytesRead < fileSize / 2;
  });
  EXPECT_EQ(read.Failure, ChartReadFailure::Cancelled);
  EXPECT_LT(lastSeen, static_cast<std::int64_t>(bytes.size()));

  const bool wasModified = chart.FModified();
  ChartReadReport report;
  EXPECT_FALSE(chart.LoadRead(path, std::move(read), stamp, &report));
  EXPECT_EQ(report.Failure, ChartReadFailure::Cancelled);
  EXPECT_EQ(chart.BlockCount(), 1);
  EXPECT_EQ(chart.FileName(), "mine.qbs");
  EXPECT_EQ(chart.FModified(), wasModified);
}

TEST_F(LargeChartFile, TheStampOfADamagedFileIsOfAllItsBytes) {
  Write(12000);
  const std::size_t value = bytes.find("X=", bytes.find("[BLOCK DATA]") + 1);
  bytes[value + 2] = '?';
  WriteBytes(path, bytes);
  FileStamp stamp;
  const auto read = ReadChartFile(path, &stamp);
  EXPECT_EQ(read.Failure, ChartReadFailure::None);
  EXPECT_NE(read.DamagedAtLine, 0);
  EXPECT_EQ(stamp.hash, ContentHash::Of(bytes));
  EXPECT_EQ(stamp.identity.size, static_cast<std::int64_t>(bytes.size()));
}

// Loading a small chart, and writing it out as every undo step does, takes
// memory for what it holds: not a megabyte buffer each time.
TEST(SmallChartFile, IsReadAndWrittenInLittleMoreMemoryThanItHolds) {
  if (!test::kMemoryLimitsTestable) GTEST_SKIP() << "no address-space limit under AddressSanitizer";
  TempDir dir;
  const std::string path = dir.File("small.qbs");
  BlocksHolderModel chart;
  for (int i = 0; i < 3; ++i) AddRect(chart, i * 10, i * 20);
  ASSERT_TRUE(chart.SaveToFile(path));

  BlocksHolderModel again;
  std::string text;
  {
    const test::AddressSpaceCap cap(512 << 10);
    ASSERT_TRUE(again.LoadFromFile(path));
    text = again.ChartFileText();
  }
  EXPECT_EQ(text, ReadBytes(path));
}

}  // namespace
}  // namespace quobrix
