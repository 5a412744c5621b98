// Connecting lines: the segment and the marks at its ends.
#pragma once

#include <cstdint>

#include "render/Canvas.h"

namespace quobrix {

// The integer nearest to v, halves to the even one.
int NearestEven(double v);

// Draws the segment from `start` to `end` with the canvas's pen, then the
// marks `lineArrows` asks for (TBlocksLineArrows; other values draw none),
// sized by `arrowUnit` pixels and filled in `lineColor`. The brush colour
// becomes `sheetColor` first, so the gaps of a styled pen show the sheet.
// Arrow heads need a direction: a line whose ends share a pixel gets none.
void DrawLineWithEnds(Canvas& canvas, TPoint start, TPoint end, std::uint8_t lineArrows, int arrowUnit,
                      TColor lineColor, TColor sheetColor);

}  // namespace quobrix
