#pragma once

#include "chart/BlocksHolderModel.h"

namespace quobrix {

// Arms the canvas to draw a symbol of `type` by hand: the line type draws a
// line, any other type a block of that type.
inline void ArmDrawing(BlocksHolderModel& chart, int type) {
  if (type == btLine) {
    chart.SetDrawingLineByHand(true);
    return;
  }
  chart.DrawedBlockType = static_cast<std::uint8_t>(type);
  chart.SetDrawingBlockByHand(true);
}

// The insert commands of the menus: an undo point, then drawing by hand.
inline void InsertSymbol(BlocksHolderModel& chart, int type) {
  chart.RecordUndoPoint();
  ArmDrawing(chart, type);
}

// The polyline command: an undo point, then lines one after another.
inline void InsertPolyline(BlocksHolderModel& chart) {
  chart.RecordUndoPoint();
  chart.SetDrawingMLineByHand(true);
}

}  // namespace quobrix
