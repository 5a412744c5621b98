#include "view/MenuBuilder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "chart/BlockType.h"
#include "view/CommandTable.h"

namespace quobrix {

namespace {

void AddToMenu(QWidget& menu, QAction* action) {
  if (auto* bar = qobject_cast<QMenuBar*>(&menu))
    bar->addAction(action);
  else
    menu.addAction(action);
}

QAction* SeparatorOrOwnItem(QWidget& menu, const MenuSpec& entry) {
  auto* action = new QAction(QString::fromUtf8(entry.caption), &menu);
  if (!entry.name && !entry.caption)
    action->setSeparator(true);
  else
    action->setObjectName(QString::fromLatin1(entry.name));
  return action;
}

// The items of a tagged command, in catalogue order.
std::vector<MenuSpec> CommandItems(CommandId id) {
  std::vector<MenuSpec> items;
  for (const CommandSpec& spec : CommandCatalogue())
    if (spec.key.id == id) items.push_back(Command(id, spec.key.tag));
  return items;
}

}  // namespace

MenuSpec Menu(const char* name, const char* caption, std::vector<MenuSpec> items, bool hidden) {
  return {name, caption, std::nullopt, hidden, std::move(items)};
}

QAction* AddMenuItem(QWidget& menu, const MenuSpec& entry, const CommandTable& commands) {
  QAction* action = nullptr;
  if (entry.command) {
    action = &commands.Action(entry.command->id, entry.command->tag);
  } else if (!entry.items.empty()) {
    auto* sub = new QMenu(QString::fromUtf8(entry.caption), &menu);
    sub->setObjectName(QString::fromLatin1(entry.name));
    for (const MenuSpec& item : entry.items) AddMenuItem(*sub, item, commands);
    action = sub->menuAction();
    action->setVisible(!entry.hidden);
  } else {
    action = SeparatorOrOwnItem(menu, entry);
  }
  AddToMenu(menu, action);
  return action;
}

std::vector<MenuSpec> NewSymbolItems() {
  std::vector<MenuSpec> items;
  for (const CommandSpec& spec : CommandCatalogue()) {
    if (spec.key.id != CommandId::InsertSymbol || spec.hidden) continue;
    items.push_back(Command(CommandId::InsertSymbol, spec.key.tag));
    // The plain shapes come first, then the flowchart symbols.
    if (spec.key.tag == btOctagon) items.push_back(Separator());
  }
  return items;
}

MenuSpec ZoomMenu() { return Menu("mZoom", "Масштаб", CommandItems(CommandId::Zoom)); }

namespace {

// The properties that blocks added later receive.
MenuSpec DefaultsMenu() {
  using enum CommandId;
  return Menu("mDefs", "Свойства символа по-умолчанию",
              {Command(DefaultFillColor), Command(DefaultLineColor),
               Menu("mDefs3", "Стиль фона", CommandItems(DefaultFillStyle)),
               Menu("mDefs4", "Стиль линии", CommandItems(DefaultLineStyle)),
               Menu("mDefs5", "Толщина линии", CommandItems(DefaultLineWidth)), Command(DefaultTextFont),
               Menu("mDefs7", "Размещение текста", CommandItems(DefaultTextPlacement)),
               Menu("mDefs8", "Выравнивание текста", CommandItems(DefaultTextAlign))});
}

}  // namespace

MenuSpec FormatMenu(bool withDefaults) {
  using enum CommandId;
  MenuSpec format = Menu("mFormat", "Формат",
                         {Command(SheetColor), Command(PageCount), Separator(), Command(BlockColor),
                          Command(LineColor), Menu("mFillStyle", "Стиль фона символа", CommandItems(FillStyle)),
                          Menu("mLineStyle", "Стиль линии символа", CommandItems(LineStyle)),
                          Menu("mLineWidth", "Толщина линии символа", CommandItems(LineWidth)),
                          Menu("mLineArrows", "Окончания линии", CommandItems(LineEnds)), Command(TextFont),
                          Menu("mTextPlacement", "Размещение текста символа", CommandItems(TextPlacement)),
                          Menu("mTextAlign", "Выравнивание текста символа", CommandItems(TextAlign)), Separator()});
  if (withDefaults) {
    format.items.push_back(DefaultsMenu());
    format.items.push_back(Separator());
  }
  std::vector<MenuSpec> align = CommandItems(Align);
  align.push_back(Separator());
  align.push_back(Command(AlsoAlignLines));
  format.items.push_back(Menu("mAlign", "Выравнивание выдел. символов", std::move(align)));
  return format;
}

}  // namespace quobrix
