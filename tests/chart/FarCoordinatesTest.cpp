// A damaged chart may hold any 64-bit coordinate. What the file holds comes
// back unchanged, and every path that computes with coordinates stays within
// defined arithmetic (the sanitizer build runs these): wrapping positions,
// saturated hit bounds, checked picture sizes.
#include <gtest/gtest.h>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartClipboard.h"
#include "chart/CoordinateMath.h"
#include "chart/HitTests.h"
#include "render/BlockPicture.h"
#include "render/ChartPicture.h"
#include "render/PageDrawing.h"
#include "render/SheetPainting.h"
#include "support/ChartBuilder.h"
#include "support/RecordingCanvas.h"
#include "support/TempDir.h"

namespace quobrix {
namespace {

using testsupport::RecordingCanvas;

constexpr std::int64_t kMin = INT64_MIN, kMax = INT64_MAX;

class HeldClipboard : public ChartClipboard {
 public:
  bool Put(const ClipboardContents& contents) override {
    held = contents;
    return true;
  }
  std::optional<std::string> Fragment() override { return held.Fragment; }
  ClipboardContents held;
};

class FarCoordinates : public ::testing::Test {
 protected:
  void SetUp() override {
    test::AddRect(chart, kMax, kMax, kMax, kMax);  // the far corner lies beyond the range
    test::AddRect(chart, kMin, kMin, kMin, kMin);
    test::AddRect(chart, kMax - 100, kMin + 100, -200, 200, btEllipse);
    chart.AddDefaultBlock(btLine, kMin, kMax, kMax, kMin);
    test::AddRect(chart, 1000, 1000);
  }
  test::TempDir dir;
  BlocksHolderModel chart;
};

TEST_F(FarCoordinates, ComeBackFromTheFileByteForByte) {
  ASSERT_TRUE(chart.SaveToFile(dir.File("far.qbs")));
  BlocksHolderModel again;
  ASSERT_TRUE(again.LoadFromFile(dir.File("far.qbs")));
  EXPECT_EQ(again.ChartFileText(), chart.ChartFileText());
  EXPECT_EQ(again.Blocks(2).W, kMin);
  EXPECT_EQ(again.Blocks(4).Y, kMax);
}

TEST_F(FarCoordinates, HitBoundsSaturateSoBlocksAtTheEndsStayHittable) {
  // Candidates come from the spatial index, as the canvas takes them.
  auto at = [&](std::int64_t x, std::int64_t y) { return BlockAtPoint(chart.List(), chart.BlocksNear({x, y, x, y}), x, y); };
  EXPECT_EQ(at(kMax, kMax), 1);
  // The line starts at the very corner of the range: its widened span must
  // not wrap round to exclude that end.
  EXPECT_EQ(at(kMin, kMax), 4);
  EXPECT_EQ(BlocksInRect(chart.List(), chart.BlocksNear({kMin, kMin, kMax, kMax}), kMin, kMin, kMax, kMax).size(), 6u);
}

TEST_F(FarCoordinates, ADragOutPastTheEndOfTheRangeAndBackRestoresTheBlock) {
  chart.SetActiveBlock(3);
  chart.MoveActiveBlock(kMax, kMax, false);
  chart.MoveActiveBlock(-kMax, -kMax, false);
  chart.DragActiveCorner(4, kMax, kMin, false);
  chart.DragActiveCorner(4, -kMax, kMin, false);
  const TBlock& b = chart.Blocks(3);
  EXPECT_EQ((std::vector<std::int64_t>{b.X, b.Y, b.W, b.H}),
            (std::vector<std::int64_t>{kMax - 100, kMin + 100, -200, 200}));
}

TEST_F(FarCoordinates, AttachedLinesAndAlignmentWrap) {
  chart.SetActiveBlock(1);
  chart.AttachLines(1, kMax);
  chart.MoveActiveBlock(kMax, kMin, true);
  chart.MakeMultiSelection(kMax, kMin, kMax, kMax, {1, 2, 3, 4, 5});
  chart.AlignSelection(1);
  chart.AlignSelection(3);
  const TBlock& container = chart.Blocks(chart.BlockCount());
  EXPECT_EQ(chart.Blocks(3).X, WrapSub(WrapAdd(container.X, container.W), -200));
}

TEST_F(FarCoordinates, DrawOnEveryPageAtEveryZoom) {
  chart.SetDocumentPages(INT32_MAX);
  chart.SetSheetHeight(kMax);
  for (std::int32_t page : {INT32_MIN, 0, 1, 2, INT32_MAX}) {
    RecordingCanvas print, preview;
    PrintPage(chart, print, 4960, page, 7016);
    for (std::int64_t zoom : {std::int64_t{1}, std::int64_t{100}, kMax}) DrawPreviewPage(chart, preview, page, zoom);
  }
  RecordingCanvas picture;
  DrawChartPicture(chart, picture, INT32_MAX);
  EXPECT_FALSE(picture.calls.empty());
}

TEST_F(FarCoordinates, TheSheetPaintsOnlyWhatReachesTheClientAreaFromAnyOrigin) {
  for (std::int64_t origin : {kMin, kMin + 1, std::int64_t{-1}, kMax}) {
    SheetPaintArgs sheet{.clientWidth = 300,
                         .clientHeight = 200,
                         .rulerInset = 22,
                         .originX = origin,
                         .originY = origin,
                         .sheetWidth = kMax,
                         .sheetHeight = kMax,
                         .pages = INT32_MAX,
                         .showGrid = true,
                         .gridStep = 100};
    RecordingCanvas canvas;
    PaintSheet(canvas, sheet);
    // Grid dots every 4 pixels, none outside the client area.
    EXPECT_LE(canvas.Calls("InvertPixel").size(), 77u * 52u) << origin;
    EXPECT_LE(canvas.Calls("Rectangle").size(), 1u + 2u * 201u) << origin;
  }
}

TEST_F(FarCoordinates, CopiedPicturesAreCheckedAndDrawable) {
  HeldClipboard clipboard;
  for (std::int64_t n = 1; n <= 4; ++n) {
    chart.SetActiveBlock(n);
    ASSERT_TRUE(chart.CopyToClipboard(clipboard)) << n;
    for (const ClipboardPicture* picture : {&clipboard.held.Bitmap, &clipboard.held.Metafile}) {
      if (!picture->CanBeDrawn()) continue;
      RecordingCanvas canvas;
      DrawPicture(*picture, canvas);
    }
  }
  chart.SetActiveBlock(3);
  ASSERT_TRUE(chart.CopyToClipboard(clipboard));
  EXPECT_EQ(clipboard.held.Bitmap.Width, 200 * 1134 / 10000 + 5);
  ASSERT_TRUE(chart.PasteFromClipboard(clipboard));
  // The pasted copy is shifted by a grid step, round the end of the range.
  const TBlock& pasted = chart.Blocks(chart.BlockCount());
  EXPECT_EQ(pasted.X, WrapAdd(kMax - 100, chart.PosGridSize()));
  EXPECT_EQ(pasted.W, -200);
}

}  // namespace
}  // namespace quobrix
