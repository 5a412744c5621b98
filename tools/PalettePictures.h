// The three pictures of the colour palette; a colour is whatever pixel lies
// under the mouse.
#pragma once

#include <QImage>

namespace quobrix {

// 200 x 120: 48 standard colours in 8 columns and 6 rows of 25 x 20 cells.
QImage StandardColoursPicture();
// 200 x 120: every hue from left to right, from white at the top through
// the full colour at mid-height to black at the bottom.
QImage HueLightnessPicture();
// 156 x 120: 24 greys from white to black in 6 columns and 4 rows of
// swatches, with transparent gaps between them that pick no colour.
QImage GreysPicture();

}  // namespace quobrix
