// The one coordinate system of the chart view: chart units (0.01 mm) to
// window pixels and back, with zoom, ruler inset and scroll origin. Both axes
// use the horizontal resolution.
#pragma once

#include <cstdint>

#include "chart/DeviceGeometry.h"

namespace quobrix {

struct ChartPoint {
  std::int64_t x = 0;
  std::int64_t y = 0;
  bool operator==(const ChartPoint&) const = default;
};

struct WindowPoint {
  std::int64_t x = 0;
  std::int64_t y = 0;
  bool operator==(const WindowPoint&) const = default;
};

struct ViewTransform {
  std::int64_t resolution = 378;  // pixels per 10000 chart units
  std::int64_t zoomPercents = 100;
  std::int64_t rulerInset = 0;
  std::int64_t originX = 0;
  std::int64_t originY = 0;

  std::int64_t ChartToPixels(std::int64_t v) const;
  std::int64_t PixelsToChart(std::int64_t p) const;
  // The same conversions with the quotient rounded instead of truncated.
  std::int64_t ChartToPixelsRounded(std::int64_t v) const;
  std::int64_t PixelsToChartRounded(std::int64_t p) const;

  WindowPoint ChartToWindow(ChartPoint p) const;
  ChartPoint WindowToChart(WindowPoint p) const;
  ChartPoint WindowToChartRounded(WindowPoint p) const;
  // A window coordinate as pixels from the chart's origin, on the axis
  // whose scroll origin is `origin`.
  std::int64_t FromWindow(std::int64_t p, std::int64_t origin) const;
};

// A chart window's scroll bars: position p puts the view's origin at
// (content - view) x p div 100 pixels, so 100 shows the content's end.
std::int64_t OriginForScrollPosition(int position, std::int64_t contentPixels, std::int64_t viewPixels);
// The position that shows `origin`, rounded down; 0 when the content fits
// the view. Positions past 100 stand for origins past the content's end.
int ScrollPositionForOrigin(std::int64_t origin, std::int64_t contentPixels, std::int64_t viewPixels);

}  // namespace quobrix
