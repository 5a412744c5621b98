// What a copy puts on the system clipboard, and the clipboard itself behind
// an interface: the chart model builds the contents and puts them on the
// clipboard its caller hands it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "chart/BlockType.h"

namespace quobrix {

// A picture of the copied block: Width x Height pixels with the block's
// top-left corner at the origin, drawn by render/BlockPicture.h. It refers
// to the chart's block and is valid only until the chart changes.
struct ClipboardPicture {
  int Width = 0;
  int Height = 0;
  std::int64_t Resolution = 0;  // pixels per 100 mm
  // Pixel position of the block's top-left corner on the sheet; drawing is
  // shifted back by it.
  std::int64_t OffsetX = 0;
  std::int64_t OffsetY = 0;
  // No line is drawn thinner than one pixel of a screen of this resolution.
  std::int64_t ScreenResolution = 0;
  const TBlock* Block = nullptr;

  // False when the block is too large to be a picture or there is none.
  bool CanBeDrawn() const { return Width > 0 && Height > 0 && Block != nullptr; }
};

struct ClipboardContents {
  std::string Fragment;       // the chart fragment, bytes of code page 1251
  ClipboardPicture Bitmap;    // at three times the screen resolution
  ClipboardPicture Metafile;  // at the screen resolution
};

class ChartClipboard {
 public:
  virtual ~ChartClipboard() = default;
  // Replaces the clipboard's contents. A picture that cannot be made is left
  // out; false only when the clipboard could not be set at all.
  virtual bool Put(const ClipboardContents& contents) = 0;
  // The fragment text the clipboard holds, or nothing when it holds none.
  virtual std::optional<std::string> Fragment() = 0;
};

// Whether a text can be pasted as a chart fragment: it opens with a block's
// "[" line.
bool IsFragmentText(const std::string& text);

}  // namespace quobrix
