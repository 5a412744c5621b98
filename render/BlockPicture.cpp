#include "render/BlockPicture.h"

#include "render/DrawBlock.h"

namespace quobrix {

void DrawPicture(const ClipboardPicture& picture, Canvas& canvas) {
  if (!picture.CanBeDrawn()) return;
  const DrawBlockArgs args{.device = {.resolution = picture.Resolution,
                                      .zoomPercents = 100,
                                      .scrollX = picture.OffsetX,
                                      .scrollY = picture.OffsetY,
                                      .screenResolution = picture.ScreenResolution}};
  const TBlock& block = *picture.Block;
  DrawBlock(block, canvas, args);
  if (block.BT != btSelection) return;
  for (const TBlock* member : FlatMembers(block)) DrawBlock(*member, canvas, args);
}

}  // namespace quobrix
