#include "render/DrawBlock.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "render/BlockText.h"
#include "render/LineEnds.h"

namespace quobrix {

namespace {

constexpr std::int64_t Sign(std::int64_t v) { return (v > 0) - (v < 0); }

// One screen pixel at 100 % in the device's pixels, at least 1. It is rounded
// up, but a device a hundredth finer than the screen still counts as the
// screen: printer resolutions come out of truncated page sizes.
int ScreenPixel(const DeviceMapping& mapping) {
  constexpr double kLargest = 1 << 20;
  constexpr double kRoundingSlip = 0.01;
  if (mapping.screenResolution <= 0) return 1;
  const double ratio = static_cast<double>(mapping.resolution) * static_cast<double>(mapping.zoomPercents) /
                       (100.0 * static_cast<double>(mapping.screenResolution));
  return static_cast<int>(std::clamp(std::ceil(ratio - kRoundingSlip), 1.0, kLargest));
}

}  // namespace

int BlockPenWidth(const TBlock& block, const DeviceMapping& mapping) {
  return std::max(mapping.Length(block.BW), ScreenPixel(mapping));
}

int BlockArrowUnit(const TBlock& block, const DeviceMapping& mapping) {
  return std::max(BlockPenWidth(block, mapping), mapping.Length(std::max(block.BW, kThinLineWidth)));
}

BlockFrame BlockDeviceFrame(const TBlock& block, const DeviceMapping& mapping) {
  BlockFrame f;
  f.x1 = mapping.X(block.X);
  f.y1 = mapping.Y(block.Y);
  f.x2 = mapping.X(WrapAdd(block.X, block.W));
  f.y2 = mapping.Y(WrapAdd(block.Y, block.H));
  const auto side = static_cast<std::int64_t>(std::min(Magnitude(block.W), Magnitude(block.H)));
  f.squareX2 = OffsetPixels(f.x1, mapping.Length(WrapMul(Sign(block.W), side)));
  f.squareY2 = OffsetPixels(f.y1, mapping.Length(WrapMul(Sign(block.H), side)));
  f.squareSide = mapping.Length(side);
  f.squareHalf = ToPixel(WrapMul(WrapMul(side, mapping.resolution), mapping.zoomPercents) / (2 * kDeviceDivisor));
  return f;
}

void DrawBlock(const TBlock& block, Canvas& canvas, const DrawBlockArgs& args) {
  const DeviceMapping& mapping = args.device;
  canvas.Pen.Mode = TPenMode::Copy;
  canvas.Pen.Width = BlockPenWidth(block, mapping);
  canvas.Pen.Color = block.BC;
  canvas.Pen.Style = static_cast<TPenStyle>(block.BS);
  canvas.Brush.Color = block.MC;
  canvas.Brush.Style = static_cast<TBrushStyle>(block.FS);

  const BlockFrame f = BlockDeviceFrame(block, mapping);
  if (block.BT == btLine) {
    DrawLineWithEnds(canvas, {f.x1, f.y1}, {f.x2, f.y2}, block.LineArrows, BlockArrowUnit(block, mapping), block.BC,
                     args.sheetColor);
  } else {
    DrawOutline(block.BT, f, canvas);
  }
  if (!block.Text.empty())
    DrawBlockText(block, canvas, f.x1, f.y1, f.x2, f.y2, mapping.zoomPercents, args.viewOnly, args.isActive,
                  args.caretPos);
}

}  // namespace quobrix
