// Pictures painted for the interface (tool bar and list pictures, swatches)
// carry as many device pixels as the sharpest screen shows, so they stay sharp
// on a display scaled to 2. They are painted in logical pixels all the same.
#pragma once

#include <QImage>
#include <QPixmap>

namespace quobrix {

// A transparent pixmap of `size` logical pixels.
QPixmap InterfacePixmap(QSize size);
// A transparent image of `size` logical pixels.
QImage InterfaceImage(QSize size);

}  // namespace quobrix
