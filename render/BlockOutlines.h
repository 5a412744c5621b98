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

// The closed outline a type draws, for geometry in chart units rather than
// pixels: where lines meet a symbol. Corners are fractions of the block's
// rectangle, (0, 0) its near corner and (1, 1) its far one. The square-based
// kinds stand in the square on the near corner; a round box has corners of
// radius an eighth of the height, a stadium of half the height. A type that
// draws no closed outline of its own is a box.
enum class OutlineKind : std::uint8_t { Box, Square, RoundBox, RoundSquare, Ellipse, Circle, Stadium, Polygon };

struct OutlineShape {
  struct Corner {
    double x, y;
  };
  OutlineKind kind = OutlineKind::Box;
  std::vector<Corner> polygon;  // for OutlineKind::Polygon
};

OutlineShape ShapeOfOutline(std::uint8_t type);

}  // namespace quobrix
