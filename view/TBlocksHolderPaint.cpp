// Painting: sheet, blocks, selection marks, ruler frame, then the rubber
// shapes of a drag, drawn inverted over the picture so they show on any colour.
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "chart/TextCaret.h"
#include "platform/QPainterCanvas.h"
#include "render/DrawBlock.h"
#include "render/SheetPainting.h"
#include "view/TBlocksHolder.h"

namespace quobrix {

void TBlocksHolder::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  QPainterCanvas canvas(painter);
  Paint(canvas, event->rect());
}

void TBlocksHolder::Paint(Canvas& canvas, const QRect& clip, bool cullInvisible) const {
  const ViewTransform view = Transform();
  SheetPaintArgs sheet;
  sheet.clientWidth = width();
  sheet.clientHeight = height();
  sheet.rulerInset = static_cast<int>(view.rulerInset);
  sheet.originX = originX_;
  sheet.originY = originY_;
  sheet.resolution = model_.HorzResolution();
  sheet.zoomPercents = model_.ZoomPercents();
  sheet.sheetWidth = model_.SheetWidth();
  sheet.sheetHeight = model_.SheetHeight();
  sheet.marginLeft = model_.FSheetMargins.Left;
  sheet.marginRight = model_.FSheetMargins.Right;
  sheet.marginTop = model_.FSheetMargins.Top;
  sheet.marginBottom = model_.FSheetMargins.Bottom;
  sheet.pages = model_.DocumentPages();
  sheet.backColor = FBackColor;
  sheet.sheetColor = model_.SheetColor();
  sheet.showGrid = FShowGrid && FUseGrid;
  sheet.gridStep = model_.PosGridSize();
  PaintSheet(canvas, sheet);

  for (std::int64_t n = 1; n <= model_.BlockCount(); ++n) {
    const TBlock& b = model_.Blocks(n);
    if (cullInvisible && !MayShow(b, clip, view)) continue;
    DrawBlock(b, canvas, model_.Rulers() == rBoth, model_.ViewOnly(), n == model_.ActiveBlock(), originX_, originY_,
              model_.SheetColor(), model_.HorzResolution(), model_.ZoomPercents());
  }
  if (const TBlock* active = model_.ActiveBlockPtr())
    PaintSelectionMarks(canvas, SelectionMarks(*active), model_.SheetColor());
  if (model_.Rulers() == rBoth) PaintRulerFrame(canvas, width(), height());
  PaintRubberShapes(canvas);
}

// Whether any pixel of the block can fall into `clip`: its rectangle widened
// by what outlines, line ends and pens may add beyond it. Text placed under or
// beside a block has no bound known before measuring, so such blocks are drawn.
bool TBlocksHolder::MayShow(const TBlock& b, const QRect& clip, const ViewTransform& view) const {
  if (!b.Text.empty() && b.TP != btpInside) return true;
  const WindowPoint p1 = view.ChartToWindow({b.X, b.Y});
  const WindowPoint p2 = view.ChartToWindow({b.X + b.W, b.Y + b.H});
  const std::int64_t w = std::llabs(p2.x - p1.x), h = std::llabs(p2.y - p1.y);
  const std::int64_t pen = std::max<std::int64_t>(view.ChartToPixels(std::max<std::int64_t>(b.BW, 30)), 1);
  // Waves and bulges reach out by up to half the size; arrow heads 12 pen units.
  const std::int64_t margin = std::max(w, h) / 2 + 13 * pen + 4;
  const std::int64_t left = std::min(p1.x, p2.x) - margin, right = std::max(p1.x, p2.x) + margin;
  const std::int64_t top = std::min(p1.y, p2.y) - margin, bottom = std::max(p1.y, p2.y) + margin;
  return right >= clip.left() && left <= clip.right() && bottom >= clip.top() && top <= clip.bottom();
}

std::vector<TPoint> TBlocksHolder::SelectionMarks(const TBlock& a) const {
  auto at = [this](std::int64_t x, std::int64_t y) {
    const WindowPoint w = WindowPointOf({x, y});
    return TPoint{static_cast<int>(w.x), static_cast<int>(w.y)};
  };
  const TPoint p0 = at(a.X, a.Y), p1 = at(a.X + a.W, a.Y + a.H);
  switch (a.BT) {
    case btPoint:
      return {p0};
    case btLine:
      return {p0, p1};
    case btSelection: {
      std::vector<TPoint> marks;
      for (const TBlock* m : a.Members) marks.push_back(at(m->X, m->Y));
      marks.push_back(p1);
      return marks;
    }
    default:
      return {p0, p1, {p1.x, p0.y}, {p0.x, p1.y}};
  }
}

void TBlocksHolder::PaintRubberShapes(Canvas& canvas) const {
  canvas.Pen = TPen{clBlack, 1, psDot, TPenMode::Xor};
  canvas.Brush.Style = bsClear;
  const TRect& band = rubberRect_;
  if (band.right != band.left || band.bottom != band.top) canvas.Rectangle(band.left, band.top, band.right, band.bottom);
  const TRect& shape = drawRect_;
  if (shape.bottom == 0 && shape.right == 0 && shape.left == 0 && shape.top == 0) return;
  if (model_.DrawingLineByHand()) {
    canvas.MoveTo(shape.left, shape.top);
    canvas.LineTo(shape.right, shape.bottom);
  } else if (model_.DrawingBlockByHand()) {
    canvas.Rectangle(shape.left, shape.top, shape.right, shape.bottom);
  }
}

}  // namespace quobrix
