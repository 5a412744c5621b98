// Painting: sheet, blocks, selection marks, ruler frame, then the rubber
// shapes of a drag, drawn inverted over the picture so they show on any colour.
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "chart/TextCaret.h"
#include "platform/QPainterCanvas.h"
#include "render/DrawBlock.h"
#include "render/SheetPainting.h"
#include "view/TBlocksHolder.h"

namespace quobrix {

namespace {

// The part of the chart a clip rectangle shows, in chart units, so that
// testing a block costs no division.
class VisibleArea {
 public:
  VisibleArea(const QRect& clip, const ViewTransform& view) {
    const std::int64_t slack = 2;  // pixels lost to truncation either way
    const ChartPoint topLeft = view.WindowToChart({clip.left() - slack, clip.top() - slack});
    const ChartPoint bottomRight = view.WindowToChart({clip.right() + slack, clip.bottom() + slack});
    left_ = static_cast<double>(topLeft.x);
    top_ = static_cast<double>(topLeft.y);
    right_ = static_cast<double>(bottomRight.x);
    bottom_ = static_cast<double>(bottomRight.y);
    pixel_ = static_cast<double>(view.PixelsToChart(1) + 1);
  }

  // Whether any pixel of the block can fall into the area: its rectangle
  // widened by what outlines, line ends and pens may add beyond it. Text
  // placed under or beside a block has no bound known before measuring, so
  // such blocks always count as visible.
  bool MayShow(const TBlock& b) const {
    if (!b.Text.empty() && b.TP != btpInside) return true;
    const double x0 = static_cast<double>(b.X), x1 = x0 + static_cast<double>(b.W);
    const double y0 = static_cast<double>(b.Y), y1 = y0 + static_cast<double>(b.H);
    const double w = std::abs(x1 - x0), h = std::abs(y1 - y0);
    // Waves and bulges reach out by up to half the size; arrow heads 12 pen widths.
    const double pen = std::max(static_cast<double>(b.BW), 30.0) + pixel_;
    const double margin = std::max(w, h) / 2 + 13 * pen + 4 * pixel_;
    return std::max(x0, x1) + margin >= left_ && std::min(x0, x1) - margin <= right_ &&
           std::max(y0, y1) + margin >= top_ && std::min(y0, y1) - margin <= bottom_;
  }

 private:
  double left_, top_, right_, bottom_, pixel_;
};

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
  sheet.resolution = model_.HorzResolution();
  sheet.zoomPercents = model_.ZoomPercents();
  sheet.sheetWidth = model_.SheetWidth();
  sheet.sheetHeight = model_.SheetHeight();
  sheet.marginLeft = model_.FSheetMargins().Left;
  sheet.marginRight = model_.FSheetMargins().Right;
  sheet.marginTop = model_.FSheetMargins().Top;
  sheet.marginBottom = model_.FSheetMargins().Bottom;
  sheet.pages = model_.DocumentPages();
  sheet.backColor = FBackColor;
  sheet.sheetColor = model_.SheetColor();
  sheet.showGrid = FShowGrid && FUseGrid;
  sheet.gridStep = model_.PosGridSize();
  PaintSheet(canvas, sheet);

  const VisibleArea visible(clip, view);
  DrawBlockArgs args{.device = {model_.HorzResolution(), model_.ZoomPercents(), model_.Rulers() == rBoth, originX_,
                                originY_},
                     .sheetColor = model_.SheetColor(),
                     .viewOnly = model_.ViewOnly()};
  for (std::int64_t n = 1; n <= model_.BlockCount(); ++n) {
    const TBlock& b = model_.Blocks(n);
    if (cullInvisible && !visible.MayShow(b)) continue;
    args.isActive = n == model_.ActiveBlock();
    DrawBlock(b, canvas, args);
  }
  if (const TBlock* active = model_.ActiveBlockPtr())
    PaintSelectionMarks(canvas, SelectionMarks(*active), model_.SheetColor());
  if (model_.Rulers() == rBoth) PaintRulerFrame(canvas, width(), height());
  PaintRubberShapes(canvas);
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
