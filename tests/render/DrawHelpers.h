// Shared set-up of the drawing tests: blocks and a recording canvas.
#pragma once

#include <string>
#include <vector>

#include "render/DrawBlock.h"
#include "support/RecordingCanvas.h"

namespace quobrix::testsupport {

// At this resolution and zoom 100 one chart unit is one pixel.
constexpr std::int64_t kUnitResolution = 10000;

inline TBlock MakeBlock(std::uint8_t type, std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
  TBlock b;
  b.BT = type;
  b.X = x;
  b.Y = y;
  b.W = w;
  b.H = h;
  return b;
}

struct DrawOptions {
  std::int64_t resolution = kUnitResolution;
  std::int64_t zoom = 100;
  bool rulerInset = false;
  std::int64_t scrollX = 0, scrollY = 0;
  std::int64_t screenResolution = 0;
  bool viewOnly = true, isActive = false;
  int caretPos = 0;
  TColor sheetColor = clWhite;
};

inline RecordingCanvas Draw(const TBlock& block, const DrawOptions& o = {}) {
  RecordingCanvas canvas;
  DrawBlock(block, canvas,
            {.device = {o.resolution, o.zoom, o.rulerInset, o.scrollX, o.scrollY, o.screenResolution},
             .sheetColor = o.sheetColor,
             .viewOnly = o.viewOnly,
             .isActive = o.isActive,
             .caretPos = o.caretPos});
  return canvas;
}

}  // namespace quobrix::testsupport
