#include "render/PageDrawing.h"

#include "chart/BlocksHolderModel.h"
#include "chart/DeviceGeometry.h"
#include "chart/PageBlocks.h"
#include "render/DrawBlock.h"
#include "render/SheetPainting.h"

namespace quobrix {

namespace {

constexpr std::int64_t kPrintZoom = 100;
constexpr std::int64_t kResolutionUnit = 10000;  // chart units per resolution step (100 mm)

std::int64_t Scale(std::int64_t v, std::int64_t resolution) { return WrapMul(v, resolution) / kResolutionUnit; }

}  // namespace

bool PrintPage(const BlocksHolderModel& chart, Canvas& canvas, std::int64_t w, std::int32_t page, std::int64_t h) {
  return PrintPage(chart, canvas, w, page, h, PageBlocks(chart));
}

bool PrintPage(const BlocksHolderModel& chart, Canvas& canvas, std::int64_t w, std::int32_t page, std::int64_t h,
               const PageBlocks& pageBlocks) {
  const std::int64_t rx = WrapMul(w, kResolutionUnit) / chart.SheetWidth();
  const std::int64_t ry = WrapMul(h, kResolutionUnit) / chart.SheetHeight();
  // White paper needs no background; any other colour, the desktop's
  // window colour included, is laid inside the margins.
  if (chart.SheetColor() != clWhite) {
    canvas.Pen = TPen{chart.SheetColor(), 1, psClear, TPenMode::Copy};
    canvas.Brush = TBrush{chart.SheetColor(), bsSolid};
    canvas.Rectangle(ToPixel(Scale(chart.FSheetMargins().Left, rx)), ToPixel(Scale(chart.FSheetMargins().Top, ry)),
                     ToPixel(WrapSub(WrapSub(w, Scale(chart.FSheetMargins().Right, rx)), 1)),
                     ToPixel(WrapSub(WrapSub(h, Scale(chart.FSheetMargins().Bottom, ry)), 1)));
  }
  // The page's top edge at the scale the blocks are drawn at: the paper's
  // own height would let every page drift by the difference whenever the
  // paper's shape is not exactly the sheet's.
  const std::int64_t offsetY = Scale(WrapMul(chart.SheetHeight(), std::int64_t{page} - 1), rx);
  const DrawBlockArgs args{.device = {.resolution = rx,
                                      .zoomPercents = kPrintZoom,
                                      .scrollY = offsetY,
                                      .screenResolution = chart.HorzResolution()},
                           .sheetColor = chart.SheetColor()};
  for (const std::int64_t n : pageBlocks.OnPage(page)) DrawBlock(chart.Blocks(n), canvas, args);
  chart.DoDebug("Отправлено на печать");
  return true;
}

bool DrawPreviewPage(const BlocksHolderModel& chart, Canvas& canvas, std::int32_t page, std::int64_t zoom) {
  SheetPaintArgs surface;
  const int inset = chart.Rulers() == rBoth ? RulerInset : 0;
  surface.clientWidth = OffsetPixels(ChartToPixels(chart.SheetWidth(), chart.HorzResolution(), zoom), inset);
  surface.clientHeight = OffsetPixels(ChartToPixels(chart.SheetHeight(), chart.HorzResolution(), zoom), inset);
  return DrawPreviewPage(chart, canvas, page, zoom, surface);
}

bool DrawPreviewPage(const BlocksHolderModel& chart, Canvas& canvas, std::int32_t page, std::int64_t zoom,
                     const SheetPaintArgs& surface) {
  const std::int64_t offsetY = WrapMul(
      WrapMul(WrapMul(chart.SheetHeight(), chart.HorzResolution()), zoom) / kDeviceDivisor, std::int64_t{page} - 1);
  const bool rulerInset = chart.Rulers() == rBoth;
  SheetPaintArgs sheet = surface;
  sheet.rulerInset = rulerInset ? RulerInset : 0;
  sheet.originX = 0;
  sheet.originY = offsetY;
  TakeSheetOfChart(sheet, chart, zoom);
  PaintSheet(canvas, sheet);
  const DrawBlockArgs args{.device = {chart.HorzResolution(), zoom, rulerInset, 0, offsetY},
                           .sheetColor = chart.SheetColor()};
  for (std::int64_t n = 1; n <= chart.BlockCount(); ++n)
    if (chart.IsBlockOnPage(page, n)) DrawBlock(chart.Blocks(n), canvas, args);
  return true;
}

void TakeSheetOfChart(SheetPaintArgs& sheet, const BlocksHolderModel& chart, std::int64_t zoom) {
  sheet.resolution = chart.HorzResolution();
  sheet.zoomPercents = zoom;
  sheet.sheetWidth = chart.SheetWidth();
  sheet.sheetHeight = chart.SheetHeight();
  sheet.marginLeft = chart.FSheetMargins().Left;
  sheet.marginRight = chart.FSheetMargins().Right;
  sheet.marginTop = chart.FSheetMargins().Top;
  sheet.marginBottom = chart.FSheetMargins().Bottom;
  sheet.pages = chart.DocumentPages();
  sheet.sheetColor = chart.SheetColor();
  sheet.gridStep = chart.PosGridSize();
}

}  // namespace quobrix
