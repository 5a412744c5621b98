#include "view/MenuBuilder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "chart/BlockType.h"
#include "chart/SymbolTable.h"
#include "view/CommandTable.h"
#include "view/PictureMenuStyle.h"

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
  for (const CommandSpec& row : CommandCatalogue())
    if (row.key.id == id) items.push_back(Command(id, row.key.tag));
  return items;
}

QAction* ActionOf(QWidget& menu, const MenuSpec& entry, const CommandTable& commands) {
  if (entry.action) return entry.action;
  if (entry.command) return &commands.Action(entry.command->id, entry.command->tag);
  if (entry.items.empty()) return SeparatorOrOwnItem(menu, entry);
  auto* sub = new QMenu(QString::fromUtf8(entry.caption), &menu);
  sub->setObjectName(QString::fromLatin1(entry.name));
  if (entry.look != MenuLook::Text)
    PictureMenuStyle::Apply(*sub, entry.look == MenuLook::Pictures ? PictureMenuStyle::Captions::Hidden
                                                                   : PictureMenuStyle::Captions::Shown);
  for (const MenuSpec& item : entry.items) AddMenuItem(*sub, item, commands);
  sub->menuAction()->setVisible(!entry.hidden);
  return sub->menuAction();
}

}  // namespace

MenuSpec Menu(const char* name, const char* caption, std::vector<MenuSpec> items, bool hidden) {
  return {name, caption, std::nullopt, hidden, std::move(items)};
}

QAction* AddMenuItem(QWidget& menu, const MenuSpec& entry, const CommandTable& commands) {
  QAction* action = ActionOf(menu, entry, commands);
  AddToMenu(menu, action);
  return action;
}

std::vector<MenuSpec> NewSymbolItems() {
  std::vector<MenuSpec> items;
  for (const std::uint8_t type : NewSymbolMenuTypes()) {
    items.push_back(Command(CommandId::InsertSymbol, type));
    // The plain shapes come first, then the flowchart symbols.
    if (type == btOctagon) items.push_back(Separator());
  }
  return items;
}

MenuSpec PictureMenu(const char* name, const char* caption, CommandId id, MenuLook look) {
  MenuSpec menu = Menu(name, caption, CommandItems(id));
  menu.look = look;
  return menu;
}

MenuSpec ZoomMenu() { return Menu("mZoom", "Масштаб", CommandItems(CommandId::Zoom)); }

namespace {

// The properties that blocks added later receive.
MenuSpec DefaultsMenu() {
  using enum CommandId;
  constexpr MenuLook captioned = MenuLook::PicturesWithCaptions;
  return Menu("mDefs", "Свойства символа по-умолчанию",
              {Command(DefaultFillColor), Command(DefaultLineColor), PictureMenu("mDefs3", "Стиль фона", DefaultFillStyle),
               PictureMenu("mDefs4", "Стиль линии", DefaultLineStyle),
               PictureMenu("mDefs5", "Толщина линии", DefaultLineWidth), Command(DefaultTextFont),
               PictureMenu("mDefs7", "Размещение текста", DefaultTextPlacement, captioned),
               PictureMenu("mDefs8", "Выравнивание текста", DefaultTextAlign, captioned),
               PictureMenu("mDefs9", "Окончания линий", DefaultLineEnds)});
}

}  // namespace

MenuSpec FormatMenu(bool withDefaults) {
  using enum CommandId;
  constexpr MenuLook captioned = MenuLook::PicturesWithCaptions;
  MenuSpec format = Menu("mFormat", "Формат",
                         {Command(SheetColor), Command(PageCount), Separator(), Command(BlockColor),
                          Command(LineColor), PictureMenu("mFillStyle", "Стиль фона символа", FillStyle),
                          PictureMenu("mLineStyle", "Стиль линии символа", LineStyle),
                          PictureMenu("mLineWidth", "Толщина линии символа", LineWidth),
                          PictureMenu("mLineArrows", "Окончания линии", LineEnds), Command(TextFont),
                          PictureMenu("mTextPlacement", "Размещение текста символа", TextPlacement, captioned),
                          PictureMenu("mTextAlign", "Выравнивание текста символа", TextAlign, captioned),
                          Separator()});
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
