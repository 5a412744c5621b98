#include "chart/CoordinateMath.h"
#include "view/ViewCoordinates.h"

#include <algorithm>
#include <cmath>

namespace quobrix {

namespace {

// Resolution × zoom, without overflow for any pair.
double Scale(const ViewTransform& view) {
  return static_cast<double>(view.resolution) * static_cast<double>(view.zoomPercents);
}

}  // namespace

std::int64_t ViewTransform::ChartToPixels(std::int64_t v) const {
  return WrapMul(WrapMul(v, resolution), zoomPercents) / kDeviceDivisor;
}

std::int64_t ViewTransform::PixelsToChart(std::int64_t p) const {
  return WrapDiv(WrapMul(p, kDeviceDivisor), WrapMul(resolution, zoomPercents));
}

std::int64_t ViewTransform::ChartToPixelsRounded(std::int64_t v) const {
  return RoundHalfEven(static_cast<double>(v) * Scale(*this) / 1000000.0);
}

std::int64_t ViewTransform::PixelsToChartRounded(std::int64_t p) const {
  return RoundHalfEven(static_cast<double>(p) * 1000000.0 / Scale(*this));
}

WindowPoint ViewTransform::ChartToWindow(ChartPoint p) const {
  return {WrapSub(WrapAdd(ChartToPixels(p.x), rulerInset), originX),
          WrapSub(WrapAdd(ChartToPixels(p.y), rulerInset), originY)};
}

std::int64_t ViewTransform::FromWindow(std::int64_t p, std::int64_t origin) const {
  return WrapAdd(WrapSub(p, rulerInset), origin);
}

ChartPoint ViewTransform::WindowToChart(WindowPoint p) const {
  return {PixelsToChart(FromWindow(p.x, originX)), PixelsToChart(FromWindow(p.y, originY))};
}

ChartPoint ViewTransform::WindowToChartRounded(WindowPoint p) const {
  return {PixelsToChartRounded(FromWindow(p.x, originX)), PixelsToChartRounded(FromWindow(p.y, originY))};
}

std::int64_t OriginForScrollPosition(int position, std::int64_t contentPixels, std::int64_t viewPixels) {
  return WrapMul(WrapSub(contentPixels, viewPixels), position) / 100;
}

int ScrollPositionForOrigin(std::int64_t origin, std::int64_t contentPixels, std::int64_t viewPixels) {
  const std::int64_t span = contentPixels - viewPixels;
  if (span <= 0 || origin <= 0) return 0;
  // In floating point: a damaged sheet's pixel counts may be near the top of the range.
  constexpr double kFarPastTheEnd = 1000;
  return static_cast<int>(std::min(kFarPastTheEnd, std::floor(static_cast<double>(origin) * 100 / static_cast<double>(span))));
}

}  // namespace quobrix
