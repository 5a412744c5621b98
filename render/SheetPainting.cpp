#include "render/SheetPainting.h"

#include <algorithm>
#include <cmath>

#include "render/DeviceGeometry.h"

namespace quobrix {

namespace {

std::int64_t Pixels(std::int64_t v, const SheetPaintArgs& a) {
  return WrapMul(WrapMul(v, a.resolution), a.zoomPercents) / kDeviceDivisor;
}

// Pages first..end - 1, counted from 0.
struct PageSpan {
  std::int64_t first = 0, end = 0;
};

// The pages whose band of height h, the first one starting at `top`, reaches
// into the client area; the others cannot show, and a chart claiming
// millions of pages must not paint them all.
PageSpan VisiblePages(const SheetPaintArgs& a, std::int64_t top, std::int64_t h) {
  if (h <= 0) return {0, std::min<std::int64_t>(a.pages, 1)};
  const std::int64_t first = top >= 0 ? 0 : std::max<std::int64_t>((-top + h - 1) / h - 1, 0);
  const std::int64_t below = a.clientHeight - top;
  const std::int64_t end = below < 0 ? 0 : std::min<std::int64_t>(below / h + 1, a.pages);
  return {first, std::max(first, end)};
}

int Px(std::int64_t v) { return static_cast<std::int32_t>(v); }

void OutlinePages(Canvas& canvas, const SheetPaintArgs& a, std::int64_t w, std::int64_t h) {
  canvas.Brush.Style = bsClear;
  canvas.Pen = TPen{clBtnShadow, 1, psSolid, TPenMode::Copy};
  const std::int64_t left = a.rulerInset - a.originX;
  const std::int64_t top = a.rulerInset - a.originY;
  const PageSpan pages = VisiblePages(a, top, h);
  for (std::int64_t p = pages.first; p < pages.end; ++p)
    canvas.Rectangle(Px(left), Px(top + p * h), Px(left + w), Px(top + (p + 1) * h));
}

void FillPrintableAreas(Canvas& canvas, const SheetPaintArgs& a, std::int64_t w, std::int64_t h) {
  canvas.Brush = TBrush{a.sheetColor, bsSolid};
  canvas.Pen = TPen{clBtnShadow, 1, psDot, TPenMode::Copy};
  const std::int64_t left = a.rulerInset + Pixels(a.marginLeft, a) - a.originX;
  const std::int64_t right = a.rulerInset + w - Pixels(a.marginRight, a) - a.originX;
  const std::int64_t top = a.rulerInset + Pixels(a.marginTop, a) - a.originY;
  const std::int64_t bottom = a.rulerInset + h - Pixels(a.marginBottom, a) - a.originY;
  const PageSpan pages = VisiblePages(a, a.rulerInset - a.originY, h);
  for (std::int64_t p = pages.first; p < pages.end; ++p)
    canvas.Rectangle(Px(left), Px(top + p * h), Px(right), Px(bottom + p * h));
}

// Dots inverted over page 1 at every grid crossing.
void PaintGrid(Canvas& canvas, const SheetPaintArgs& a, std::int64_t w, std::int64_t h) {
  const double exactStep = std::nearbyint(static_cast<double>(a.gridStep) * static_cast<double>(a.resolution) *
                                          static_cast<double>(a.zoomPercents) / 1e6);
  if (!(exactStep >= 1)) return;
  // A step wider than any screen shows at most the first dot of each row.
  const auto step = static_cast<std::int64_t>(std::min(exactStep, 1e12));
  canvas.Pen = TPen{clBlack, 1, psSolid, TPenMode::Xor};
  // Only the dots inside the client area: a damaged sheet size may ask for billions.
  const std::int64_t left = a.rulerInset - a.originX - 1;
  const std::int64_t top = a.rulerInset - a.originY - 2;
  const std::int64_t xEnd = std::min<std::int64_t>(a.rulerInset + w - a.originX, a.clientWidth);
  const std::int64_t jEnd = std::min<std::int64_t>(a.rulerInset + h, a.clientHeight - top);
  for (std::int64_t x = left < 0 ? left + (-left / step) * step : left; x <= xEnd; x += step)
    for (std::int64_t j = top < 0 ? (-top / step) * step : 0; j <= jEnd; j += step)
      canvas.InvertPixel(Px(x), Px(top + j));
}

}  // namespace

void PaintSheet(Canvas& canvas, const SheetPaintArgs& a) {
  canvas.Pen = TPen{a.backColor, 1, psClear, TPenMode::Copy};
  canvas.Brush = TBrush{a.backColor, bsSolid};
  canvas.Rectangle(0, 0, a.clientWidth + 1, a.clientHeight + 1);
  const std::int64_t w = Pixels(a.sheetWidth, a);
  const std::int64_t h = Pixels(a.sheetHeight, a);
  OutlinePages(canvas, a, w, h);
  FillPrintableAreas(canvas, a, w, h);
  if (a.showGrid && a.zoomPercents > 40) PaintGrid(canvas, a, w, h);
}

TColor SelectionMarkColor(TColor sheetColor) {
  const TColor rgb = IsSystemColor(sheetColor) ? clWhite : sheetColor;
  return (0xFFFFFF - rgb) | 0xF9F9;
}

void PaintSelectionMarks(Canvas& canvas, const std::vector<TPoint>& marks, TColor sheetColor) {
  canvas.Pen = TPen{SelectionMarkColor(sheetColor), 2, psSolid, TPenMode::Copy};
  canvas.Brush.Style = bsClear;
  for (const TPoint& p : marks)
    canvas.Rectangle(p.x - HandleHalfSize, p.y - HandleHalfSize, p.x + HandleHalfSize, p.y + HandleHalfSize);
}

void PaintRulerFrame(Canvas& canvas, int w, int h) {
  canvas.Pen = TPen{clBtnShadow, 1, psSolid, TPenMode::Copy};
  canvas.Brush = TBrush{clBtnFace, bsSolid};
  canvas.Rectangle(0, 0, w, 21);
  canvas.Rectangle(0, 0, 21, h);
  canvas.Rectangle(0, 0, 21, 21);
  canvas.Pen.Color = clBtnHighlight;
  canvas.MoveTo(1, 1);
  canvas.LineTo(w - 1, 1);
  canvas.MoveTo(1, 1);
  canvas.LineTo(1, h - 1);
  canvas.Pen.Color = clBtnShadow;
  canvas.MoveTo(22, 19);
  canvas.LineTo(w - 1, 19);
  canvas.MoveTo(19, 22);
  canvas.LineTo(19, h - 1);
}

}  // namespace quobrix
