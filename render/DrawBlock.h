// Draws one block of any type on any canvas at any resolution and zoom.
#pragma once

#include <cstdint>

#include "render/BlockOutlines.h"
#include "render/Canvas.h"
#include "render/DeviceGeometry.h"

namespace quobrix {

// The pen width and the size unit of line-end marks of a block, in pixels,
// both at least 1. Marks of lines thinner than 0.3 mm are sized as for 0.3 mm.
int BlockPenWidth(const TBlock& block, const DeviceMapping& mapping);
int BlockArrowUnit(const TBlock& block, const DeviceMapping& mapping);

// The block's rectangle in device pixels, with the square of the
// square-based types grown from the near corner.
BlockFrame BlockDeviceFrame(const TBlock& block, const DeviceMapping& mapping);

// Sets up pen and brush from the block (pen mode copy), draws its outline or
// line, then its text. `scrollX`, `scrollY` are subtracted from every device
// coordinate; `rulerInset` adds RulerInset to both. `sheetColor` shows in
// the gaps of a styled line. The canvas keeps the pen, brush and font the
// block left, so every call sets up all three again.
void DrawBlock(const TBlock& block, Canvas& canvas, bool rulerInset, bool viewOnly, bool isActive, std::int64_t scrollX,
               std::int64_t scrollY, TColor sheetColor, std::int64_t resolution, std::int64_t zoomPercents);

}  // namespace quobrix
