// The zoom percentages the program allows. The zoom buttons, the Ctrl+wheel
// and the keypad keys step within the stepping range; a zoom typed into the
// zoom box or stored in the settings may lie anywhere in the accepted range,
// beyond which the pixel arithmetic would overflow.
#pragma once

#include <cstdint>

namespace quobrix {

constexpr int kSmallestZoom = 1;
constexpr int kLargestZoom = 10000;

constexpr int kSmallestSteppedZoom = 10;
constexpr int kLargestSteppedZoom = 1000;
// The step of the zoom buttons.
constexpr int kZoomStep = 10;

// The zoom after a step of `step` percent: a step is taken only while the
// zoom is short of the limit it heads for, so it may end up to one step past it.
constexpr std::int64_t SteppedZoom(std::int64_t zoom, int step) {
  const bool room = step < 0 ? zoom > kSmallestSteppedZoom : zoom < kLargestSteppedZoom;
  return room ? zoom + step : zoom;
}

}  // namespace quobrix
