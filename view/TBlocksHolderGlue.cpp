// Glue: while a line is drawn or one of its ends dragged, the symbol near the
// end shows its connection points and where the end will go, and the end
// lands exactly on the symbol's outline. Alt held turns it off.
#include "chart/ConnectRoute.h"
#include "chart/CoordinateMath.h"
#include "view/TBlocksHolder.h"

namespace quobrix {

namespace {

// How near (screen pixels) an end must come to a symbol to stick to it.
constexpr std::int64_t kGlueReach = 8;
constexpr TColor kGlueColor = 0xD07800;  // a clear blue, 0x00BBGGRR

}  // namespace

std::optional<GlueTarget> TBlocksHolder::GlueAt(ChartPoint p, const TBlock* except) const {
  const std::int64_t reach = PixelsToChart(kGlueReach);
  const ChartArea around{SaturatingSub(p.x, reach), SaturatingSub(p.y, reach), SaturatingAdd(p.x, reach),
                         SaturatingAdd(p.y, reach)};
  return FindGlue(model_.List(), model_.BlocksNear(around), p.x, p.y, reach, except);
}

bool TBlocksHolder::GlueLineEnd(const TBlock& line, ChartPoint& p, std::int64_t& dX, std::int64_t& dY) {
  glue_ = glueOff_ ? std::nullopt : GlueAt(p, &line);
  if (!glue_) return false;
  const bool start = resizeCorner_ == 1;
  dX = WrapSub(glue_->x, start ? line.X : WrapAdd(line.X, line.W));
  dY = WrapSub(glue_->y, start ? line.Y : WrapAdd(line.Y, line.H));
  p = {glue_->x, glue_->y};
  return true;
}

bool TBlocksHolder::RouteDrawnLine(const std::optional<GlueTarget>& glue) {
  if (!FRouteLines || !glue || drawStartSymbol_ == 0 || glue->block == drawStartSymbol_) return false;
  return ConnectSymbols(model_, drawStartSymbol_, {drawStart_.x, drawStart_.y}, glue->block, {glue->x, glue->y}) > 0;
}

void TBlocksHolder::PaintGlue(Canvas& canvas) const {
  if (!glue_) return;
  auto at = [this](const OutlinePoint& c) {
    const WindowPoint w = WindowPointOf({RoundHalfEven(c.x), RoundHalfEven(c.y)});
    return TPoint{ToPixel(w.x), ToPixel(w.y)};
  };
  std::vector<TPoint> outline;
  for (const OutlinePoint& c : glue_->outline) outline.push_back(at(c));
  canvas.Pen = TPen{kGlueColor, 2, psSolid, TPenMode::Copy};
  canvas.Brush = TBrush{clWhite, bsClear};
  canvas.Polygon(outline);
  canvas.Pen.Width = 1;
  canvas.Brush = TBrush{clWhite, bsSolid};
  for (const OutlinePoint& c : glue_->connectionPoints) {
    const TPoint p = at(c);
    canvas.Rectangle(p.x - 3, p.y - 3, p.x + 4, p.y + 4);
  }
  const TPoint target = at({static_cast<double>(glue_->x), static_cast<double>(glue_->y)});
  canvas.Brush.Color = kGlueColor;
  canvas.Ellipse(target.x - 5, target.y - 5, target.x + 6, target.y + 6);
}

}  // namespace quobrix
