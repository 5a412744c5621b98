// Mouse editing: select, move, resize, rubber-band selection and drawing
// symbols and lines by hand.
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

#include "chart/ChartEdit.h"
#include "chart/CoordinateMath.h"
#include "chart/HitTests.h"
#include "render/SheetPainting.h"
#include "view/GridSnapping.h"
#include "view/TBlocksHolder.h"

namespace quobrix {

namespace {

std::uint16_t CaretAfter(const std::string& text) {
  return static_cast<std::uint16_t>(std::min<std::size_t>(text.size() + 1, 0xFFFF));
}

// |v| < limit, for any v and limit.
bool Below(std::int64_t v, std::int64_t limit) { return limit > 0 && Magnitude(v) < static_cast<std::uint64_t>(limit); }

}  // namespace

void TBlocksHolder::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  CanvasMouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void TBlocksHolder::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  CanvasMouseMove(event->buttons(), event->modifiers(), p.x(), p.y());
}

void TBlocksHolder::mouseReleaseEvent(QMouseEvent*) { CanvasMouseUp(); }

void TBlocksHolder::CanvasMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
  // A press ends a stretch of typing.
  typingKey_ = {};
  setFocus(Qt::MouseFocusReason);
  const ChartPoint unsnapped = ChartPointOf(x, y);
  if (FUseGrid) {
    x = ToPixel(SnapPixelsToGrid(x, originX_, Transform(), model_.PosGridSize()));
    y = ToPixel(SnapPixelsToGrid(y, originY_, Transform(), model_.PosGridSize()));
  }
  lastMouse_ = ChartPointOf(x, y);

  if (model_.DrawingLineByHand() || model_.DrawingBlockByHand()) {
    model_.TextCaretPos() = 1;
    model_.SetActiveBlock(0);
    DoActiveBlockChanged();
    ChartPoint p = lastMouse_;
    glueOff_ = shift.testFlag(Qt::AltModifier);
    glue_ = model_.DrawingLineByHand() && !glueOff_ ? GlueAt(p, nullptr) : std::nullopt;
    if (glue_) p = {glue_->x, glue_->y};
    drawStartSymbol_ = glue_ ? glue_->block : 0;
    if (glue_ || (FObjectSnap && SnapToObject(p))) {
      const WindowPoint w = WindowPointOf(p);
      x = ToPixel(w.x);
      y = ToPixel(w.y);
    }
    drawStart_ = drawEnd_ = p;
    drawRect_ = {x, y, x, y};
    return;
  }

  if (button == Qt::LeftButton) rubberRect_ = {x, y, x, y};
  if (model_.BlockCount() == 0) return;

  resizeCorner_ = model_.ActiveBlock() != 0 ? HitCornerMark(unsnapped) : 0;
  if (resizeCorner_ == 0) {
    const ChartArea around{unsnapped.x - kLineHitTolerance, unsnapped.y - kLineHitTolerance,
                           unsnapped.x + kLineHitTolerance, unsnapped.y + kLineHitTolerance};
    const std::int64_t n = BlockAtPoint(model_.List(), model_.BlocksNear(around), unsnapped.x, unsnapped.y);
    model_.SetActiveBlock(n);
    DoActiveBlockChanged();
    model_.TextCaretPos() = n != 0 ? CaretAfter(model_.Blocks(n).Text) : 1;
    DoDebug("Номер активного блока = " + std::to_string(n));
    if (n != 0) {
      const TBlock& b = model_.Blocks(n);
      if (FLineSnap && b.BT != btLine && b.BT != btSelection) model_.AttachLines(n, FLineSnapTolerance);
    }
  }

  const TBlock* selection = model_.MultiSelection();
  if (selection && model_.ActiveBlockPtr() != selection) model_.DissolveMultiSelection();
  // The press holds the undo point of whatever the drag that follows does;
  // the release drops it when nothing moved.
  if (model_.ActiveBlock() != 0) model_.History().BeginGesture();
}

int TBlocksHolder::HitCornerMark(ChartPoint p) const {
  const TBlock* a = model_.ActiveBlockPtr();
  if (!a) return 0;
  const std::int64_t t = PixelsToChart(HandleHalfSize);
  auto hit = [&](std::int64_t cx, std::int64_t cy) {
    const auto reach = static_cast<std::uint64_t>(t);
    return t >= 0 && Distance(cx, p.x) <= reach && Distance(cy, p.y) <= reach;
  };
  const std::int64_t x0 = a->X, y0 = a->Y, x1 = WrapAdd(a->X, a->W), y1 = WrapAdd(a->Y, a->H);
  if (hit(x1, y1)) return 4;
  if (hit(x0, y0)) return 1;
  if (hit(x1, y0)) return 2;
  if (hit(x0, y1)) return 3;
  return 0;
}

void TBlocksHolder::CanvasMouseMove(Qt::MouseButtons held, Qt::KeyboardModifiers shift, int x, int y) {
  if (model_.ViewOnly()) {
    DoMousePosChanged(shift, x, y);
    return;
  }
  const bool left = held.testFlag(Qt::LeftButton);
  glueOff_ = shift.testFlag(Qt::AltModifier);
  if (left && FAutoScroll) {
    const int dx = x < 10 ? -10 : (x > width() - 10 ? 10 : 0);
    const int dy = y < 10 ? -10 : (y > height() - 10 ? 10 : 0);
    if (dx != 0 || dy != 0) {
      rubberRepainted_ = true;
      ScrollBy(dx, dy);
    }
  }
  if (FUseGrid) {
    x = ToPixel(SnapPixelsToGrid(x, originX_, Transform(), model_.PosGridSize()));
    y = ToPixel(SnapPixelsToGrid(y, originY_, Transform(), model_.PosGridSize()));
    DoDebug("[MOUSEMOVE, PIXELS] X: " + std::to_string(x) + ", Y: " + std::to_string(y));
  }
  ChartPoint p = ChartPointOf(x, y);

  const TBlock* a = model_.ActiveBlockPtr();
  if (left && a) {
    DoDebug("[MOUSEMOVE, 0,01mm] XX: " + std::to_string(p.x) + ", YY: " + std::to_string(p.y));
    std::int64_t dX = WrapSub(p.x, lastMouse_.x);
    std::int64_t dY = WrapSub(p.y, lastMouse_.y);
    if (FUseGrid) {
      dX = SnapToGrid(dX, model_.PosGridSize());
      dY = SnapToGrid(dY, model_.PosGridSize());
    }
    ApplyDragStep(*a, p, dX, dY, shift);
    lastMouse_ = p;
    update();
  } else if (left) {
    if (model_.DrawingLineByHand())
      DrawRubberLine(x, y, true);
    else if (model_.DrawingBlockByHand())
      DrawRubberLine(x, y, false);
    else
      DrawRubberBand(x, y);
  }

  DoMousePosChanged(shift, x, y);
  if (!model_.DrawingLineByHand() && !model_.DrawingBlockByHand())
    SetStatusText(QString("X: %1 Y: %2").arg(p.x / 100).arg(p.y / 100));
}

void TBlocksHolder::ApplyDragStep(const TBlock& a, ChartPoint& p, std::int64_t dX, std::int64_t dY,
                                  Qt::KeyboardModifiers shift) {
  if (resizeCorner_ == 0) {
    MoveBlock(a, dX, dY);
    return;
  }
  // A line end dragged near a symbol sticks to its outline; without glue it
  // lands on the nearest edge of a symbol it is dragged onto.
  const bool lineEnd = resizeCorner_ == 1 || (resizeCorner_ == 4 && a.BT != btPoint);
  if (lineEnd && a.BT == btLine && !GlueLineEnd(a, p, dX, dY) && FObjectSnap && SnapToObject(p)) {
    dX = WrapSub(p.x, lastMouse_.x);
    dY = WrapSub(p.y, lastMouse_.y);
  }
  model_.DragActiveCorner(resizeCorner_, dX, dY, shift.testFlag(Qt::ShiftModifier));
}

void TBlocksHolder::MoveBlock(const TBlock& a, std::int64_t dX, std::int64_t dY) {
  if (Below(dX, FMoveThreshold)) dX = 0;
  if (Below(dY, FMoveThreshold)) dY = 0;
  if (FPlacingFragment) PullFragmentUnderMouse(a, dX, dY);
  model_.MoveActiveBlock(dX, dY, FLineSnap);
  DoDebug("[Дельта позиции, 0,01mm] X: " + std::to_string(dX) + ", Y: " + std::to_string(dY));
  DoDebug("Движение блока");
}

void TBlocksHolder::PullFragmentUnderMouse(const TBlock& a, std::int64_t& dX, std::int64_t& dY) const {
  std::int64_t lx = lastMouse_.x;
  std::int64_t ly = lastMouse_.y;
  if (a.X > lx) {
    dX = WrapAdd(dX, WrapSub(lx, a.X));
    lx = a.X;
  }
  if (a.Y > ly) {
    dY = WrapAdd(dY, WrapSub(ly, a.Y));
    ly = a.Y;
  }
  const std::int64_t right = WrapAdd(a.X, a.W), bottom = WrapAdd(a.Y, a.H);
  if (right < lx) {
    dX = WrapAdd(dX, WrapSub(lx, right));
    lx = a.X;
  }
  if (bottom < ly) dY = WrapAdd(dY, WrapSub(ly, bottom));
}

void TBlocksHolder::DrawRubberBand(int x, int y) {
  rubberRect_.right = x;
  rubberRect_.bottom = y;
  rubberRepainted_ = false;
  update();
}

void TBlocksHolder::DrawRubberLine(int x, int y, bool isLine) {
  if (isLine) {
    if (Distance(drawRect_.left, x) < 5) x = drawRect_.left;
    if (Distance(drawRect_.top, y) < 5) y = drawRect_.top;
  }
  ChartPoint e = Transform().WindowToChartRounded({x, y});
  glue_ = isLine && !glueOff_ ? GlueAt(e, nullptr) : std::nullopt;
  if (glue_) e = {glue_->x, glue_->y};
  if (glue_ || SnapToObject(e)) {
    const WindowPoint w = WindowPointOf(e);
    x = ToPixel(w.x);
    y = ToPixel(w.y);
  }
  drawEnd_ = e;
  drawRect_.right = x;
  drawRect_.bottom = y;
  SetStatusText(QString("X: %1 Y: %2  %3x%4")
                    .arg(std::min(e.x, drawStart_.x) / 100)
                    .arg(std::min(e.y, drawStart_.y) / 100)
                    .arg(Distance(e.x, drawStart_.x) / 100)
                    .arg(Distance(e.y, drawStart_.y) / 100));
  update();
}

void TBlocksHolder::CanvasMouseUp() {
  FPlacingFragment = false;
  model_.History().EndGesture();
  if (model_.ViewOnly()) return;
  if (model_.DrawingLineByHand() || model_.DrawingBlockByHand()) {
    FinishDrawingByHand();
    return;
  }
  glue_.reset();
  model_.DetachLines();
  if (model_.BlockCount() > 0) SelectInRubberBand();
  rubberRect_ = {};
  update();
  if (model_.ActiveBlock() != 0) DoActiveBlockChanged();
}

void TBlocksHolder::FinishDrawingByHand() {
  const double scale =
      1e6 / (static_cast<double>(model_.HorzResolution()) * static_cast<double>(model_.ZoomPercents()));
  std::int64_t w = RoundHalfEven(static_cast<double>(std::int64_t{drawRect_.right} - drawRect_.left) * scale);
  std::int64_t h = RoundHalfEven(static_cast<double>(std::int64_t{drawRect_.bottom} - drawRect_.top) * scale);
  if (FUseGrid) {
    w = SnapToGrid(w, model_.PosGridSize());
    h = SnapToGrid(h, model_.PosGridSize());
  }
  // A glued end lies exactly on the outline, whatever the pixels say.
  const std::optional<GlueTarget> glue = std::exchange(glue_, std::nullopt);
  if (glue && model_.DrawingLineByHand()) {
    w = WrapSub(glue->x, drawStart_.x);
    h = WrapSub(glue->y, drawStart_.y);
  }
  SetStatusText(QString());
  // The rubber shape goes with the repaint that adding the block causes.
  drawRect_ = {};
  // Arming a drawing tool is no edit; the symbol drawn is.
  ChartEdit edit(model_);
  if (model_.DrawingLineByHand()) {
    if (!RouteDrawnLine(glue)) model_.AddDefaultBlock(btLine, drawStart_.x, drawStart_.y, w, h);
    DoDebug("Линия нарисована.");
    if (model_.DrawingMLineByHand()) return;
    model_.SetDrawingLineByHand(FMultiInsert);
    model_.SetActiveBlock(model_.BlockCount());
    DoActiveBlockChanged();
    return;
  }
  model_.AddDefaultBlock(model_.DrawedBlockType(), drawStart_.x, drawStart_.y, w, h);
  model_.SetDrawingBlockByHand(FMultiInsert);
  model_.SetActiveBlock(model_.BlockCount());
  DoActiveBlockChanged();
  DoDebug("Блок нарисован");
}

void TBlocksHolder::SelectInRubberBand() {
  const ChartPoint topLeft = ChartPointOf(rubberRect_.left, rubberRect_.top);
  const std::int64_t w = PixelsToChart(std::int64_t{rubberRect_.right} - rubberRect_.left);
  const std::int64_t h = PixelsToChart(std::int64_t{rubberRect_.bottom} - rubberRect_.top);
  const std::int64_t right = WrapAdd(topLeft.x, w), bottom = WrapAdd(topLeft.y, h);
  const ChartArea band{SaturatingSub(std::min(topLeft.x, right), kLineHitTolerance),
                       SaturatingSub(std::min(topLeft.y, bottom), kLineHitTolerance),
                       SaturatingAdd(std::max(topLeft.x, right), kLineHitTolerance),
                       SaturatingAdd(std::max(topLeft.y, bottom), kLineHitTolerance)};
  std::vector<std::int64_t> found =
      BlocksInRect(model_.List(), model_.BlocksNear(band), topLeft.x, topLeft.y, right, bottom);
  found.erase(found.begin());  // slot 0 is no hit
  if (found.empty()) return;
  if (found.size() == 1) {
    model_.SetActiveBlock(found[0]);
    DoActiveBlockChanged();
    DoDebug("Активный блок = " + std::to_string(found[0]));
    return;
  }
  model_.MakeMultiSelection(topLeft.x, topLeft.y, w, h, found);
}

}  // namespace quobrix
