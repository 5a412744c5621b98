// The pictures of the user library: a thumbnail of fixed size per kept
// fragment, with the copied picture fitted into it without distortion, and
// the framed icon of any square size the list shows it at.
#pragma once

#include <QImage>
#include <QRect>

namespace quobrix {

class BlocksHolderModel;
struct ClipboardPicture;
struct TBlock;

// Where a picture of w x h pixels goes in a thumbnail of `thumbnail`
// pixels: the longer side fills it, the shorter is scaled alike (rounded,
// halves to even) and centred.
QRect FittedRect(int w, int h, QSize thumbnail);

// The picture stretched into its fitted rectangle of a white thumbnail of
// kThumbnailSize pixels square. It is drawn at that size rather than drawn
// large and shrunk, so its one-pixel lines stay visible. A null image when
// the picture cannot be drawn.
QImage ThumbnailOf(const ClipboardPicture& picture);

// The thumbnail of a block of `chart`: the picture a copy makes, drawn at
// the resolution that makes it just fit the thumbnail (at most the copy's
// own), so no line is thinned away by shrinking.
QImage ThumbnailOfBlock(const BlocksHolderModel& chart, const TBlock& block);

// The thumbnail stretched into the icon's square less one pixel on each
// side, moved one pixel right and down, within a one-pixel frame in the
// button-shadow colour.
QImage IconOf(const QImage& thumbnail, int size);

}  // namespace quobrix
