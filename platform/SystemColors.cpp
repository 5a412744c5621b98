#include "platform/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace quobrix {

namespace {

struct SystemColorSource {
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
  QRgb fallback;
};

// By system colour index (clScrollBar .. clBtnHighlight).
constexpr std::array<SystemColorSource, 21> kSystemColors = {{
    {QPalette::Active, QPalette::Button, 0xC8C8C8},           // scroll bar
    {QPalette::Active, QPalette::Shadow, 0x000000},           // desktop background
    {QPalette::Active, QPalette::Highlight, 0x0078D7},        // active caption
    {QPalette::Active, QPalette::Mid, 0xBFCDDB},              // inactive caption
    {QPalette::Active, QPalette::Window, 0xF0F0F0},           // menu
    {QPalette::Active, QPalette::Base, 0xFFFFFF},             // window
    {QPalette::Active, QPalette::Shadow, 0x646464},           // window frame
    {QPalette::Active, QPalette::WindowText, 0x000000},       // menu text
    {QPalette::Active, QPalette::WindowText, 0x000000},       // window text
    {QPalette::Active, QPalette::HighlightedText, 0xFFFFFF},  // caption text
    {QPalette::Active, QPalette::Button, 0xB4B4B4},           // active border
    {QPalette::Active, QPalette::Button, 0xF4F7FC},           // inactive border
    {QPalette::Active, QPalette::Dark, 0xABABAB},             // application work space
    {QPalette::Active, QPalette::Highlight, 0x0078D7},        // highlight
    {QPalette::Active, QPalette::HighlightedText, 0xFFFFFF},  // highlight text
    {QPalette::Active, QPalette::Button, 0xF0F0F0},           // button face
    {QPalette::Active, QPalette::Dark, 0xA0A0A0},             // button shadow
    {QPalette::Disabled, QPalette::Text, 0x6D6D6D},           // grey text
    {QPalette::Active, QPalette::ButtonText, 0x000000},       // button text
    {QPalette::Inactive, QPalette::WindowText, 0x000000},     // inactive caption text
    {QPalette::Active, QPalette::Light, 0xFFFFFF},            // button highlight
}};

}  // namespace

QColor ResolveColor(TColor color) {
  const auto value = static_cast<std::uint32_t>(color);
  if (!IsSystemColor(color)) return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
  const std::uint32_t index = value & 0xFFFFFF;
  if (index >= kSystemColors.size()) return QColor(Qt::black);
  const SystemColorSource& source = kSystemColors[index];
  if (qGuiApp == nullptr) return QColor::fromRgb(source.fallback);
  return QGuiApplication::palette().color(source.group, source.role);
}

}  // namespace quobrix
