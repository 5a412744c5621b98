// Colours as the drawing backends need them: a system colour (top byte 0xFF)
// becomes the fixed RGB value of the classic desktop scheme, so pictures and
// printouts look the same on every machine.
#pragma once

#include <cstdint>

#include "chart/BlockType.h"

namespace quobrix {

// 0x00BBGGRR, the byte order TColor keeps RGB values in.
std::uint32_t ColorToRgb(TColor color);

}  // namespace quobrix
