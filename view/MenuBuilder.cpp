#include "view/MenuBuilder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace quobrix {

namespace {

void AddToMenu(QWidget& menu, QAction* action) {
  if (auto* bar = qobject_cast<QMenuBar*>(&menu))
    bar->addAction(action);
  else
    menu.addAction(action);
}

}  // namespace

QAction* AddMenuItem(QWidget& menu, const MenuSpec& spec) {
  if (!spec.name && !spec.caption) {
    auto* separator = new QAction(&menu);
    separator->setSeparator(true);
    AddToMenu(menu, separator);
    return separator;
  }
  const QString caption = QString::fromUtf8(spec.caption);
  QAction* action = nullptr;
  if (!spec.items.empty()) {
    auto* sub = new QMenu(caption, &menu);
    sub->setObjectName(QString::fromLatin1(spec.name));
    for (const MenuSpec& item : spec.items) AddMenuItem(*sub, item);
    action = sub->menuAction();
  } else {
    action = new QAction(caption, &menu);
    action->setObjectName(QString::fromLatin1(spec.name));
    action->setShortcut(spec.shortcut);
    action->setCheckable(spec.checkable);
  }
  action->setData(spec.tag);
  action->setVisible(!spec.hidden);
  AddToMenu(menu, action);
  return action;
}

int MenuTag(const QAction& action) { return action.data().toInt(); }

std::vector<MenuSpec> NewSymbolItems(bool named) {
  auto item = [named](const char* name, const char* caption, int tag) {
    return MenuSpec{named ? name : "", caption, {}, tag};
  };
  return {item("N6", "Прямоугольник", 3),
          item("N9", "Квадрат", 4),
          item("N11", "Скругленный прямоугольник", 5),
          item("N13", "Скругленный квадрат", 6),
          item("N15", "Эллипс", 7),
          item("N16", "Окружность", 8),
          item("N17", "Трапеция", 23),
          item("N47", "Гексагон", 12),
          item("N18", "Октагон", 13),
          Separator(),
          item("N52", "Начало/Окончание", 9),
          item("N53", "Ввод/Вывод", 11),
          item("N63", "Ввод", 22),
          item("N61", "Подпрограмма", 10),
          item("N62", "Логическое условие", 14),
          item("N64", "Документ", 16),
          item("N65", "Задержка", 25),
          item("N66", "Дисплей", 26),
          item("N67", "Он-лайн хранилище", 27),
          item("N68", "Бумажная лента", 17)};
}

MenuSpec ZoomMenu() {
  MenuSpec zoom{"mZoom", "Масштаб"};
  static const char* const names[] = {"mZoom25",  "mZoom40",  "mZoom50",  "mZoom75", "mZoom90",
                                      "mZoom100", "mZoom125", "mZoom150", "mZoom200"};
  static const char* const captions[] = {"25 %", "40 %", "50 %", "75 %", "90 %", "100 %", "125 %", "150 %", "200 %"};
  static const int percents[] = {25, 40, 50, 75, 90, 100, 125, 150, 200};
  for (int i = 0; i < 9; ++i) zoom.items.push_back({names[i], captions[i], {}, percents[i]});
  return zoom;
}

namespace {

// A sub-menu of picture items: the first one's 14 blanks set the menu's width.
MenuSpec PictureMenu(const char* name, const char* caption, std::vector<std::pair<const char*, int>> items) {
  MenuSpec menu{name, caption};
  bool first = true;
  for (const auto& [itemName, tag] : items) {
    menu.items.push_back({itemName, first ? "              " : "", {}, tag});
    first = false;
  }
  return menu;
}

MenuSpec TextSideMenu(const char* name, const char* caption, std::vector<std::pair<const char*, int>> items,
                      const char* const captions[3]) {
  MenuSpec menu{name, caption};
  for (std::size_t i = 0; i < items.size(); ++i)
    menu.items.push_back({items[i].first, captions[i], {}, items[i].second});
  return menu;
}

}  // namespace

MenuSpec FormatMenu() {
  static const char* const placements[] = {"Внутри символа", "Справа от символа", "Под символом"};
  static const char* const alignments[] = {"По левому краю", "По центру", "По правому краю"};
  const std::vector<std::pair<const char*, int>> fill = {{"N50", 0}, {"N56", 1}, {"N58", 2}, {"N59", 3}, {"N60", 6}};
  return {
      "mFormat",
      "Формат",
      {},
      0,
      false,
      false,
      {{"mSheetColor", "Цвет фона схемы"},
       {"mShemePages", "Количество страниц в схеме"},
       Separator(),
       {"mBlockColor", "Цвет фона символа"},
       {"mLineColor", "Цвет линии символа"},
       PictureMenu("mFillStyle", "Стиль фона символа", fill),
       PictureMenu("mLineStyle", "Стиль линии символа", {{"N38", 0}, {"N69", 1}, {"N39", 2}, {"N41", 3}}),
       PictureMenu("mLineWidth", "Толщина линии символа",
                   {{"N37", 1},
                    {"N012", 10},
                    {"N022", 20},
                    {"N032", 30},
                    {"N052", 50},
                    {"N111", 100},
                    {"N210", 200},
                    {"N54", 500}}),
       PictureMenu("mLineArrows", "Окончания линии",
                   {{"N73", 0},
                    {"N74", 1},
                    {"s1", 2},
                    {"N75", 3},
                    {"o1", 4},
                    {"N80", 5},
                    {"oo1", 6},
                    {"N72", 7},
                    {"N81", 8},
                    {"nn1", 9},
                    {"N76", 10},
                    {"N82", 11},
                    {"N77", 12}}),
       {"mTextFont", "Шрифт текста символа"},
       TextSideMenu("mTextPlacement", "Размещение текста символа", {{"N34", 0}, {"N35", 2}, {"N36", 1}}, placements),
       TextSideMenu("mTextAlign", "Выравнивание текста символа", {{"N1", 0}, {"N32", 2}, {"N33", 1}}, alignments),
       Separator(),
       {"mAlign",
        "Выравнивание выдел. символов",
        {},
        0,
        false,
        false,
        {{"mAlignLeft", "по левому краю", {}, 0},
         {"mAlignRight", "по правому краю", {}, 1},
         {"mAlignTop", "по верхнему краю", {}, 2},
         {"mAlignBottom", "по нижнему краю", {}, 3},
         Separator(),
         {"mAlsoAlignLines", "Включая линии", {}, 0, false, true}}}}};
}

}  // namespace quobrix
