#include "platform/SystemColors.h"

#include <array>

namespace quobrix {

namespace {

// Indexed by the low byte of a system colour; written as 0xRRGGBB.
constexpr std::array<std::uint32_t, 21> kSchemeRgb = {
    0xC8C8C8,  // scroll bar
    0x000000,  // desktop background
    0x99B4D1,  // active caption
    0xBFCDDB,  // inactive caption
    0xF0F0F0,  // menu
    0xFFFFFF,  // window
    0x646464,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0x000000,  // caption text
    0xB4B4B4,  // active border
    0xF4F7FC,  // inactive border
    0xABABAB,  // application workspace
    0x3399FF,  // highlight
    0xFFFFFF,  // highlight text
    0xF0F0F0,  // button face
    0xA0A0A0,  // button shadow
    0x6D6D6D,  // grey text
    0x000000,  // button text
    0x000000,  // inactive caption text
    0xFFFFFF,  // button highlight
};

constexpr std::uint32_t SwapRedBlue(std::uint32_t rgb) {
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

}  // namespace

std::uint32_t ColorToRgb(TColor color) {
  const auto value = static_cast<std::uint32_t>(color);
  if (!IsSystemColor(color)) return value & 0xFFFFFF;
  const std::uint32_t index = value & 0xFF;
  return index < kSchemeRgb.size() ? SwapRedBlue(kSchemeRgb[index]) : 0;
}

}  // namespace quobrix
