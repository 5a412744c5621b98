#include "view/PropertyPictures.h"

#include <QPainter>
#include <algorithm>
#include <functional>

#include "platform/Cp1251Codec.h"
#include "platform/InterfacePicture.h"
#include "platform/QPainterCanvas.h"
#include "render/DrawBlock.h"
#include "view/PropertyValues.h"

namespace quobrix {

namespace {

// The screen's resolution at 100 %, as the chart window draws.
constexpr DeviceMapping kScreen{};

// Chart units for a length of `pixels` on the screen at 100 %.
std::int64_t Units(int pixels) {
  return (std::int64_t{pixels} * kDeviceDivisor + kScreen.resolution * kScreen.zoomPercents - 1) /
         (kScreen.resolution * kScreen.zoomPercents);
}

constexpr TColor kEdge = 0xA0A0A0;
constexpr TColor kSample = 0x804000;  // a dark blue that shows hatching and filling alike
// Each channel of a colour this light or lighter would vanish on white.
constexpr TColor kLightChannel = 0xE0;

// A sample of `size` on a white `ground` with a grey edge and what `draw` puts on it.
QPixmap Sample(QSize size, const std::function<void(Canvas&)>& draw, TColor ground = clWhite) {
  QPixmap picture = InterfacePixmap(size);
  QPainter painter(&picture);
  QPainterCanvas canvas(painter);
  canvas.Pen = TPen{kEdge};
  canvas.Brush = TBrush{ground};
  canvas.Rectangle(0, 0, size.width(), size.height());
  draw(canvas);
  return picture;
}

// A block whose device rectangle at 100 % is (x1, y1)-(x2, y2).
TBlock BlockAt(std::uint8_t type, int x1, int y1, int x2, int y2) {
  TBlock block;
  block.BT = type;
  block.X = Units(x1);
  block.Y = Units(y1);
  block.W = Units(x2) - block.X;
  block.H = Units(y2) - block.Y;
  block.BC = clBlack;
  block.MC = kSample;
  return block;
}

void Draw(const TBlock& block, Canvas& canvas) { DrawBlock(block, canvas, DrawBlockArgs{}); }

// A horizontal line across the middle of a line picture from `left` to `right`.
TBlock MiddleLine(int left = 6, int right = kLinePictureSize.width() - 6) {
  const int middle = kLinePictureSize.height() / 2;
  return BlockAt(btLine, left, middle, right, middle);
}

// Lines of text as bars `height` pixels high, each as long as `lengths` says,
// placed by `alignment` within left..right.
void TextBars(Canvas& canvas, int left, int right, int top, std::initializer_list<int> lengths,
              TAlignment alignment = taLeftJustify) {
  canvas.Pen = TPen{clBlack};
  canvas.Brush = TBrush{clBlack};
  int y = top;
  for (const int length : lengths) {
    const int x = alignment == taLeftJustify    ? left
                  : alignment == taRightJustify ? right - length
                                                : left + (right - left - length) / 2;
    canvas.Rectangle(x, y, x + length, y + 2);
    y += 3;
  }
}

}  // namespace

QPixmap FillStylePicture(TBrushStyle style, std::optional<TColor> fill) {
  // A system colour has no value of its own here: it shows as the default.
  const TColor colour = fill && !IsSystemColor(*fill) ? *fill : kSample;
  const bool light = (colour & 0xFF) >= kLightChannel && ((colour >> 8) & 0xFF) >= kLightChannel &&
                     ((colour >> 16) & 0xFF) >= kLightChannel;
  return Sample(
      kLinePictureSize,
      [style, colour](Canvas& canvas) {
        TBlock block = BlockAt(btRectangle, 4, 2, kLinePictureSize.width() - 4, kLinePictureSize.height() - 2);
        block.FS = style;
        block.MC = colour;
        Draw(block, canvas);
      },
      light ? kEdge : clWhite);
}

QPixmap LineStylePicture(TPenStyle style) {
  return Sample(kLinePictureSize, [style](Canvas& canvas) {
    TBlock line = MiddleLine();
    line.BS = style;
    Draw(line, canvas);
  });
}

QPixmap LineWidthPicture(std::int64_t width) {
  return Sample(kLinePictureSize, [width](Canvas& canvas) {
    const auto label = UnicodeToCp1251(WidthText(width)).value_or(std::string());
    canvas.Font = TBlockFont{};
    const int labelLeft = kLinePictureSize.width() - 4 - canvas.TextWidth(label);
    TBlock line;
    line.BW = width;
    // The line's round ends stay clear of the edge and of the label.
    const int cap = std::min(BlockPenWidth(line, kScreen) / 2, (labelLeft - 12) / 2);
    line = MiddleLine(6 + cap, labelLeft - 4 - cap);
    line.BW = width;
    Draw(line, canvas);
    // The line may be wider than the picture: the edge and the label stay.
    canvas.Pen = TPen{kEdge};
    canvas.Brush = TBrush{clWhite, bsClear};
    canvas.Rectangle(0, 0, kLinePictureSize.width(), kLinePictureSize.height());
    canvas.Font = TBlockFont{};
    canvas.Font.Color = clBlack;
    canvas.TextOut(labelLeft, (kLinePictureSize.height() - canvas.TextHeight(label)) / 2, label);
  });
}

QPixmap LineEndsPicture(TBlocksLineArrows ends) {
  return Sample(kLinePictureSize, [ends](Canvas& canvas) {
    TBlock line = MiddleLine();
    line.LineArrows = ends;
    line.MC = clBlack;
    Draw(line, canvas);
  });
}

QPixmap TextAlignPicture(TAlignment alignment) {
  return Sample(kTextPictureSize, [alignment](Canvas& canvas) {
    TextBars(canvas, 4, kTextPictureSize.width() - 4, 4, {20, 12, 16, 8}, alignment);
  });
}

// A small symbol with its text inside, under it or right of it.
QPixmap TextPlacementPicture(TBlockTextPlacement placement) {
  return Sample(kTextPictureSize, [placement](Canvas& canvas) {
    const int right = placement == btpRightSide ? 14 : kTextPictureSize.width() - 4;
    const int bottom = placement == btpUnder ? 9 : kTextPictureSize.height() - 3;
    TBlock symbol = BlockAt(btRectangle, 3, 3, right, bottom);
    symbol.MC = clWhite;
    Draw(symbol, canvas);
    switch (placement) {
      case btpInside:
        TextBars(canvas, 6, right - 3, 7, {10, 6}, taCenter);
        break;
      case btpUnder:
        TextBars(canvas, 3, right, 11, {14, 8});
        break;
      case btpRightSide:
        TextBars(canvas, right + 2, kTextPictureSize.width() - 2, 5, {10, 6, 8});
        break;
    }
  });
}

std::optional<QPixmap> CommandPicture(CommandKey key) {
  using enum CommandId;
  switch (key.id) {
    case FillStyle:
    case DefaultFillStyle:
      return FillStylePicture(static_cast<TBrushStyle>(key.tag));
    case LineStyle:
    case DefaultLineStyle:
      return LineStylePicture(static_cast<TPenStyle>(key.tag));
    case LineWidth:
    case DefaultLineWidth:
      return LineWidthPicture(key.tag);
    case LineEnds:
    case DefaultLineEnds:
      return LineEndsPicture(static_cast<TBlocksLineArrows>(key.tag));
    case TextAlign:
    case DefaultTextAlign:
      return TextAlignPicture(static_cast<TAlignment>(key.tag));
    case TextPlacement:
    case DefaultTextPlacement:
      return TextPlacementPicture(static_cast<TBlockTextPlacement>(key.tag));
    default:
      return std::nullopt;
  }
}

}  // namespace quobrix
