// Page by page drawing for the printer and the print preview.
#pragma once

#include <cstdint>

#include "render/Canvas.h"
#include "render/SheetPainting.h"

namespace quobrix {

class BlocksHolderModel;
class PageBlocks;

// Draws page p on a printer page of w x h pixels, the sheet's width filling
// the page's width; a print job finds the blocks of its pages through one
// PageBlocks.
bool PrintPage(const BlocksHolderModel& chart, Canvas& canvas, std::int64_t w, std::int32_t page, std::int64_t h);
bool PrintPage(const BlocksHolderModel& chart, Canvas& canvas, std::int64_t w, std::int32_t page, std::int64_t h,
               const PageBlocks& pageBlocks);

// Draws page p as the view shows it at `zoom`: sheet, then the page's
// blocks. `surface` gives the client size, the colour around the pages and
// the grid switch; the rest of it comes from the chart.
bool DrawPreviewPage(const BlocksHolderModel& chart, Canvas& canvas, std::int32_t page, std::int64_t zoom);
bool DrawPreviewPage(const BlocksHolderModel& chart, Canvas& canvas, std::int32_t page, std::int64_t zoom,
                     const SheetPaintArgs& surface);

// Fills in what the sheet painting takes from the chart itself: resolution,
// sheet size and margins, pages, sheet colour and grid step, at `zoom`.
void TakeSheetOfChart(SheetPaintArgs& sheet, const BlocksHolderModel& chart, std::int64_t zoom);

}  // namespace quobrix
