#include "view/TBlocksHolder.h"

#include <QLabel>
#include <algorithm>

#include "chart/CoordinateMath.h"
#include "chart/HitTests.h"

namespace quobrix {

TBlocksHolder::TBlocksHolder(QWidget* parent) : QWidget(parent) {
  setObjectName("bh");
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  resize(200, 200);
  modelSubscription_ = model_.Subscribe([this](const ChartNotice& notice) {
    if (notice.Kind != ChartChange::Debug) update();
  });
}

TBlocksHolder::~TBlocksHolder() = default;

ViewTransform TBlocksHolder::Transform() const {
  return {model_.HorzResolution(), model_.ZoomPercents(), model_.Rulers() == rBoth ? 22 : 0, originX_, originY_};
}

ChartPoint TBlocksHolder::ChartPointOf(std::int64_t x, std::int64_t y) const {
  return Transform().WindowToChart({x, y});
}

WindowPoint TBlocksHolder::WindowPointOf(ChartPoint p) const { return Transform().ChartToWindow(p); }

void TBlocksHolder::SetStatusText(const QString& text) const {
  if (FStatusPanel) FStatusPanel->setText(text);
}

std::int64_t TBlocksHolder::SetOriginX(std::int64_t x) {
  originX_ = std::max<std::int64_t>(x, 0);
  update();
  emit OriginChanged();
  return originX_;
}

std::int64_t TBlocksHolder::SetOriginY(std::int64_t y) {
  originY_ = std::max<std::int64_t>(y, 0);
  update();
  emit OriginChanged();
  return originY_;
}

void TBlocksHolder::ScrollBy(std::int64_t dx, std::int64_t dy) {
  std::int64_t x = std::max<std::int64_t>(WrapAdd(originX_, dx), 0);
  const std::int64_t y = std::max<std::int64_t>(WrapAdd(originY_, dy), 0);
  // A sheet that fits into the window does not scroll sideways.
  if (WrapSub(ChartToPixels(model_.SheetWidth()), x) < width() - 40) x = 0;
  originX_ = x;
  originY_ = y;
  // The rubber band's anchor stays on the same chart point.
  if (rubberRect_.top != 0 && rubberRect_.left != 0) {
    if (x != 0) rubberRect_.left = ToPixel(WrapSub(rubberRect_.left, dx));
    if (y != 0) rubberRect_.top = ToPixel(WrapSub(rubberRect_.top, dy));
  }
  update();
  emit OriginChanged();
}

void TBlocksHolder::PageUp() { ScrollBy(0, WrapNeg(ChartToPixels(model_.SheetHeight()))); }

void TBlocksHolder::PageDown() { ScrollBy(0, ChartToPixels(model_.SheetHeight())); }

void TBlocksHolder::GoToBlock(std::int64_t n) {
  if (n < 1 || n > model_.BlockCount()) return;
  const TBlock& b = model_.Blocks(n);
  auto delta = [](std::int64_t pos, std::int64_t extent, std::int64_t origin) -> std::int64_t {
    if (pos >= extent) return WrapSub(pos, extent / 2);
    if (pos < 0) return -origin;
    return 0;
  };
  const std::int64_t dx = delta(WrapSub(ChartToPixels(b.X), originX_), width(), originX_);
  const std::int64_t dy = delta(WrapSub(ChartToPixels(b.Y), originY_), height(), originY_);
  model_.GoToBlock(n);
  ScrollBy(dx, dy);
}

void TBlocksHolder::SetSheetMargins(std::int64_t left, std::int64_t right, std::int64_t top, std::int64_t bottom) {
  model_.SetSheetMargins({left, right, top, bottom});
}

void TBlocksHolder::DoActiveBlockChanged() { model_.DoActiveBlockChanged(); }

void TBlocksHolder::DoMousePosChanged(Qt::KeyboardModifiers shift, int x, int y) {
  if (OnMousePosChanged) OnMousePosChanged(shift, x, y);
}

bool TBlocksHolder::SnapToObject(ChartPoint& P) const {
  const TBlock* active = model_.ActiveBlockPtr();
  const std::vector<std::int64_t> near = model_.BlocksNear({P.x, P.y, P.x, P.y});
  for (auto n = near.rbegin(); n != near.rend(); ++n) {
    const TBlock& b = model_.Blocks(*n);
    if (&b == active || b.BT == btLine || b.BT == btSelection) continue;
    const std::int64_t right = WrapAdd(b.X, b.W), bottom = WrapAdd(b.Y, b.H);
    if (!InSpan(b, P.x, b.X, right) || !InSpan(b, P.y, b.Y, bottom)) continue;
    const std::uint64_t d[] = {Distance(b.X, P.x), Distance(b.Y, P.y), Distance(right, P.x), Distance(bottom, P.y)};
    switch (IndexOfMin(d)) {
      case 0:
        P.x = b.X;
        break;
      case 1:
        P.y = b.Y;
        break;
      case 2:
        P.x = right;
        break;
      default:
        P.y = bottom;
        break;
    }
    return true;
  }
  return false;
}

}  // namespace quobrix
