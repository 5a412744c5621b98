// Draws one block of any type on any canvas at any resolution and zoom.
#pragma once

#include <cstdint>

#include "chart/BlockExtent.h"
#include "chart/DeviceGeometry.h"
#include "render/BlockOutlines.h"
#include "render/Canvas.h"

namespace quobrix {

// The pen width and the size unit of line-end marks of a block, in pixels,
// both at least 1 and at least one screen pixel of the mapping. Marks of
// lines thinner than 0.3 mm are sized as for 0.3 mm, and never smaller than
// the pen.
int BlockPenWidth(const TBlock& block, const DeviceMapping& mapping);
int BlockArrowUnit(const TBlock& block, const DeviceMapping& mapping);

// The block's rectangle in device pixels, with the square of the
// square-based types grown from the near corner.
BlockFrame BlockDeviceFrame(const TBlock& block, const DeviceMapping& mapping);

// Where and how DrawBlock draws.
struct DrawBlockArgs {
  // Resolution and zoom; the scroll offset is subtracted from every device
  // coordinate and the ruler inset added to both.
  DeviceMapping device;
  TColor sheetColor = clWhite;  // shows in the gaps of a styled line
  // The caret mark shows in the text of the active block of a chart that
  // is not view-only, while it is edited in place.
  bool viewOnly = true;
  bool isActive = false;
  int caretPos = 0;  // 1-based
};

// Sets up pen and brush from the block (pen mode copy), draws its outline or
// line, then its text. The canvas keeps the pen, brush and font the block
// left, so every call sets up all three again.
void DrawBlock(const TBlock& block, Canvas& canvas, const DrawBlockArgs& args);

}  // namespace quobrix
