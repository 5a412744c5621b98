// Arithmetic on chart coordinates and device pixels that is defined for every
// value a chart can hold.
//
// A chart keeps each coordinate exactly as its file holds it, so a damaged or
// hand-edited file may put any 64-bit value into a block, and a round trip
// through the file gives back the same bytes. Code that computes with
// coordinates therefore never uses a plain +, -, * or / where the result can
// leave the range; it uses these helpers, picked by what the result is for:
//
// - Positions and lengths (drawing, the view's coordinates, scrolling,
//   moving and resizing blocks): wrapping, modulo 2^64 in chart units and
//   modulo 2^32 once narrowed to device pixels. Values in the ordinary range
//   come out exactly as plain arithmetic gives them; a block far beyond it
//   lands somewhere wrong but definite, the same on screen, paper and file.
// - Bounds that widen a span for a comparison (hit tolerances): saturating,
//   so the widened span stays ordered and keeps every point it held before.
// - Sizes that allocate (pictures): checked; a size that does not fit gives
//   no picture rather than a wrong one.
// - Distances compared with each other: the exact unsigned magnitude.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace quobrix {

constexpr std::int64_t WrapAdd(std::int64_t a, std::int64_t b) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) + static_cast<std::uint64_t>(b));
}
constexpr std::int64_t WrapSub(std::int64_t a, std::int64_t b) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) - static_cast<std::uint64_t>(b));
}
constexpr std::int64_t WrapMul(std::int64_t a, std::int64_t b) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) * static_cast<std::uint64_t>(b));
}
constexpr std::int64_t WrapNeg(std::int64_t a) { return WrapSub(0, a); }

// a / b truncated toward zero. The one quotient that leaves the range,
// INT64_MIN / -1, wraps back to INT64_MIN; a divisor of 0 (a scale that
// wrapped to nothing) gives 0.
constexpr std::int64_t WrapDiv(std::int64_t a, std::int64_t b) {
  if (b == 0) return 0;
  if (b == -1) return WrapNeg(a);
  return a / b;
}

// |a| and |a - b|, exact for every pair.
constexpr std::uint64_t Magnitude(std::int64_t a) {
  return a < 0 ? 0 - static_cast<std::uint64_t>(a) : static_cast<std::uint64_t>(a);
}
constexpr std::uint64_t Distance(std::int64_t a, std::int64_t b) {
  return a < b ? static_cast<std::uint64_t>(b) - static_cast<std::uint64_t>(a)
               : static_cast<std::uint64_t>(a) - static_cast<std::uint64_t>(b);
}

constexpr std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
  std::int64_t out = 0;
  if (!__builtin_add_overflow(a, b, &out)) return out;
  return b < 0 ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
}
constexpr std::int64_t SaturatingSub(std::int64_t a, std::int64_t b) {
  std::int64_t out = 0;
  if (!__builtin_sub_overflow(a, b, &out)) return out;
  return b > 0 ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
}

// a × b, or nothing when the product leaves the range.
constexpr std::optional<std::int64_t> CheckedMul(std::int64_t a, std::int64_t b) {
  std::int64_t out = 0;
  if (__builtin_mul_overflow(a, b, &out)) return std::nullopt;
  return out;
}

// A device pixel coordinate: the low 32 bits of v, as the canvases take them.
constexpr int ToPixel(std::int64_t v) { return static_cast<std::int32_t>(v); }

// a + b in device pixels, wrapping like the 32-bit values it is made of.
constexpr int OffsetPixels(int a, int b) { return ToPixel(std::int64_t{a} + b); }

// The nearest integer, halves to the even neighbour; values beyond ±2^62
// are held there and NaN gives 0, so no conversion can overflow.
inline std::int64_t RoundHalfEven(double v) {
  constexpr double limit = 4611686018427387904.0;  // 2^62
  return std::isnan(v) ? 0 : static_cast<std::int64_t>(std::clamp(std::nearbyint(v), -limit, limit));
}

}  // namespace quobrix
