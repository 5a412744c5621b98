#pragma once

#include "chart/BlocksHolderModel.h"

namespace quobrix {

// Arms the canvas to draw a symbol of `type` by hand: the line type draws a
// line, any other type a block of that type. Arming is no edit: each symbol
// records its undo point as it is drawn.
inline void ArmDrawing(BlocksHolderModel& chart, int type) {
  if (type == btLine) {
    chart.SetDrawingLineByHand(true);
    return;
  }
  chart.SetDrawedBlockType(static_cast<std::uint8_t>(type));
  chart.SetDrawingBlockByHand(true);
}

}  // namespace quobrix
