#include "render/SheetPainting.h"

#include <cmath>

namespace quobrix {

namespace {

std::int64_t Pixels(std::int64_t v, const SheetPaintArgs& a) { return v * a.resolution * a.zoomPercents / 1000000; }

int Px(std::int64_t v) { return static_cast<std::int32_t>(v); }

void OutlinePages(Canvas& canvas, const SheetPaintArgs& a, std::int64_t w, std::int64_t h) {
  canvas.Brush.Style = bsClear;
  canvas.Pen = TPen{clBtnShadow, 1, psSolid, TPenMode::Copy};
  const std::int64_t left = a.rulerInset - a.originX;
  for (std::int64_t p = 0, top = a.rulerInset - a.originY; p < a.pages; ++p, top += h)
    canvas.Rectangle(Px(left), Px(top), Px(left + w), Px(top + h));
}

void FillPrintableAreas(Canvas& canvas, const SheetPaintArgs& a, std::int64_t w, std::int64_t h) {
  canvas.Brush = TBrush{a.sheetColor, bsSolid};
  canvas.Pen = TPen{clBtnShadow, 1, psDot, TPenMode::Copy};
  const std::int64_t left = a.rulerInset + Pixels(a.marginLeft, a) - a.originX;
  const std::int64_t right = a.rulerInset + w - Pixels(a.marginRight, a) - a.originX;
  std::int64_t top = a.rulerInset + Pixels(a.marginTop, a) - a.originY;
  std::int64_t bottom = a.rulerInset + h - Pixels(a.marginBottom, a) - a.originY;
  for (std::int64_t p = 0; p < a.pages; ++p, top += h, bottom += h)
    canvas.Rectangle(Px(left), Px(top), Px(right), Px(bottom));
}

// Dots inverted over page 1 at every grid crossing.
void PaintGrid(Canvas& canvas, const SheetPaintArgs& a, std::int64_t w, std::int64_t h) {
  const auto step = static_cast<std::int64_t>(
      std::nearbyint(static_cast<double>(a.gridStep) * static_cast<double>(a.resolution * a.zoomPercents) / 1e6));
  if (step < 1) return;
  canvas.Pen = TPen{clBlack, 1, psSolid, TPenMode::Xor};
  for (std::int64_t x = a.rulerInset - a.originX - 1; x <= a.rulerInset + w - a.originX; x += step)
    for (std::int64_t j = 0; j <= a.rulerInset + h; j += step) canvas.InvertPixel(Px(x), Px(a.rulerInset - a.originY - 2 + j));
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
