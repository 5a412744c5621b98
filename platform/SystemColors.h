// Colours as the desktop shows them: plain 0x00BBGGRR values and system
// colours (top byte 0xFF) taken from the desktop palette.
#pragma once

#include <QColor>

#include "chart/BlockType.h"

namespace quobrix {

// System colours come from the application's palette, or from fixed
// desktop-like values when no application object exists.
QColor ResolveColor(TColor color);

}  // namespace quobrix
