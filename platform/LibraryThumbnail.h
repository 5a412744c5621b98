// The pictures of the user library: a thumbnail of fixed size per kept
// fragment, with the copied picture fitted into it without distortion, and
// the framed icon of any square size the list shows it at.
#pragma once

#include <QImage>
#include <QRect>

namespace quobrix {

struct ClipboardPicture;

// Where a picture of w x h pixels goes in a thumbnail of `thumbnail`
// pixels: the longer side fills it, the shorter is scaled alike (rounded,
// halves to even) and centred.
QRect FittedRect(int w, int h, QSize thumbnail);

// The picture stretched into its fitted rectangle of a white thumbnail of
// kThumbnailSize pixels square.
QImage ThumbnailOf(const QImage& picture);

// The block's picture as ThumbnailOf wants it. A picture too large for
// memory is drawn proportionally smaller, which the thumbnail cannot tell.
QImage LibraryPictureOf(const ClipboardPicture& picture);

// The thumbnail stretched into the icon's square less one pixel on each
// side, moved one pixel right and down, within a one-pixel frame in the
// button-shadow colour.
QImage IconOf(const QImage& thumbnail, int size);

}  // namespace quobrix
