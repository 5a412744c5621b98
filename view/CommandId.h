// The identity of every command of the menus and tool bars. Commands that
// share one handler and tell their items apart by a tag (zoom steps, symbol
// types, styles, widths, alignment sides) are one identity with one item,
// and one action, per tag.
#pragma once

#include <compare>
#include <cstdint>

namespace quobrix {

enum class CommandId : std::uint8_t {
  // file
  New,
  NewFromTemplate,
  Open,
  Save,
  SaveAs,
  SaveAll,
  Close,
  CloseAll,
  Preview,
  PageSetup,
  SheetSize,
  Print,
  EditSettings,
  Exit,
  // edit
  Undo,
  Redo,
  Cut,
  Copy,
  Paste,
  Delete,
  Search,
  Replace,  // opens the search window with its replacing part
  // The drawing tools, one exclusive group: each arms the active canvas to
  // draw with the mouse, CancelInsert disarms it. Checked is the tool the
  // active canvas has armed.
  InsertSymbol,  // tag: block type code (the line and the text field included)
  InsertPolyline,
  CancelInsert,
  MultiInsert,  // keeps the canvas armed after each symbol drawn
  RepeatSymbol,  // arms drawing the symbol last chosen in the palette
  Group,
  Ungroup,
  Connect,  // the two symbols selected, by a routed line
  BringToFront,
  SendToBack,
  ChartInfo,
  // view
  Rulers,
  StatusLine,
  ColorStrip,
  Zoom,  // tag: percent
  ZoomOut,
  ZoomIn,
  Inspector,
  Library,
  UserLibrary,
  Palette,
  ChartProgram,
  UseGrid,
  ShowGrid,
  StayOnTop,
  // format of the chart and the active block
  SheetColor,
  PageCount,
  BlockColor,
  LineColor,
  FillStyle,  // tag: brush style
  LineStyle,  // tag: pen style
  LineWidth,  // tag: width
  LineEnds,   // tag: line-end code
  TextFont,
  TextPlacement,  // tag: placement
  TextAlign,      // tag: alignment
  // format of blocks added later
  DefaultFillColor,
  DefaultLineColor,
  DefaultFillStyle,
  DefaultLineStyle,
  DefaultLineWidth,
  DefaultTextFont,
  DefaultTextPlacement,
  DefaultTextAlign,
  DefaultLineEnds,  // tag: line-end code
  // alignment of the selected blocks
  Align,  // tag: 0 left, 1 right, 2 top, 3 bottom edge
  AlsoAlignLines,
  // wizards
  LinearWizard,
  ProcessWizard,
  BranchWizard,
  ForLoopWizard,
  CodeWizard,
  // help
  Help,
  Lesson,  // tag: lesson number
  VisitWeb,
  About,
};

// One command item: the identity and, for tagged commands, the tag.
struct CommandKey {
  CommandId id;
  int tag = 0;
  auto operator<=>(const CommandKey&) const = default;
};

// What a command needs before it can run; without it the command is disabled.
enum class Needs : std::uint8_t {
  Nothing,
  Chart,        // an active chart window
  ActiveBlock,  // an active chart window with an active block
  UndoHistory,  // an active chart window with something to undo
  RedoHistory,  // an active chart window with something to redo
  Fragment,     // an active chart window and a chart fragment on the clipboard
  // an active block that is
  MultiSelection,  // a multi-selection, to be grouped
  Group,           // a group, to be taken apart
  Container,       // a multi-selection or group, whose members are aligned
  BelowTop,        // not yet the last in the list
  AboveBottom,     // not yet the first in the list
  // an active chart whose zoom has room for a step
  ZoomOutRoom,
  ZoomInRoom,
};

}  // namespace quobrix
