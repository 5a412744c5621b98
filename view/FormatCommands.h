// The format commands on the active chart window: the sheet colour, the
// look of the active block (colours, styles, width, line ends, text font,
// placement and alignment) and the look blocks added later receive.
#pragma once

#include <QString>

namespace quobrix {

class BlocksHolderModel;
class CommandTable;

// Gives the table its handlers for the format commands that need no
// language text; the page count is bound by the main window.
void BindFormatCommands(CommandTable& commands);

// Takes the page count the user typed: a whole number becomes the chart's
// page count, with an undo point when that changes it; other text changes
// nothing.
void SetPageCountFromText(BlocksHolderModel& chart, const QString& answer);

}  // namespace quobrix
