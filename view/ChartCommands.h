// The commands that act on the active chart window's canvas, one
// implementation each, whichever menu, tool bar or key runs them.
#pragma once

namespace quobrix {

class BlocksHolderModel;
class CommandTable;
class THolderForm;

// Gives the table its handlers for the canvas commands: undo, clipboard,
// delete, grouping and order, inserting by hand, alignment, zoom, grid and
// the format commands.
void BindChartCommands(CommandTable& commands);

// Deletes the active block together with its members. The undo point is
// recorded only when there is a block to delete, so an empty deletion
// leaves nothing to undo.
void DeleteWithUndo(BlocksHolderModel& chart);

// One zoom step of the window's canvas within the stepping range, shown on
// the rulers and in the zoom box.
void StepZoom(THolderForm& window, int step);

}  // namespace quobrix
