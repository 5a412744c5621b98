#include <gtest/gtest.h>

#include "render/ChartPicture.h"
#include "support/ChartBuilder.h"
#include "support/RecordingCanvas.h"
#include "support/RecordingProgress.h"

namespace quobrix {
namespace {

using testsupport::RecordingCanvas;

TEST(FirstPagePicture, DrawsTheBackgroundAndOnlyTheBlocksOfPageOne) {
  BlocksHolderModel chart;
  chart.SetDocumentPages(3);
  test::AddRect(chart, 1000, 1000);               // page 1
  test::AddRect(chart, 1000, 40000);              // page 2
  test::AddRect(chart, 2000, 29000, 2000, 2000);  // across the boundary
  test::AddRect(chart, 1000, 70000);              // page 3
  RecordingCanvas canvas;
  DrawFirstPagePicture(chart, canvas);
  const auto rects = canvas.Calls("Rectangle");
  ASSERT_EQ(rects.size(), 3u);
  EXPECT_EQ(rects[0].args, (std::vector<int>{0, 0, 793 + 20, 1122 + 20}));
  EXPECT_EQ(rects[1].args[1], 37);
  EXPECT_EQ(rects[2].args[0], 75);
}

TEST(ChartPicture, DrawsEveryBlockOverEveryPage) {
  BlocksHolderModel chart;
  chart.SetDocumentPages(3);
  test::AddRect(chart, 1000, 1000);
  test::AddRect(chart, 1000, 70000);
  RecordingCanvas canvas;
  EXPECT_TRUE(DrawChartPicture(chart, canvas, 3));
  const auto rects = canvas.Calls("Rectangle");
  ASSERT_EQ(rects.size(), 3u);
  EXPECT_EQ(rects[0].args, (std::vector<int>{0, 0, 793 + 20, 3367 + 20}));
}

TEST(ChartPicture, CountsItsBlocksAndStopsDrawingWhenCancelled) {
  BlocksHolderModel chart;
  for (int i = 0; i < 4; ++i) test::AddRect(chart, 1000, 1000 + 3000 * i);
  {
    testsupport::RecordingProgress progress;
    RecordingCanvas canvas;
    EXPECT_TRUE(DrawChartPicture(chart, canvas, 1));
    EXPECT_EQ(progress.steps.back(), std::make_pair(std::int64_t{4}, std::int64_t{4}));
  }
  testsupport::RecordingProgress progress(2);
  RecordingCanvas canvas;
  EXPECT_FALSE(DrawChartPicture(chart, canvas, 1));
  EXPECT_EQ(canvas.Calls("Rectangle").size(), 1u + 2u);  // the background and two blocks
}

}  // namespace
}  // namespace quobrix
