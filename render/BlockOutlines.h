// The outline every block type draws inside its device rectangle.
#pragma once

#include <cstdint>
#include <vector>

#include "render/Canvas.h"

namespace quobrix {

// A block's rectangle in device pixels. (x1, y1) is the near corner and
// (x2, y2) the far one; either may lie left of or above the other.
// (squareX2, squareY2) is the far corner of the square of the square-based
// types, squareSide that square's side and squareHalf its half, both taken
// from the chart length and so not always twice each other.
struct BlockFrame {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int squareX2 = 0, squareY2 = 0;
  int squareSide = 0, squareHalf = 0;
};

// Draws the outline of block type `type` with the canvas's current pen and
// brush. Lines (their marks need the block) and unknown codes above the
// known ones are handled too: a line draws nothing here, every unknown code
// a plain rectangle.
void DrawOutline(std::uint8_t type, const BlockFrame& frame, Canvas& canvas);

}  // namespace quobrix
