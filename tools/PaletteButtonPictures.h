// The pictures of the symbol palette's buttons. A symbol button shows its
// symbol as the chart draws it; the line buttons show lines with an arrow,
// the stop button an arrow cursor and the multi-insert switch a stack of
// symbols.
#pragma once

#include <QIcon>

namespace quobrix {

struct PaletteButton;

inline constexpr int kPaletteIconSize = 24;

QIcon PaletteButtonPicture(const PaletteButton& button);

}  // namespace quobrix
