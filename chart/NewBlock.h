// What AddBlock makes: a block's type, place and look. The text settings
// (font, alignment, placement) come from the chart's defaults for new blocks.
#pragma once

#include <cstdint>
#include <string>

#include "chart/BlockType.h"

namespace quobrix {

// A rectangle in chart units; a line runs from (X, Y) to (X + W, Y + H), so
// W and H may be negative.
struct BlockRect {
  std::int64_t X = 0;
  std::int64_t Y = 0;
  std::int64_t W = 0;
  std::int64_t H = 0;
};

struct NewBlock {
  TBlockType Type = btRectangle;
  BlockRect Rect;
  TColor FillColor = clWhite;
  TBrushStyle FillStyle = bsSolid;
  TColor LineColor = clBlack;
  TPenStyle LineStyle = psSolid;
  std::int64_t LineWidth = 1;
  std::string Text;
  TBlocksLineArrows LineArrows = blaSimple;  // the marks at a line's ends
};

}  // namespace quobrix
