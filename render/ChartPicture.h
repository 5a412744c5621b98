// The chart drawn as one picture for image files: the sheet colour laid
// over the pages, then the blocks.
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

// A sheet without width or height (one pixel at least) has no picture.
bool SheetIsEmpty(const BlocksHolderModel& chart);

// `pages` stacked pages, measured from the chart units of all of them.
PictureSize PictureSizeOfPages(const BlocksHolderModel& chart, std::int32_t pages);

// Fills `backgroundPages` pages (20 pixels more to the right and below, so no
// edge shows) with the sheet colour, then draws every block in list order at
// zoom 100, as printed and without the editing caret. Each block is a step of
// the installed progress; false when it cancels the drawing.
bool DrawChartPicture(const BlocksHolderModel& chart, Canvas& canvas, std::int32_t backgroundPages);

// Page 1 alone, as a bitmap of one page holds it: the background of one page
// and only the blocks on page 1, however long the chart.
void DrawFirstPagePicture(const BlocksHolderModel& chart, Canvas& canvas);

}  // namespace quobrix
