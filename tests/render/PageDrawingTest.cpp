#include <gtest/gtest.h>

#include "chart/BlocksHolderModel.h"
#include "render/PageDrawing.h"
#include "render/SheetPainting.h"
#include "support/ChartBuilder.h"
#include "support/NoticeLog.h"
#include "support/RecordingCanvas.h"

namespace quobrix {
namespace {

using testsupport::RecordingCanvas;

struct PageCase {
  const char* name;
  std::int64_t y, h;
  std::int32_t pages;
  std::vector<bool> onPage;  // pages 1, 2, 3, 4
};

class PageMembership : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageMembership, BlockBelongsToEveryPageItsExtentTouches) {
  const PageCase& c = GetParam();
  BlocksHolderModel chart;
  chart.SetDocumentPages(c.pages);
  test::AddRect(chart, 1000, c.y, 2000, c.h);
  for (std::size_t p = 0; p < c.onPage.size(); ++p)
    EXPECT_EQ(chart.IsBlockOnPage(static_cast<std::int32_t>(p + 1), 1), c.onPage[p]) << "page " << p + 1;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageMembership,
    ::testing::Values(PageCase{"edge_on_the_boundary_belongs_to_both", 29700, 1000, 2, {true, true, false, false}},
                      PageCase{"tall_block_is_on_the_pages_it_spans", 10000, 60000, 3, {true, true, true, false}},
                      PageCase{"inside_page_two_only", 35000, 1000, 3, {false, true, false, false}},
                      PageCase{"bottom_edge_on_the_boundary", 28700, 1000, 2, {true, true, false, false}},
                      PageCase{"upward_line_spans_pages", 70000, -60000, 3, {true, true, true, false}},
                      PageCase{"page_beyond_the_chart", 95000, 1000, 3, {false, false, false, false}},
                      PageCase{"above_page_one", -5000, 1000, 2, {false, false, false, false}}),
    [](const ::testing::TestParamInfo<PageCase>& param) { return std::string(param.param.name); });

TEST(PageMembership, PageZeroAndMissingBlocksBelongNowhere) {
  BlocksHolderModel chart;
  test::AddRect(chart, 0, 0);
  EXPECT_FALSE(chart.IsBlockOnPage(0, 1));
  EXPECT_FALSE(chart.IsBlockOnPage(1, 2));
}

// An A4 printer page at the screen resolution: 793 x 1122 pixels.
constexpr int kPageW = 793, kPageH = 1122;

struct BackgroundCase {
  const char* name;
  TColor sheet;
  bool filled;
};

class PrintBackground : public ::testing::TestWithParam<BackgroundCase> {};

TEST_P(PrintBackground, FilledInsideTheMarginsUnlessTheSheetIsWhite) {
  BlocksHolderModel chart;
  chart.SetSheetColor(GetParam().sheet);
  RecordingCanvas canvas;
  EXPECT_TRUE(PrintPage(chart, canvas, kPageW, 1, kPageH));
  const auto rects = canvas.Calls("Rectangle");
  ASSERT_EQ(rects.size(), GetParam().filled ? 1u : 0u);
  if (GetParam().filled) {
    // r_x = 793 * 10000 div 21000 = 377, r_y = 1122 * 10000 div 29700 = 377: margins of 37 pixels.
    EXPECT_EQ(rects[0].args, (std::vector<int>{37, 37, kPageW - 37 - 1, kPageH - 37 - 1}));
    EXPECT_EQ(rects[0].brush, (TBrush{GetParam().sheet, bsSolid}));
    EXPECT_EQ(rects[0].pen.Style, psClear);
  }
}

INSTANTIATE_TEST_SUITE_P(Colours, PrintBackground,
                         ::testing::Values(BackgroundCase{"white", clWhite, false},
                                           BackgroundCase{"window_colour", clWindow, true},
                                           BackgroundCase{"yellow", 0x00FFFF, true}),
                         [](const ::testing::TestParamInfo<BackgroundCase>& param) {
                           return std::string(param.param.name);
                         });

TEST(PrintPage, MarginsScaleWithEachAxisOwnResolution) {
  BlocksHolderModel chart;
  chart.SetSheetColor(0x00FFFF);
  chart.SetSheetMargins({2000, 3000, 1000, 4000});
  RecordingCanvas canvas;
  PrintPage(chart, canvas, 2100, 1, 5940);  // r_x = 1000, r_y = 2000
  EXPECT_EQ(canvas.Calls("Rectangle").at(0).args, (std::vector<int>{200, 200, 2100 - 300 - 1, 5940 - 800 - 1}));
}

TEST(PrintPage, DrawsThePageBlocksShiftedUpByThePagesAbove) {
  BlocksHolderModel chart;
  chart.SetSheetColor(clWhite);
  chart.SetDocumentPages(3);
  test::AddRect(chart, 1000, 1000);            // page 1
  test::AddRect(chart, 1000, 29700 + 1000);    // page 2
  test::AddRect(chart, 1000, 2 * 29700 + 10);  // page 3
  RecordingCanvas canvas;
  PrintPage(chart, canvas, kPageW, 2, kPageH);
  const auto rects = canvas.Calls("Rectangle");
  ASSERT_EQ(rects.size(), 1u);
  // 30700 * 377 div 10000 = 1157, less the top of page 2 at the same scale, 29700 * 377 div 10000 = 1119.
  EXPECT_EQ(rects[0].args[1], 1157 - 1119);
  EXPECT_EQ(rects[0].args[0], 37);
}

TEST(PrintPage, PaperOfAnotherShapeShowsEveryPageFromItsOwnTop) {
  BlocksHolderModel chart;
  chart.SetSheetColor(clWhite);
  chart.SetDocumentPages(100);
  // 1 cm below the top of pages 2 and 100.
  test::AddRect(chart, 1000, 29700 + 1000);
  test::AddRect(chart, 1000, 99 * 29700 + 1000);
  // Paper wider in proportion than the sheet: r_x = 1000, and 2000 pixels
  // of paper height hold less than one sheet height (2970 pixels).
  for (const std::int32_t page : {2, 100}) {
    RecordingCanvas canvas;
    PrintPage(chart, canvas, 2100, page, 2000);
    const auto rects = canvas.Calls("Rectangle");
    ASSERT_EQ(rects.size(), 1u) << "page " << page;
    EXPECT_EQ(rects[0].args[1], 100) << "page " << page;
  }
}

TEST(PrintPage, TallBlockIsDrawnOnTheMiddlePage) {
  BlocksHolderModel chart;
  chart.SetSheetColor(clWhite);
  chart.SetDocumentPages(3);
  test::AddRect(chart, 1000, 10000, 2000, 60000);
  for (std::int32_t page = 1; page <= 3; ++page) {
    RecordingCanvas canvas;
    PrintPage(chart, canvas, kPageW, page, kPageH);
    EXPECT_EQ(canvas.Calls("Rectangle").size(), 1u) << "page " << page;
  }
}

TEST(PrintPage, ReportsSendingOnlyWhileDebugMessagesAreOn) {
  BlocksHolderModel chart;
  std::vector<std::string> messages;
  const auto watch = test::OnDebug(chart, [&](const std::string& m) { messages.push_back(m); });
  RecordingCanvas canvas;
  PrintPage(chart, canvas, kPageW, 1, kPageH);
  EXPECT_TRUE(messages.empty());
  chart.SetDebugMessages(true);
  PrintPage(chart, canvas, kPageW, 1, kPageH);
  EXPECT_EQ(messages, std::vector<std::string>{"Отправлено на печать"});
}

TEST(DrawPreviewPage, PaintsTheSheetFromThePageOriginThenThatPageBlocks) {
  BlocksHolderModel chart;
  chart.SetDocumentPages(2);
  test::AddRect(chart, 1000, 1000);
  test::AddRect(chart, 1000, 29700 + 1000);
  RecordingCanvas canvas;
  EXPECT_TRUE(DrawPreviewPage(chart, canvas, 2, 50));
  const auto rects = canvas.Calls("Rectangle");
  // Client fill, two page outlines, two printable areas, one block.
  ASSERT_EQ(rects.size(), 6u);
  // A page is 29700 * 378 * 50 div 1000000 = 561 pixels high; page 2 starts at the top.
  EXPECT_EQ(rects[1].args, (std::vector<int>{0, -561, 396, 0}));
  EXPECT_EQ(rects[2].args, (std::vector<int>{0, 0, 396, 561}));
  // (30700 * 378 * 50 div 1000000) - 561 = 580 - 561.
  EXPECT_EQ(rects[5].args[1], 580 - 561);
  EXPECT_EQ(rects[5].pen.Color, clBlack);
}

TEST(DrawPreviewPage, RulersOfTheViewShiftTheSheetAndTheBlocks) {
  BlocksHolderModel chart;
  chart.SetRulers(rBoth);
  test::AddRect(chart, 1000, 1000);
  RecordingCanvas canvas;
  DrawPreviewPage(chart, canvas, 1, 100);
  const auto rects = canvas.Calls("Rectangle");
  ASSERT_EQ(rects.size(), 4u);
  EXPECT_EQ(rects[1].args[0], 22);
  EXPECT_EQ(rects.back().args[0], 37 + 22);
}

TEST(DrawPreviewPage, SurfaceGivesTheBackColourAndTheGrid) {
  BlocksHolderModel chart;
  SheetPaintArgs surface;
  surface.clientWidth = 900;
  surface.clientHeight = 1200;
  surface.backColor = 0x808080;
  surface.showGrid = true;
  RecordingCanvas canvas;
  DrawPreviewPage(chart, canvas, 1, 100, surface);
  const auto rects = canvas.Calls("Rectangle");
  ASSERT_FALSE(rects.empty());
  EXPECT_EQ(rects[0].brush.Color, 0x808080);
  EXPECT_EQ(rects[0].args[2], 901);
  EXPECT_FALSE(canvas.Calls("InvertPixel").empty());
}

}  // namespace
}  // namespace quobrix
