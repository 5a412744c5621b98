#include "render/BlockOutlines.h"

#include <array>
#include <cstdlib>
#include <span>

#include "chart/DeviceGeometry.h"
#include "chart/OutlineTable.h"

namespace quobrix {

namespace {


class FramePoints {
 public:
  explicit FramePoints(const BlockFrame& f) : f_(f), w_(std::int64_t{f.x2} - f.x1), h_(std::int64_t{f.y2} - f.y1) {}

  TPoint At(const Vertex& v) const {
    return {static_cast<std::int32_t>(f_.x1 + w_ * v.xNum / v.xDen),
            static_cast<std::int32_t>(f_.y1 + h_ * v.yNum / v.yDen)};
  }
  int InsetX(int divisor) const { return static_cast<std::int32_t>(w_ / divisor); }
  int QuarterHeight() const { return static_cast<std::int32_t>(std::llabs(h_) / 4); }
  int FullHeight() const { return static_cast<std::int32_t>(std::llabs(h_)); }

 private:
  const BlockFrame& f_;
  std::int64_t w_, h_;
};

void DrawBody(const Outline& o, const BlockFrame& f, const FramePoints& pts, Canvas& canvas) {
  switch (o.body) {
    case Body::None:
      break;
    case Body::Point:
      canvas.MoveTo(f.x1, f.y1);
      canvas.LineTo(f.x1, f.y1);
      break;
    case Body::Rectangle:
      canvas.Rectangle(f.x1, f.y1, f.x2, f.y2);
      break;
    case Body::Square:
      canvas.Rectangle(f.x1, f.y1, f.squareX2, f.squareY2);
      break;
    case Body::RoundRectangle:
      canvas.RoundRect(f.x1, f.y1, f.x2, f.y2, pts.QuarterHeight(), pts.QuarterHeight());
      break;
    case Body::RoundSquare:
      canvas.RoundRect(f.x1, f.y1, f.squareX2, f.squareY2, pts.QuarterHeight(), pts.QuarterHeight());
      break;
    case Body::Ellipse:
      canvas.Ellipse(f.x1, f.y1, f.x2, f.y2);
      break;
    case Body::Circle:
      canvas.Ellipse(f.x1, f.y1, f.squareX2, f.squareY2);
      break;
    case Body::BeginEnd:
      canvas.RoundRect(f.x1, f.y1, f.x2, f.y2, pts.FullHeight(), pts.FullHeight());
      break;
    case Body::Polygon: {
      std::vector<TPoint> points;
      points.reserve(o.polygon.size());
      for (const Vertex& v : o.polygon) points.push_back(pts.At(v));
      canvas.Polygon(points);
      break;
    }
    case Body::OrCircle:
      // The cross always runs right and down from the near corner.
      canvas.Ellipse(f.x1, f.y1, f.squareX2, f.squareY2);
      canvas.MoveTo(OffsetPixels(f.x1, f.squareHalf), f.y1);
      canvas.LineTo(OffsetPixels(f.x1, f.squareHalf), OffsetPixels(f.y1, f.squareSide));
      canvas.MoveTo(f.x1, OffsetPixels(f.y1, f.squareHalf));
      canvas.LineTo(OffsetPixels(f.x1, f.squareSide), OffsetPixels(f.y1, f.squareHalf));
      break;
  }
}

}  // namespace

void DrawOutline(std::uint8_t type, const BlockFrame& frame, Canvas& canvas) {
  const Outline& o = OutlineOf(type);
  const FramePoints pts(frame);
  DrawBody(o, frame, pts, canvas);
  if (o.innerRectDivisor != 0) {
    const int inset = pts.InsetX(o.innerRectDivisor);
    canvas.Rectangle(OffsetPixels(frame.x1, inset), frame.y1, OffsetPixels(frame.x2, -inset), frame.y2);
  }
  for (const Stroke& s : o.strokes) {
    const TPoint from = pts.At(s.from), to = pts.At(s.to);
    canvas.MoveTo(from.x, from.y);
    canvas.LineTo(to.x, to.y);
  }
}

}  // namespace quobrix
