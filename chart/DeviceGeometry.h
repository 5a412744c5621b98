// Chart units (hundredths of a millimetre) to device pixels. The resolution
// is pixels per 10 000 units (100 mm); zoom is in percent.
#pragma once

#include <cstdint>

#include "chart/CoordinateMath.h"

namespace quobrix {

constexpr std::int64_t kDeviceDivisor = 1000000;
// How far a canvas that draws its own rulers shifts everything right and down.
constexpr int RulerInset = 22;

// A chart length in pixels: (v × resolution × zoom) div 1 000 000, truncated
// toward zero and taken as a signed 32-bit value.
constexpr int ChartToPixels(std::int64_t v, std::int64_t resolution, std::int64_t zoomPercents) {
  return ToPixel(WrapMul(WrapMul(v, resolution), zoomPercents) / kDeviceDivisor);
}

// A chart position in device pixels: the length from the origin, shifted by
// the ruler inset and the scroll offset of the drawing surface.
struct DeviceMapping {
  std::int64_t resolution = 378;
  std::int64_t zoomPercents = 100;
  bool rulerInset = false;
  std::int64_t scrollX = 0;
  std::int64_t scrollY = 0;
  // The resolution the chart is shown at on screen, when this device is a
  // finer one (a printer, an enlarged picture): no pen is drawn thinner than
  // one pixel of that screen at 100 %. 0 when the device is the screen.
  std::int64_t screenResolution = 0;

  constexpr int X(std::int64_t c) const { return Place(c, scrollX); }
  constexpr int Y(std::int64_t c) const { return Place(c, scrollY); }
  constexpr int Length(std::int64_t v) const { return ChartToPixels(v, resolution, zoomPercents); }

 private:
  constexpr int Place(std::int64_t c, std::int64_t scroll) const {
    const std::int64_t px = WrapMul(WrapMul(c, resolution), zoomPercents) / kDeviceDivisor;
    return ToPixel(WrapSub(px + (rulerInset ? RulerInset : 0), scroll));
  }
};

}  // namespace quobrix
