// What the chart view paints around and over the blocks: the sheet with its
// pages, printable areas and position grid, the selection marks of the
// active block, and the frame of the view's own rulers. Shared by the view
// and the print preview.
#pragma once

#include <cstdint>
#include <vector>

#include "chart/BlockType.h"
#include "render/Canvas.h"

namespace quobrix {

struct SheetPaintArgs {
  int clientWidth = 0;
  int clientHeight = 0;
  int rulerInset = 0;
  std::int64_t originX = 0;
  std::int64_t originY = 0;
  std::int64_t resolution = 378;
  std::int64_t zoomPercents = 100;
  std::int64_t sheetWidth = 21000;
  std::int64_t sheetHeight = 29700;
  std::int64_t marginLeft = 1000, marginRight = 1000, marginTop = 1000, marginBottom = 1000;
  std::int32_t pages = 1;
  TColor backColor = clWhite;
  TColor sheetColor = clWhite;
  bool showGrid = false;  // the grid switch and the grid snapping switch both on
  std::int64_t gridStep = 1000;
};

void PaintSheet(Canvas& canvas, const SheetPaintArgs& args);

// Half the side of a selection mark, in pixels; presses this close catch a corner.
constexpr int HandleHalfSize = 4;

// The colour of selection marks on a sheet of the given colour (yellow on
// white). A system colour has no RGB value to take the complement of, so the
// marks then take the colour they have on a white sheet, which stays visible
// on light and dark desktop sheets alike.
TColor SelectionMarkColor(TColor sheetColor);

// Marks around window points, in drawing order, each on an edge of the
// opposite colour.
void PaintSelectionMarks(Canvas& canvas, const std::vector<TPoint>& marks, TColor sheetColor);

void PaintRulerFrame(Canvas& canvas, int clientWidth, int clientHeight);

}  // namespace quobrix
