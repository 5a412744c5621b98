// Page by page drawing for the printer and the print preview.
#include <algorithm>

#include "chart/BlocksHolderModel.h"
#include "chart/PageBlocks.h"
#include "render/DeviceGeometry.h"
#include "render/DrawBlock.h"
#include "render/SheetPainting.h"

namespace quobrix {

namespace {

constexpr std::int64_t kPrintZoom = 100;
constexpr std::int64_t kResolutionUnit = 10000;  // chart units per resolution step (100 mm)

std::int64_t Scale(std::int64_t v, std::int64_t resolution) { return WrapMul(v, resolution) / kResolutionUnit; }

}  // namespace

bool BlocksHolderModel::IsBlockOnPage(std::int32_t page, std::int64_t n) const {
  if (page < 1 || page > DocumentPages() || n < 1 || n > BlockCount()) return false;
  const TBlock& b = Blocks(n);
  const std::int64_t top = WrapMul(SheetHeight(), page - 1);
  const std::int64_t bottom = WrapMul(SheetHeight(), page);
  const std::int64_t end = WrapAdd(b.Y, b.H);
  // A block taller than the page reaches over it from the page above to the
  // page below, and belongs on it as much as a block that starts on it.
  return std::min(b.Y, end) <= bottom && std::max(b.Y, end) >= top;
}

bool BlocksHolderModel::PrintPage(Canvas& canvas, std::int64_t w, std::int32_t page, std::int64_t h) const {
  return PrintPage(canvas, w, page, h, PageBlocks(*this));
}

bool BlocksHolderModel::PrintPage(Canvas& canvas, std::int64_t w, std::int32_t page, std::int64_t h,
                                  const PageBlocks& pageBlocks) const {
  const std::int64_t rx = WrapMul(w, kResolutionUnit) / SheetWidth();
  const std::int64_t ry = WrapMul(h, kResolutionUnit) / SheetHeight();
  // White paper needs no background; any other colour, the desktop's
  // window colour included, is laid inside the margins.
  if (SheetColor() != clWhite) {
    canvas.Pen = TPen{SheetColor(), 1, psClear, TPenMode::Copy};
    canvas.Brush = TBrush{SheetColor(), bsSolid};
    canvas.Rectangle(ToPixel(Scale(FSheetMargins().Left, rx)), ToPixel(Scale(FSheetMargins().Top, ry)),
                     ToPixel(WrapSub(WrapSub(w, Scale(FSheetMargins().Right, rx)), 1)),
                     ToPixel(WrapSub(WrapSub(h, Scale(FSheetMargins().Bottom, ry)), 1)));
  }
  // The page's top edge at the scale the blocks are drawn at: the paper's
  // own height would let every page drift by the difference whenever the
  // paper's shape is not exactly the sheet's.
  const std::int64_t offsetY = Scale(WrapMul(SheetHeight(), std::int64_t{page} - 1), rx);
  const DrawBlockArgs args{
      .device = {.resolution = rx, .zoomPercents = kPrintZoom, .scrollY = offsetY, .screenResolution = HorzResolution()},
      .sheetColor = SheetColor()};
  for (const std::int64_t n : pageBlocks.OnPage(page)) DrawBlock(Blocks(n), canvas, args);
  DoDebug("Отправлено на печать");
  return true;
}

bool BlocksHolderModel::DrawPreviewPage(Canvas& canvas, std::int32_t page, std::int64_t zoom) const {
  SheetPaintArgs surface;
  const int inset = Rulers() == rBoth ? RulerInset : 0;
  surface.clientWidth = OffsetPixels(ChartToPixels(SheetWidth(), HorzResolution(), zoom), inset);
  surface.clientHeight = OffsetPixels(ChartToPixels(SheetHeight(), HorzResolution(), zoom), inset);
  return DrawPreviewPage(canvas, page, zoom, surface);
}

bool BlocksHolderModel::DrawPreviewPage(Canvas& canvas, std::int32_t page, std::int64_t zoom,
                                        const SheetPaintArgs& surface) const {
  const std::int64_t offsetY =
      WrapMul(WrapMul(WrapMul(SheetHeight(), HorzResolution()), zoom) / kDeviceDivisor, std::int64_t{page} - 1);
  const bool rulerInset = Rulers() == rBoth;
  SheetPaintArgs sheet = surface;
  sheet.rulerInset = rulerInset ? RulerInset : 0;
  sheet.originX = 0;
  sheet.originY = offsetY;
  sheet.resolution = HorzResolution();
  sheet.zoomPercents = zoom;
  sheet.sheetWidth = SheetWidth();
  sheet.sheetHeight = SheetHeight();
  sheet.marginLeft = FSheetMargins().Left;
  sheet.marginRight = FSheetMargins().Right;
  sheet.marginTop = FSheetMargins().Top;
  sheet.marginBottom = FSheetMargins().Bottom;
  sheet.pages = DocumentPages();
  sheet.sheetColor = SheetColor();
  sheet.gridStep = PosGridSize();
  PaintSheet(canvas, sheet);
  const DrawBlockArgs args{.device = {HorzResolution(), zoom, rulerInset, 0, offsetY}, .sheetColor = SheetColor()};
  for (std::int64_t n = 1; n <= BlockCount(); ++n)
    if (IsBlockOnPage(page, n)) DrawBlock(Blocks(n), canvas, args);
  return true;
}

}  // namespace quobrix
