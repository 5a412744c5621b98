#include "render/LineEnds.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "chart/DeviceGeometry.h"

namespace quobrix {

namespace {

enum class Mark : std::uint8_t { None, OpenArrow, Dot, Square, FilledArrow };

struct LineMarks {
  Mark atEnd, atStart;
};

// By TBlocksLineArrows code.
constexpr LineMarks kMarks[] = {
    {Mark::None, Mark::None},
    {Mark::OpenArrow, Mark::None},
    {Mark::None, Mark::OpenArrow},
    {Mark::OpenArrow, Mark::OpenArrow},
    {Mark::Dot, Mark::None},
    {Mark::None, Mark::Dot},
    {Mark::Dot, Mark::Dot},
    {Mark::Square, Mark::None},
    {Mark::None, Mark::Square},
    {Mark::Square, Mark::Square},
    {Mark::FilledArrow, Mark::None},
    {Mark::None, Mark::FilledArrow},
    {Mark::FilledArrow, Mark::FilledArrow},
};

constexpr int kArrowLength = 12;
constexpr int kArrowHalfWidth = 4;
constexpr int kDotDiameter = 4;
constexpr int kSquareHalfSide = 2;

struct Line {
  TPoint start, end;
  double ux = 0, uy = 0;
  bool hasDirection = false;
};

Line MakeLine(TPoint start, TPoint end) {
  Line line{start, end};
  const double dx = double(end.x) - start.x, dy = double(end.y) - start.y;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (length > 0) {
    line.ux = dx / length;
    line.uy = dy / length;
    line.hasDirection = true;
  }
  return line;
}

// The three corners of an arrow head: the tip and the two barbs. `sign` is
// +1 for the head at the end point, -1 for the one at the start point.
std::vector<TPoint> ArrowHead(const Line& line, int arrowUnit, int sign) {
  const TPoint tip = sign > 0 ? line.end : line.start;
  const double length = double(kArrowLength) * arrowUnit, half = double(kArrowHalfWidth) * arrowUnit;
  const TPoint base = {OffsetPixels(tip.x, -sign * NearestEven(line.ux * length)),
                       OffsetPixels(tip.y, -sign * NearestEven(line.uy * length))};
  const int acrossX = sign * NearestEven(line.uy * half), acrossY = sign * NearestEven(line.ux * half);
  return {tip,
          {OffsetPixels(base.x, acrossX), OffsetPixels(base.y, -acrossY)},
          {OffsetPixels(base.x, -acrossX), OffsetPixels(base.y, acrossY)}};
}

void DrawMark(Canvas& canvas, const Line& line, Mark mark, int sign, int arrowUnit, TColor lineColor) {
  const TPoint at = sign > 0 ? line.end : line.start;
  const bool isArrow = mark == Mark::OpenArrow || mark == Mark::FilledArrow;
  if (isArrow && !line.hasDirection) return;
  switch (mark) {
    case Mark::None:
      break;
    case Mark::OpenArrow: {
      const std::vector<TPoint> head = ArrowHead(line, arrowUnit, sign);
      canvas.Pen.Style = psSolid;
      canvas.MoveTo(at.x, at.y);
      canvas.LineTo(head[1].x, head[1].y);
      canvas.MoveTo(at.x, at.y);
      canvas.LineTo(head[2].x, head[2].y);
      break;
    }
    case Mark::Dot:
      canvas.Pen.Width = static_cast<std::int32_t>(std::int64_t{kDotDiameter} * arrowUnit);
      canvas.MoveTo(at.x, at.y);
      canvas.LineTo(at.x, at.y);
      break;
    case Mark::Square: {
      const int half = static_cast<std::int32_t>(std::int64_t{kSquareHalfSide} * arrowUnit);
      canvas.Brush.Color = lineColor;
      canvas.Pen.Style = psSolid;
      canvas.Rectangle(OffsetPixels(at.x, -half), OffsetPixels(at.y, -half), OffsetPixels(at.x, half),
                       OffsetPixels(at.y, half));
      break;
    }
    case Mark::FilledArrow:
      canvas.Brush.Color = lineColor;
      canvas.Polygon(ArrowHead(line, arrowUnit, sign));
      break;
  }
}

}  // namespace

int NearestEven(double v) {
  // Symmetric bounds keep -NearestEven(v) representable.
  constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<int>(std::clamp(RoundHalfEven(v), -hi, hi));
}

void DrawLineWithEnds(Canvas& canvas, TPoint start, TPoint end, std::uint8_t lineArrows, int arrowUnit,
                      TColor lineColor, TColor sheetColor) {
  canvas.Brush.Color = sheetColor;
  canvas.MoveTo(start.x, start.y);
  canvas.LineTo(end.x, end.y);
  if (lineArrows >= std::size(kMarks)) return;

  const Line line = MakeLine(start, end);
  const LineMarks marks = kMarks[lineArrows];
  // Arrow heads go on the end point first, dots and squares on the start point.
  const bool endFirst = marks.atEnd == Mark::OpenArrow || marks.atEnd == Mark::FilledArrow;
  const int first = endFirst ? +1 : -1;
  DrawMark(canvas, line, first > 0 ? marks.atEnd : marks.atStart, first, arrowUnit, lineColor);
  DrawMark(canvas, line, first > 0 ? marks.atStart : marks.atEnd, -first, arrowUnit, lineColor);
}

}  // namespace quobrix
