// The drawing surface every block, sheet and ruler is drawn on. Backends:
// QPainter (screen, bitmap, printer, PDF), EMF, and a recording canvas in the
// tests. Coordinates are signed 32-bit device pixels; texts are bytes of code
// page 1251. Pen, brush and font are state that each primitive reads when it
// is called, so drawing code sets them up the way a desktop canvas is used.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chart/BlockType.h"

namespace quobrix {

// Copy draws the pen colour; Xor inverts what lies beneath (rubber shapes, grid dots).
enum class TPenMode : std::uint8_t { Copy, Xor };

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
  TPenMode Mode = TPenMode::Copy;
  bool operator==(const TPen&) const = default;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
  bool operator==(const TBrush&) const = default;
};

struct TPoint {
  int x = 0;
  int y = 0;
  bool operator==(const TPoint&) const = default;
};

struct TRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const TRect&) const = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  TPen Pen;
  TBrush Brush;
  TBlockFont Font;  // Font.Size() in points, scaled by the device's own resolution

  virtual void MoveTo(int x, int y) = 0;
  // Strokes from the current position to (x, y), which becomes the current position.
  virtual void LineTo(int x, int y) = 0;
  // Closed outlines are filled with the brush and edged with the pen; the
  // right and bottom coordinates are exclusive, as on a desktop canvas.
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  virtual void RoundRect(int x1, int y1, int x2, int y2, int cornerW, int cornerH) = 0;
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  // Closed from the last vertex to the first, filled by the even-odd rule.
  virtual void Polygon(const std::vector<TPoint>& points) = 0;
  // Inverts one pixel whatever the pen says (position grid dots).
  virtual void InvertPixel(int x, int y) = 0;

  // Text in the font colour with a transparent background, top-left at (x, y).
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  // Word-wrapped text from the top of `clip`, aligned by `alignment` and clipped to it.
  virtual void DrawTextWrapped(const TRect& clip, const std::string& text, TAlignment alignment) = 0;
  virtual int TextWidth(const std::string& text) = 0;
  virtual int TextHeight(const std::string& text) = 0;
};

}  // namespace quobrix
