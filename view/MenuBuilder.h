// Menus built from tables. An entry is a shared command item (its action
// comes from the command table), an item of the window's own, an action the
// window made beforehand, a sub-menu or a separator. Sub-menus and the window's own items carry their
// component name (objectName, the key of the language file) and caption.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "view/CommandId.h"

class QAction;
class QWidget;

namespace quobrix {

class CommandTable;

// How a sub-menu shows its items: as text, or as pictures (the actions'
// icons) with or without their captions.
enum class MenuLook : std::uint8_t { Text, Pictures, PicturesWithCaptions };

struct MenuSpec {
  const char* name = nullptr;     // null with a null caption and no command: a separator
  const char* caption = nullptr;  // UTF-8
  std::optional<CommandKey> command = {};
  bool hidden = false;
  std::vector<MenuSpec> items = {};  // not empty: a sub-menu
  MenuLook look = MenuLook::Text;
  QAction* action = nullptr;  // shown as it is
};

inline MenuSpec Separator() { return {}; }
// The shared item of a command.
inline MenuSpec Command(CommandId id, int tag = 0) { return {nullptr, nullptr, CommandKey{id, tag}}; }
// An item of the window's own, made for this menu.
inline MenuSpec OwnItem(const char* name, const char* caption) { return {name, caption}; }
// An action the window made itself, or a sub-menu another window shares.
inline MenuSpec Shown(QAction& action) { return {.action = &action}; }
MenuSpec Menu(const char* name, const char* caption, std::vector<MenuSpec> items, bool hidden = false);
// A sub-menu of every item of a tagged command, showing the items' pictures.
MenuSpec PictureMenu(const char* name, const char* caption, CommandId id, MenuLook look = MenuLook::Pictures);

// Adds the entry (an action, or a sub-menu with its items) to `menu`, which
// may be a QMenu or a QMenuBar, and returns its action.
QAction* AddMenuItem(QWidget& menu, const MenuSpec& entry, const CommandTable& commands);

// Shared tables: the symbol types that can be inserted by hand, the zoom
// steps and the format menu, with or without the sub-menu of the properties
// new blocks receive.
std::vector<MenuSpec> NewSymbolItems();
MenuSpec ZoomMenu();
MenuSpec FormatMenu(bool withDefaults);

}  // namespace quobrix
