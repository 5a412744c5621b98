// Painting of the centimetre ruler control: a strip with a numbered major
// tick per step and a minor tick half-way, and an optional dotted line at
// the mouse position.
#pragma once

#include <cstdint>

#include "render/Canvas.h"

namespace quobrix {

enum class TRulerKind : std::int32_t { Horizontal = 0, Vertical = 1 };

// The ruler's published properties.
struct RulerProperties {
  TRulerKind Kind = TRulerKind::Horizontal;
  std::int32_t Precition = 5;     // position of the first major tick, pixels
  std::int32_t DigitsLenght = 0;  // length of the graduated part, pixels
  std::int32_t Di = 10;           // length of a major tick; a minor one is half
  bool Flat = false;
  bool Transparent = false;
  bool Stretch = false;
  std::int32_t Zoom = 100;
  std::int32_t StartNumber = 0;  // the number at the first major tick
  bool TraceMouse = false;
};

// Pixels between major ticks: nearly a centimetre at 96 dpi, scaled by the
// zoom and rounded to the nearest integer (halves to even).
int RulerStep(std::int32_t zoom);

// Paints a ruler of width × height pixels. `mouse` is the mouse position in
// the ruler's own coordinates, for the trace line. Below zoom 50 only every
// tenth number is written. A step below one pixel draws no graduation.
void PaintRuler(Canvas& canvas, const RulerProperties& ruler, int width, int height, TPoint mouse);

}  // namespace quobrix
