// How far a block's drawing reaches beyond its rectangle, and how far text
// wrapped inside it keeps from its edges: what drawing and the chart's block
// index must agree on.
#pragma once

#include "chart/BlockType.h"

namespace quobrix {

// How far beyond its rectangle a block's drawing may reach, in chart units:
// waves and bulges up to half its larger side, arrow heads twelve pen widths
// and the pen itself one more, pens thinner than 0.3 mm counted as 0.3 mm.
// Rounding to device pixels adds up to kDrawingMarginPixels on top.
double DrawingMargin(const TBlock& block);
constexpr int kDrawingMarginPixels = 17;

// Marks of lines thinner than this (0.3 mm) are sized as for this width.
constexpr std::int64_t kThinLineWidth = 30;

// Text placed under or beside a block has no bound known before it is
// measured, so it may be drawn anywhere.
inline bool TextMayLeaveBlock(const TBlock& block) { return !block.Text.empty() && block.TP != btpInside; }

// Room between a block's edge and the text wrapped inside it, in pixels.
constexpr int kTextMargin = 4;

}  // namespace quobrix
