// Pictures of the values a block property can take, drawn by the chart's
// own drawing code on a pixmap, so that each shows what choosing it draws.
// The format menus and the property inspector's picture lists show the same
// pictures. Each is a white sample with a grey edge, which reads the same on
// a highlighted and on a plain menu item.
#pragma once

#include <QPixmap>
#include <QSize>
#include <cstdint>
#include <optional>

#include "chart/BlockType.h"
#include "view/CommandId.h"

namespace quobrix {

// Fill styles, line styles, widths and line ends.
constexpr QSize kLinePictureSize(72, 18);
// Text alignments and placements.
constexpr QSize kTextPictureSize(28, 18);

// A fill style in a block's fill colour; by default a dark blue that shows
// hatching and filling alike. A light colour lies on a grey ground, where it
// shows.
QPixmap FillStylePicture(TBrushStyle style, std::optional<TColor> fill = std::nullopt);
QPixmap LineStylePicture(TPenStyle style);
// A line of `width` hundredths of a millimetre as the chart shows it at
// 100 %, with the width written beside it.
QPixmap LineWidthPicture(std::int64_t width);
QPixmap LineEndsPicture(TBlocksLineArrows ends);
QPixmap TextAlignPicture(TAlignment alignment);
QPixmap TextPlacementPicture(TBlockTextPlacement placement);

// The picture of a command item that sets one of those values; nothing for
// the other commands.
std::optional<QPixmap> CommandPicture(CommandKey key);

}  // namespace quobrix
