#include "render/ChartPicture.h"

#include "chart/DeviceGeometry.h"
#include "chart/WorkProgress.h"
#include "render/DrawBlock.h"

namespace quobrix {

namespace {

constexpr int kBackgroundOverlap = 20;
constexpr std::int64_t kPictureZoom = 100;

}  // namespace

PictureSize PicturePageSize(const BlocksHolderModel& chart) { return PictureSizeOfPages(chart, 1); }

bool SheetIsEmpty(const BlocksHolderModel& chart) {
  const PictureSize size = PicturePageSize(chart);
  return size.width < 1 || size.height < 1;
}

PictureSize PictureSizeOfPages(const BlocksHolderModel& chart, std::int32_t pages) {
  return {ChartToPixels(chart.SheetWidth(), chart.HorzResolution(), kPictureZoom),
          ChartToPixels(WrapMul(chart.SheetHeight(), pages), chart.HorzResolution(), kPictureZoom)};
}

namespace {

// Filled only: an edge line would show along the picture's top and left.
void FillBackground(const BlocksHolderModel& chart, Canvas& canvas, std::int32_t pages) {
  const PictureSize size = PictureSizeOfPages(chart, pages);
  canvas.Pen = TPen{chart.SheetColor(), 1, psClear, TPenMode::Copy};
  canvas.Brush = TBrush{chart.SheetColor(), bsSolid};
  canvas.Rectangle(0, 0, OffsetPixels(size.width, kBackgroundOverlap), OffsetPixels(size.height, kBackgroundOverlap));
}

void DrawPictureBlock(const BlocksHolderModel& chart, Canvas& canvas, const TBlock& block) {
  DrawBlock(block, canvas,
            {.device = {.resolution = chart.HorzResolution(), .zoomPercents = kPictureZoom},
             .sheetColor = chart.SheetColor()});
}

}  // namespace

bool DrawChartPicture(const BlocksHolderModel& chart, Canvas& canvas, std::int32_t backgroundPages) {
  FillBackground(chart, canvas, backgroundPages);
  const std::int64_t blocks = chart.BlockCount();
  std::int64_t drawn = 0;
  for (const auto& block : chart.List()) {
    if (!ReportProgress(drawn++, blocks)) return false;
    DrawPictureBlock(chart, canvas, *block);
  }
  return ReportProgress(blocks, blocks);
}

void DrawFirstPagePicture(const BlocksHolderModel& chart, Canvas& canvas) {
  FillBackground(chart, canvas, 1);
  for (std::int64_t n = 1; n <= chart.BlockCount(); ++n)
    if (chart.IsBlockOnPage(1, n)) DrawPictureBlock(chart, canvas, chart.Blocks(n));
}

}  // namespace quobrix
