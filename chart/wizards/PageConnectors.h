// No line of a chart drawn from a program crosses a page break: the flow
// runs into an off-page connector before the break and comes out of one
// with the same label after it, so every page prints whole.
#pragma once

#include <vector>

#include "chart/wizards/FlowLayout.h"
#include "chart/wizards/SheetBands.h"

namespace quobrix {

// Cuts each upright line of `blocks` (on the sheet, laid out with
// WithOffPageRoom) that reaches over a page break into the piece on the page
// it starts on and the piece on the page it ends on, joined by a pair of
// off-page connectors labelled A, B, ..., Z, AA, AB, ... in turn.
void ConnectAcrossPages(std::vector<PlannedBlock>& blocks, const SheetArea& sheet);

}  // namespace quobrix
