// The whole chart drawn as one picture, for image files and the clipboard's
// neighbours: the sheet colour laid over the pages, then every block.
#pragma once

#include <cstdint>

#include "chart/BlocksHolderModel.h"
#include "render/Canvas.h"

namespace quobrix {

struct PictureSize {
  int width = 0;
  int height = 0;
};

// One page in pixels at the chart's horizontal resolution, which serves both
// directions (793 x 1122 for A4 at 378).
PictureSize PicturePageSize(const BlocksHolderModel& chart);

// `pages` stacked pages, measured from the chart units of all of them.
PictureSize PictureSizeOfPages(const BlocksHolderModel& chart, std::int32_t pages);

// Fills `backgroundPages` pages (20 pixels more to the right and below, so no
// edge shows) with the sheet colour, then draws every block in list order at
// zoom 100, as printed and without the editing caret.
void DrawChartPicture(const BlocksHolderModel& chart, Canvas& canvas, std::int32_t backgroundPages);

}  // namespace quobrix
