#include "chart/ChartPicture.h"

#include "render/DeviceGeometry.h"
#include "render/DrawBlock.h"

namespace quobrix {

namespace {

constexpr int kBackgroundOverlap = 20;
constexpr std::int64_t kPictureZoom = 100;

}  // namespace

PictureSize PicturePageSize(const BlocksHolderModel& chart) { return PictureSizeOfPages(chart, 1); }

PictureSize PictureSizeOfPages(const BlocksHolderModel& chart, std::int32_t pages) {
  return {ChartToPixels(chart.SheetWidth(), chart.HorzResolution(), kPictureZoom),
          ChartToPixels(WrapMul(chart.SheetHeight(), pages), chart.HorzResolution(), kPictureZoom)};
}

void DrawChartPicture(const BlocksHolderModel& chart, Canvas& canvas, std::int32_t backgroundPages) {
  const PictureSize size = PictureSizeOfPages(chart, backgroundPages);
  // Filled only: an edge line would show along the picture's top and left.
  canvas.Pen = TPen{chart.SheetColor(), 1, psClear, TPenMode::Copy};
  canvas.Brush = TBrush{chart.SheetColor(), bsSolid};
  canvas.Rectangle(0, 0, OffsetPixels(size.width, kBackgroundOverlap), OffsetPixels(size.height, kBackgroundOverlap));
  for (const auto& block : chart.List())
    DrawBlock(*block, canvas,
              {.device = {.resolution = chart.HorzResolution(), .zoomPercents = kPictureZoom},
               .sheetColor = chart.SheetColor()});
}

}  // namespace quobrix
