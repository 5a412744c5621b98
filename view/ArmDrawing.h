#pragma once

#include "chart/BlocksHolderModel.h"
#include "view/CommandId.h"

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

inline void Disarm(BlocksHolderModel& chart) {
  chart.SetDrawingLineByHand(false);
  chart.SetDrawingBlockByHand(false);
}

// The drawing tool the chart's canvas has armed, as the command that arms
// it; the pointer when none is, or there is no chart.
inline CommandKey ArmedTool(const BlocksHolderModel* chart) {
  using enum CommandId;
  if (!chart) return {CancelInsert};
  if (chart->DrawingMLineByHand()) return {InsertPolyline};
  if (chart->DrawingLineByHand()) return {InsertSymbol, btLine};
  if (chart->DrawingBlockByHand()) return {InsertSymbol, chart->DrawedBlockType()};
  return {CancelInsert};
}

}  // namespace quobrix
