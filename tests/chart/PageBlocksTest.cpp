#include <gtest/gtest.h>

#include <limits>

#include "chart/BlocksHolderModel.h"
#include "chart/PageBlocks.h"
#include "support/ChartBuilder.h"

namespace quobrix {
namespace {

constexpr std::int64_t kSheet = 29700;
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// What walking every block for the page finds.
std::vector<std::int64_t> EveryBlockOnPage(const BlocksHolderModel& chart, std::int32_t page) {
  std::vector<std::int64_t> found;
  for (std::int64_t n = 1; n <= chart.BlockCount(); ++n)
    if (chart.IsBlockOnPage(page, n)) found.push_back(n);
  return found;
}

void ExpectSameAsWalkingEveryBlock(const BlocksHolderModel& chart) {
  const PageBlocks pages(chart);
  for (std::int32_t page = 0; page <= chart.DocumentPages() + 1; ++page)
    EXPECT_EQ(pages.OnPage(page), EveryBlockOnPage(chart, page)) << "page " << page;
}

// Blocks on and across page boundaries, tall and upside down, above and
// below the pages, and damaged ones whose ends wrap around.
void AddAwkwardBlocks(BlocksHolderModel& chart) {
  const std::pair<std::int64_t, std::int64_t> extents[] = {{5 * kSheet, 1000},
                                                           {1000, 2000},
                                                           {kSheet, 0},
                                                           {kSheet - 500, 1000},
                                                           {2 * kSheet, -kSheet},
                                                           {10000, 3 * kSheet},
                                                           {-5000, 1000},
                                                           {-5000, 6000},
                                                           {9 * kSheet, 1000},
                                                           {3 * kSheet + 1, 10},
                                                           {kMax - 10, 100},
                                                           {kMin + 5, -100},
                                                           {2 * kSheet - 1, kSheet + 2},
                                                           {4 * kSheet, kSheet},
                                                           {kSheet / 2, -kSheet},
                                                           {0, 0},
                                                           {kMin / 2, 100}};
  for (const auto& [y, h] : extents) test::AddRect(chart, 1000, y, 2000, h);
}

TEST(PageBlocks, FindsWhatWalkingEveryBlockFindsInListOrder) {
  BlocksHolderModel chart;
  chart.SetDocumentPages(6);
  AddAwkwardBlocks(chart);
  ExpectSameAsWalkingEveryBlock(chart);
}

TEST(PageBlocks, PageBandsBeyondTheNumberRangeStillFindEveryBlock) {
  BlocksHolderModel chart;
  chart.SetSheetHeight(kMax / 3);  // as a damaged file may say: page 4 starts beyond the range
  chart.SetDocumentPages(5);
  AddAwkwardBlocks(chart);
  test::AddRect(chart, 0, kMax / 3 * 2 + 7, 100, 100);
  ExpectSameAsWalkingEveryBlock(chart);
}

TEST(PageBlocks, ManyPagesOfManyBlocks) {
  BlocksHolderModel chart;
  chart.SetDocumentPages(40);
  for (std::int64_t i = 0; i < 2000; ++i) test::AddRect(chart, 1000, (i * 7919) % (41 * kSheet) - 3000, 2000, i % 5000);
  ExpectSameAsWalkingEveryBlock(chart);
}

}  // namespace
}  // namespace quobrix
