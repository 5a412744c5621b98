// Chart units (hundredths of a millimetre) to device pixels. The resolution
// is pixels per 10 000 units (100 mm); zoom is in percent.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace quobrix {

constexpr std::int64_t kDeviceDivisor = 1000000;
// How far a canvas that draws its own rulers shifts everything right and down.
constexpr int RulerInset = 22;

// Products wrap in 64 bits instead of overflowing, so a damaged chart with
// huge numbers draws garbage rather than invoking undefined behaviour.
constexpr std::int64_t WrapMul(std::int64_t a, std::int64_t b) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) * static_cast<std::uint64_t>(b));
}
constexpr std::int64_t WrapAdd(std::int64_t a, std::int64_t b) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) + static_cast<std::uint64_t>(b));
}
constexpr std::int64_t WrapSub(std::int64_t a, std::int64_t b) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) - static_cast<std::uint64_t>(b));
}

// The nearest integer, halves to the even neighbour; values beyond ±2^62
// are held there and NaN gives 0, so no conversion can overflow.
inline std::int64_t RoundHalfEven(double v) {
  constexpr double limit = 4611686018427387904.0;  // 2^62
  return std::isnan(v) ? 0 : static_cast<std::int64_t>(std::clamp(std::nearbyint(v), -limit, limit));
}

// a + b in device pixels, wrapping like the 32-bit results it is made of.
constexpr int OffsetPixels(int a, int b) { return static_cast<std::int32_t>(std::int64_t{a} + b); }

// A chart length in pixels: (v × resolution × zoom) div 1 000 000, truncated
// toward zero and taken as a signed 32-bit value.
constexpr int ChartToPixels(std::int64_t v, std::int64_t resolution, std::int64_t zoomPercents) {
  return static_cast<std::int32_t>(WrapMul(WrapMul(v, resolution), zoomPercents) / kDeviceDivisor);
}

// A chart position in device pixels: the length from the origin, shifted by
// the ruler inset and the scroll offset of the drawing surface.
struct DeviceMapping {
  std::int64_t resolution = 378;
  std::int64_t zoomPercents = 100;
  bool rulerInset = false;
  std::int64_t scrollX = 0;
  std::int64_t scrollY = 0;

  constexpr int X(std::int64_t c) const { return Place(c, scrollX); }
  constexpr int Y(std::int64_t c) const { return Place(c, scrollY); }
  constexpr int Length(std::int64_t v) const { return ChartToPixels(v, resolution, zoomPercents); }

 private:
  constexpr int Place(std::int64_t c, std::int64_t scroll) const {
    const std::int64_t px = WrapMul(WrapMul(c, resolution), zoomPercents) / kDeviceDivisor;
    return static_cast<std::int32_t>(WrapSub(px + (rulerInset ? RulerInset : 0), scroll));
  }
};

}  // namespace quobrix
