// The outline of every block type as a table of fractions of the block's
// rectangle: what drawing traces on a canvas and what geometry in chart
// units (where lines meet a symbol) follows.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace quobrix {

// A vertex as fractions of the block's rectangle: x1 + (w × xNum) div xDen,
// y1 + (h × yNum) div yDen. A negative numerator reaches outside x1 or y1.
struct Vertex {
  int xNum, xDen, yNum, yDen;
};

struct Stroke {
  Vertex from, to;
};

enum class Body : std::uint8_t {
  None,
  Point,
  Rectangle,
  Square,
  RoundRectangle,
  RoundSquare,
  Ellipse,
  Circle,
  BeginEnd,
  Polygon,
  OrCircle
};

struct Outline {
  Body body = Body::None;
  std::span<const Vertex> polygon = {};
  // Not 0: a further rectangle (x1 + w div k, y1)-(x2 - w div k, y2).
  int innerRectDivisor = 0;
  std::span<const Stroke> strokes = {};
};

// The outline of block type `type`; every code above the known ones is a
// plain rectangle.
const Outline& OutlineOf(std::uint8_t type);

// The closed outline a type draws, for geometry in chart units rather than
// pixels: where lines meet a symbol. Corners are fractions of the block's
// rectangle, (0, 0) its near corner and (1, 1) its far one. The square-based
// kinds stand in the square on the near corner; a round box has corners of
// radius an eighth of the height, a stadium of half the height. A type that
// draws no closed outline of its own is a box.
enum class OutlineKind : std::uint8_t { Box, Square, RoundBox, RoundSquare, Ellipse, Circle, Stadium, Polygon };

struct OutlineShape {
  struct Corner {
    double x, y;
  };
  OutlineKind kind = OutlineKind::Box;
  std::vector<Corner> polygon;  // for OutlineKind::Polygon
};

OutlineShape ShapeOfOutline(std::uint8_t type);

}  // namespace quobrix
