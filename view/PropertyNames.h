// What each value of a block property is called in the program's built-in
// language: the captions of the picture items of the format menus and the
// names the inspector's picture lists give their items. UTF-8.
#pragma once

#include <cstdint>

#include "chart/BlockType.h"

namespace quobrix {

const char* FillStyleName(TBrushStyle style);
const char* LineStyleName(TPenStyle style);
const char* LineEndsName(TBlocksLineArrows ends);
const char* TextAlignName(TAlignment alignment);
const char* TextPlacementName(TBlockTextPlacement placement);

}  // namespace quobrix
