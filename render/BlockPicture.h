// Draws a copied block's picture.
#pragma once

#include "chart/ChartClipboard.h"
#include "render/Canvas.h"

namespace quobrix {

// The block, then the blocks a container stands for, each shifted so the
// block's own corner lands at the picture's origin, at zoom 100.
void DrawPicture(const ClipboardPicture& picture, Canvas& canvas);

}  // namespace quobrix
