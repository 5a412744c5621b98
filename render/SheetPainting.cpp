#include "render/SheetPainting.h"

#include <algorithm>
#include <cmath>

#include "chart/DeviceGeometry.h"

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
  const auto pages = static_cast<std::uint64_t>(std::max<std::int32_t>(a.pages, 0));
  if (h <= 0) return {0, std::min<std::int64_t>(a.pages, 1)};
  const auto step = static_cast<std::uint64_t>(h);
  // The pages wholly above the client area, and those starting above its bottom.
  const std::uint64_t above = top >= 0 ? 0 : (Magnitude(top) - 1) / step;
  const std::uint64_t reached = top > a.clientHeight ? 0 : Distance(a.clientHeight, top) / step + 1;
  const auto end = static_cast<std::int64_t>(std::min(reached, pages));
  return {std::min(static_cast<std::int64_t>(above), end), end};
}

// The page band p of bands h high, the first one at `top`.
std::int64_t Band(std::int64_t top, std::int64_t p, std::int64_t h) { return WrapAdd(top, WrapMul(p, h)); }

void OutlinePages(Canvas& canvas, const SheetPaintArgs& a, std::int64_t w, std::int64_t h) {
  canvas.Brush.Style = bsClear;
  canvas.Pen = TPen{clBtnShadow, 1, psSolid, TPenMode::Copy};
  const std::int64_t left = WrapSub(a.rulerInset, a.originX);
  const std::int64_t top = WrapSub(a.rulerInset, a.originY);
  const PageSpan pages = VisiblePages(a, top, h);
  for (std::int64_t p = pages.first; p < pages.end; ++p)
    canvas.Rectangle(ToPixel(left), ToPixel(Band(top, p, h)), ToPixel(WrapAdd(left, w)), ToPixel(Band(top, p + 1, h)));
}

void FillPrintableAreas(Canvas& canvas, const SheetPaintArgs& a, std::int64_t w, std::int64_t h) {
  canvas.Brush = TBrush{a.sheetColor, bsSolid};
  canvas.Pen = TPen{clBtnShadow, 1, psDot, TPenMode::Copy};
  const std::int64_t sheetLeft = WrapSub(a.rulerInset, a.originX);
  const std::int64_t sheetTop = WrapSub(a.rulerInset, a.originY);
  const std::int64_t left = WrapAdd(sheetLeft, Pixels(a.marginLeft, a));
  const std::int64_t right = WrapSub(WrapAdd(sheetLeft, w), Pixels(a.marginRight, a));
  const std::int64_t top = WrapAdd(sheetTop, Pixels(a.marginTop, a));
  const std::int64_t bottom = WrapSub(WrapAdd(sheetTop, h), Pixels(a.marginBottom, a));
  const PageSpan pages = VisiblePages(a, sheetTop, h);
  for (std::int64_t p = pages.first; p < pages.end; ++p)
    canvas.Rectangle(ToPixel(left), ToPixel(Band(top, p, h)), ToPixel(right), ToPixel(Band(bottom, p, h)));
}

// The first of start, start + step, start + 2 step ... that lies beyond -step.
std::int64_t FirstOnScreen(std::int64_t start, std::int64_t step) {
  if (start >= 0) return start;
  const auto ustep = static_cast<std::uint64_t>(step);
  return WrapAdd(start, static_cast<std::int64_t>(Magnitude(start) / ustep * ustep));
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
  const std::int64_t sheetLeft = WrapSub(a.rulerInset, a.originX);
  const std::int64_t top = WrapSub(WrapSub(a.rulerInset, a.originY), 2);
  const std::int64_t xEnd = std::min<std::int64_t>(SaturatingAdd(sheetLeft, w), a.clientWidth);
  const std::int64_t yEnd = std::min<std::int64_t>(SaturatingAdd(top, SaturatingAdd(a.rulerInset, h)), a.clientHeight);
  for (std::int64_t x = FirstOnScreen(WrapSub(sheetLeft, 1), step); x <= xEnd; x += step)
    for (std::int64_t y = FirstOnScreen(top, step); y <= yEnd; y += step) canvas.InvertPixel(ToPixel(x), ToPixel(y));
}

}  // namespace

void PaintSheet(Canvas& canvas, const SheetPaintArgs& a) {
  canvas.Pen = TPen{a.backColor, 1, psClear, TPenMode::Copy};
  canvas.Brush = TBrush{a.backColor, bsSolid};
  canvas.Rectangle(0, 0, OffsetPixels(a.clientWidth, 1), OffsetPixels(a.clientHeight, 1));
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
  const TColor mark = SelectionMarkColor(sheetColor);
  // Each mark lies on an edge of the opposite colour, a pixel wide either
  // side, so it shows on a block filled in the mark's own colour too.
  const TPen pens[] = {TPen{0xFFFFFF - mark, 4, psSolid, TPenMode::Copy}, TPen{mark, 2, psSolid, TPenMode::Copy}};
  canvas.Brush.Style = bsClear;
  for (const TPoint& p : marks) {
    for (const TPen& pen : pens) {
      canvas.Pen = pen;
      canvas.Rectangle(OffsetPixels(p.x, -HandleHalfSize), OffsetPixels(p.y, -HandleHalfSize),
                       OffsetPixels(p.x, HandleHalfSize), OffsetPixels(p.y, HandleHalfSize));
    }
  }
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
