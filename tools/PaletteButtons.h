// The buttons of the symbol palette in their order: component name (the
// objectName and language-file key), what the button does, its block type,
// its caption and its hint.
#pragma once

#include <span>

namespace quobrix {

enum class PaletteAction {
  Symbol,       // arms drawing the button's block type (the line type draws a line)
  Polyline,     // arms drawing a sequence of lines
  StopDrawing,  // disarms drawing
  MultiInsert,  // a switch: drawing stays armed after each symbol while it is down
};

struct PaletteButton {
  const char* name;
  PaletteAction action;
  int tag;              // the block type code; 38 for the multi-insert switch, which is never a type
  const char* caption;  // English name, UTF-8
  const char* hint;     // UTF-8; empty for none
};

std::span<const PaletteButton> PaletteButtons();

}  // namespace quobrix
