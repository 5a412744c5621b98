// The program's own pictures: a small flowchart drawn by the same symbol
// drawing as every chart, in the navy of the tool-bar pictures.
#pragma once

#include <QImage>

namespace quobrix {

// The about window's picture, 404 x 252: the flowchart on a sheet and the
// program's name.
QImage AboutPicture();

// The flowchart alone, small enough for a dialog heading.
QImage FlowchartPictogram(int size);

}  // namespace quobrix
