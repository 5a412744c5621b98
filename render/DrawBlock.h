// Draws one block of any type on any canvas at any resolution and zoom.
#pragma once

#include <cstdint>

#include "render/BlockOutlines.h"
#include "render/Canvas.h"
#include "render/DeviceGeometry.h"

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

// How far beyond its rectangle a block's drawing may reach, in chart units:
// waves and bulges up to half its larger side, arrow heads twelve pen widths
// and the pen itself one more, pens thinner than 0.3 mm counted as 0.3 mm.
// Rounding to device pixels adds up to kDrawingMarginPixels on top.
double DrawingMargin(const TBlock& block);
constexpr int kDrawingMarginPixels = 17;

// Text placed under or beside a block has no bound known before it is
// measured, so it may be drawn anywhere.
inline bool TextMayLeaveBlock(const TBlock& block) { return !block.Text.empty() && block.TP != btpInside; }

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
};

// Sets up pen and brush from the block (pen mode copy), draws its outline or
// line, then its text. The canvas keeps the pen, brush and font the block
// left, so every call sets up all three again.
void DrawBlock(const TBlock& block, Canvas& canvas, const DrawBlockArgs& args);

}  // namespace quobrix
