// Painting: sheet, blocks, selection marks, ruler frame, then the rubber
// shapes of a drag, drawn inverted over the picture so they show on any colour.
#include <QPaintEvent>
#include <QPainter>

#include "platform/QPainterCanvas.h"
#include "render/DrawBlock.h"
#include "render/PageDrawing.h"
#include "render/SheetPainting.h"
#include "view/TBlocksHolder.h"

namespace quobrix {

namespace {

// The part of the chart whose blocks may paint pixels inside the clip
// rectangle: the clip in chart units, widened by the pixels that rounding,
// thin pens and arrow heads add to a block's reach at any zoom.
ChartArea ShownArea(const QRect& clip, const ViewTransform& view) {
  const std::int64_t slack = 2;  // pixels lost to truncation either way
  const ChartPoint topLeft = view.WindowToChart({clip.left() - slack, clip.top() - slack});
  const ChartPoint bottomRight = view.WindowToChart({clip.right() + slack, clip.bottom() + slack});
  const std::int64_t pixels = kDrawingMarginPixels * (view.PixelsToChart(1) + 1);
  return {topLeft.x - pixels, topLeft.y - pixels, bottomRight.x + pixels, bottomRight.y + pixels};
}

}  // namespace

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
  TakeSheetOfChart(sheet, model_, model_.ZoomPercents());
  sheet.backColor = FBackColor;
  sheet.showGrid = FShowGrid && FUseGrid;
  PaintSheet(canvas, sheet);

  DrawBlockArgs args{.device = {model_.HorzResolution(), model_.ZoomPercents(), model_.Rulers() == rBoth, originX_,
                                originY_},
                     .sheetColor = model_.SheetColor(),
                     .viewOnly = model_.ViewOnly(),
                     .caretPos = model_.TextCaretPos()};
  // Candidates come in list order, so overlapping blocks stack as the list has them.
  auto draw = [&](std::int64_t n) {
    args.isActive = n == model_.ActiveBlock();
    DrawBlock(model_.Blocks(n), canvas, args);
  };
  if (cullInvisible) {
    for (const std::int64_t n : model_.BlocksNear(ShownArea(clip, view))) draw(n);
  } else {
    for (std::int64_t n = 1; n <= model_.BlockCount(); ++n) draw(n);
  }
  if (const TBlock* active = model_.ActiveBlockPtr())
    PaintSelectionMarks(canvas, SelectionMarks(*active), model_.SheetColor());
  if (model_.Rulers() == rBoth) PaintRulerFrame(canvas, width(), height());
  PaintRubberShapes(canvas);
  PaintGlue(canvas);
}

std::vector<TPoint> TBlocksHolder::SelectionMarks(const TBlock& a) const {
  auto at = [this](std::int64_t x, std::int64_t y) {
    const WindowPoint w = WindowPointOf({x, y});
    return TPoint{ToPixel(w.x), ToPixel(w.y)};
  };
  const TPoint p0 = at(a.X, a.Y), p1 = at(WrapAdd(a.X, a.W), WrapAdd(a.Y, a.H));
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
