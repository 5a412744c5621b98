#include "chart/AvailableMemory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartFileReader.h"
#include "chart/ChartFormat.h"
#include "support/MemoryLimits.h"
#include "support/TempDir.h"

namespace quobrix {
namespace {

constexpr std::int64_t MiB = std::int64_t{1} << 20;
constexpr std::int64_t GiB = std::int64_t{1} << 30;

// Peak memory measured while reading charts, per byte of the file: a
// million blocks of empty texts in the shortest spelling took 2.5 times the
// file, other charts less.
constexpr double kMeasuredPeak = 2.5;

TEST(MemoryToReadChart, CoversTheMeasuredPeakAndGrowsWithTheFileWithoutOverflowing) {
  std::int64_t before = 0;
  for (std::int64_t size = 1; size < std::numeric_limits<std::int64_t>::max() / 2; size = size * 3 + 7) {
    const std::int64_t needed = MemoryToReadChart(size);
    EXPECT_GE(static_cast<double>(needed), kMeasuredPeak * static_cast<double>(size)) << size;
    EXPECT_GE(needed, before) << size;
    before = needed;
  }
  EXPECT_EQ(MemoryToReadChart(std::numeric_limits<std::int64_t>::max()), std::numeric_limits<std::int64_t>::max());
}

TEST(ChartFitsInMemory, LargeChartsOpenWhereTheyFitAndAreRefusedWhereTheyCannot) {
  // A million blocks in 400 MB on a machine of 24 GiB with most of it free.
  EXPECT_TRUE(ChartFitsInMemory(400 * MiB, 20 * GiB));
  EXPECT_TRUE(ChartFitsInMemory(1900 * MiB, 20 * GiB));
  // 1.9 GB with 4 GiB left would fail late, after a long read.
  EXPECT_FALSE(ChartFitsInMemory(1900 * MiB, 4 * GiB));
  EXPECT_FALSE(ChartFitsInMemory(200 * MiB, 300 * MiB));
  EXPECT_TRUE(ChartFitsInMemory(10 * 1024, 1 * MiB));
  // Nothing known about the memory: the reading is tried.
  EXPECT_TRUE(ChartFitsInMemory(1900 * MiB, std::nullopt));
}

TEST(AvailableMemory, IsWhatTheAddressSpaceLimitLeaves) {
  if (!test::kMemoryLimitsTestable) GTEST_SKIP() << "no address-space limit under AddressSanitizer";
  ASSERT_TRUE(AvailableMemory().has_value()) << "the system says how much memory it has";
  std::optional<std::int64_t> left;
  {
    const test::AddressSpaceCap cap(300 * MiB);
    left = AvailableMemory();
  }
  ASSERT_TRUE(left.has_value());
  EXPECT_LE(*left, 300 * MiB);
  EXPECT_GT(*left, 250 * MiB);
}

TEST(AvailableMemory, AChartThatCannotFitIsRefusedBeforeReading) {
  if (!test::kMemoryLimitsTestable) GTEST_SKIP() << "no address-space limit under AddressSanitizer";
  const test::TempDir dir;
  const std::string path = dir.File("large.qbs");
  test::WriteBytes(path, std::string(kChartHeader) + "\r\n");
  std::filesystem::resize_file(path, 200 * MiB);  // sparse: takes no disk
  BlocksHolderModel chart;
  ChartReadReport report;
  {
    // Room to read the bytes, but not the blocks a chart of that size holds.
    const test::AddressSpaceCap cap(300 * MiB);
    EXPECT_FALSE(chart.LoadFromFile(path, &report));
  }
  EXPECT_EQ(report.Failure, ChartReadFailure::OutOfMemory);
}

}  // namespace
}  // namespace quobrix
