// The symbols a chart offers to draw: every block type code with its own
// name and the texts of the places that offer it (the "Новый символ" menus,
// the symbol palette, the gallery of every type), kept in one table so they
// never disagree. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "chart/BlockType.h"

namespace quobrix {

struct SymbolInfo {
  std::uint8_t type = 0;
  const char* name = "";           // the code's own name: "LRectangle", "hAND"
  const char* caption = "";        // caption of its palette button; "" when it has none
  const char* hint = "";           // hint of its palette button; "" for none
  const char* paletteButton = "";  // component name of its palette button; "" when it has none
  const char* menuItem = "";       // component name in the "Новый символ" menus; "" when not offered there
  const char* menuCaption = "";
};

// Every block type code 0..vXNOR, in code order.
std::span<const SymbolInfo> SymbolTable();
// The row of `type`, or nothing beyond the known codes.
const SymbolInfo* FindSymbol(std::uint8_t type);

// The type codes of the "Новый символ" menus, in menu order: the plain
// shapes up to the octagon, then the flowchart symbols.
std::span<const std::uint8_t> NewSymbolMenuTypes();

// The symbol palette's buttons, in order. Besides the symbols (the line
// symbol draws lines) it has a check button that keeps the canvas armed
// after each block, one that disarms it and one that draws a chain of lines.
enum class PaletteAction : std::uint8_t { MultiInsert, CancelInsert, DrawSymbol, DrawMultiLine };

struct PaletteButton {
  PaletteAction action = PaletteAction::DrawSymbol;
  int tag = 0;  // the block type code of a symbol; the multi-insert button carries 38, unused
  const char* name = "";
  const char* caption = "";
  const char* hint = "";
};

std::vector<PaletteButton> PaletteButtons();

}  // namespace quobrix
