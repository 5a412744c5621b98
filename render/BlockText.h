// A block's text: wrapped inside its rectangle, as lines under it, or as
// lines beside it, in the block's font scaled by the zoom.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chart/BlockExtent.h"
#include "render/Canvas.h"

namespace quobrix {

// Marks the insertion point in the drawn copy of the active block's text.
constexpr char kCaretMark = '\xA6';
// The text whose height is the height of one line.
constexpr const char* kLineHeightSample = "ABC";

// `text` with the caret mark before the 1-based position `caretPos`
// (at the start below 1, at the end beyond the last character).
std::string WithCaretMark(const std::string& text, int caretPos);

// The lines of `text`, broken at CR LF, lone CR and lone LF; a trailing
// break adds no empty line.
std::vector<std::string> SplitLines(const std::string& text);

// Draws `block.Text` for the block's device rectangle (x1, y1)-(x2, y2).
// The caret mark at `caretPos` shows while the block is edited in place
// (active and not view-only). Under and beside the block the text keeps a
// distance of the canvas's current pen width. Leaves the brush clear and
// the scaled font on the canvas.
void DrawBlockText(const TBlock& block, Canvas& canvas, int x1, int y1, int x2, int y2, std::int64_t zoomPercents,
                   bool viewOnly, bool isActive, int caretPos);

}  // namespace quobrix
