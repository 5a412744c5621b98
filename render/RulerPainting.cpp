#include "render/RulerPainting.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quobrix {

namespace {

// Pixels per centimetre of a 96-dpi screen, as the graduation has always used.
constexpr double kZoomPerPixel = 254.237;
constexpr int kScreenDpi = 96;
// Ticks further than this before the ruler's start cannot show, not even
// through their number, so painting skips them.
constexpr std::int64_t kInvisibleRoom = 1000;

bool LabelShown(std::int32_t zoom, std::int64_t n) { return zoom >= 50 || n % 10 == 0; }

// Positions along the ruler, with x the along-axis coordinate and y across:
// a horizontal ruler uses them as they are, a vertical one swaps them.
class RulerPen {
 public:
  RulerPen(Canvas& canvas, bool vertical) : canvas_(canvas), vertical_(vertical) {}
  void Stroke(std::int64_t along1, int across1, std::int64_t along2, int across2) {
    MoveOrLine(along1, across1, true);
    MoveOrLine(along2, across2, false);
  }

 private:
  void MoveOrLine(std::int64_t along, int across, bool move) {
    const int a = static_cast<std::int32_t>(along);
    const int x = vertical_ ? across : a, y = vertical_ ? a : across;
    move ? canvas_.MoveTo(x, y) : canvas_.LineTo(x, y);
  }
  Canvas& canvas_;
  bool vertical_;
};

void PaintBackground(Canvas& c, const RulerProperties& r, int w, int h) {
  c.Brush = TBrush{clBtnFace, bsSolid};
  c.Pen.Color = r.Flat ? clBtnFace : clBlack;
  c.Rectangle(0, 0, w - 1, h - 1);
  if (r.Flat) return;
  const bool vertical = r.Kind == TRulerKind::Vertical;
  c.Pen.Color = clBtnShadow;
  c.MoveTo(vertical ? w - 3 : 1, vertical ? 1 : h - 3);
  c.LineTo(w - 3, h - 3);
  c.LineTo(vertical ? 1 : w - 3, vertical ? h - 3 : 1);
  c.Pen.Color = clBtnHighlight;
  c.MoveTo(vertical ? w - 3 : 1, vertical ? 1 : h - 3);
  c.LineTo(1, 1);
  c.LineTo(vertical ? 1 : w - 2, vertical ? h - 3 : 1);
}

void PaintGraduation(Canvas& c, const RulerProperties& r, int w, int h) {
  const int step = RulerStep(r.Zoom);
  if (step < 1) return;
  const bool vertical = r.Kind == TRulerKind::Vertical;
  const int base = (vertical ? w : h) - 3;  // across the ruler: where ticks start
  const std::int64_t extent = vertical ? h : w;
  const std::int64_t end = std::int64_t{r.Precition} + r.DigitsLenght;
  std::int64_t pos = r.Precition, n = r.StartNumber;
  if (pos < -kInvisibleRoom) {
    const std::int64_t skipped = (-kInvisibleRoom - pos) / step;
    pos += skipped * step;
    n += skipped;
  }
  RulerPen pen(c, vertical);
  c.Brush.Style = bsClear;
  for (; pos < end && pos <= extent; pos += step, ++n) {
    for (const auto& [colour, shift] : {std::pair{clBtnShadow, 0}, std::pair{clBtnHighlight, 1}}) {
      c.Pen.Color = colour;
      pen.Stroke(pos + shift, base, pos + shift, base - r.Di);
      pen.Stroke(pos + shift + step / 2, base, pos + shift + step / 2, base - r.Di / 2);
    }
    c.Pen.Color = clBlack;
    if (!LabelShown(r.Zoom, n)) continue;
    const std::string label = std::to_string(n);
    const int at = static_cast<std::int32_t>(pos + 2);
    if (vertical)
      c.TextOut(std::max(w - r.Di - c.TextWidth(label) - 3, 1), at, label);
    else
      c.TextOut(at, h - 3 - r.Di - c.TextHeight(label), label);
  }
}

}  // namespace

int RulerStep(std::int32_t zoom) { return static_cast<int>(std::nearbyint(double(zoom) * kScreenDpi / kZoomPerPixel)); }

void PaintRuler(Canvas& canvas, const RulerProperties& ruler, int width, int height, TPoint mouse) {
  if (ruler.Kind != TRulerKind::Horizontal && ruler.Kind != TRulerKind::Vertical) return;
  canvas.Pen.Style = psSolid;
  if (!ruler.Transparent) PaintBackground(canvas, ruler, width, height);
  PaintGraduation(canvas, ruler, width, height);
  if (!ruler.TraceMouse) return;
  canvas.Pen.Color = clBtnShadow;
  canvas.Pen.Style = psDot;
  if (ruler.Kind == TRulerKind::Vertical) {
    canvas.MoveTo(0, mouse.y);
    canvas.LineTo(width, mouse.y);
  } else {
    canvas.MoveTo(mouse.x, 0);
    canvas.LineTo(mouse.x, height);
  }
}

}  // namespace quobrix
