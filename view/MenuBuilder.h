// Menus built from tables: every item with its component name (its
// objectName, the key of the language file), caption, shortcut, tag, hidden
// and check state, sub-menus and separators.
#pragma once

#include <QKeySequence>
#include <QString>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace quobrix {

struct MenuSpec {
  const char* name = nullptr;     // null with a null caption: a separator
  const char* caption = nullptr;  // UTF-8
  QKeySequence shortcut = {};
  int tag = 0;
  bool hidden = false;
  bool checkable = false;
  std::vector<MenuSpec> items = {};  // not empty: a sub-menu
};

inline MenuSpec Separator() { return {}; }

// Adds the item (an action, or a sub-menu with its items) to `menu`, which
// may be a QMenu or a QMenuBar. The tag goes into the action's data.
QAction* AddMenuItem(QWidget& menu, const MenuSpec& entry);

// The tag an item was built with.
int MenuTag(const QAction& action);

// A command both kinds of menu bar carry, by its component name.
MenuSpec Item(const char* name, bool checkable = false);
// A menu of a menu bar holding `items`.
MenuSpec Menu(const char* name, const char* caption, std::vector<MenuSpec> items, bool hidden = false);

// Shared tables: the symbol types that can be inserted by hand, the zoom
// steps and the format menu, with or without the sub-menu of the properties
// new blocks receive.
std::vector<MenuSpec> NewSymbolItems(bool named);
MenuSpec ZoomMenu();
MenuSpec FormatMenu(bool withDefaults);

}  // namespace quobrix
