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

QAction* AddMenuItem(QWidget& menu, const MenuSpec& entry) {
  if (!entry.name && !entry.caption) {
    auto* separator = new QAction(&menu);
    separator->setSeparator(true);
    AddToMenu(menu, separator);
    return separator;
  }
  const QString caption = QString::fromUtf8(entry.caption);
  QAction* action = nullptr;
  if (!entry.items.empty()) {
    auto* sub = new QMenu(caption, &menu);
    sub->setObjectName(QString::fromLatin1(entry.name));
    for (const MenuSpec& item : entry.items) AddMenuItem(*sub, item);
    action = sub->menuAction();
  } else {
    action = new QAction(caption, &menu);
    action->setObjectName(QString::fromLatin1(entry.name));
    action->setShortcut(entry.shortcut);
    action->setCheckable(entry.checkable);
  }
  action->setData(entry.tag);
  action->setVisible(!entry.hidden);
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

// The three text placements and alignments, in the order of their tags 0, 2, 1.
const char* const kPlacements[] = {"Внутри символа", "Справа от символа", "Под символом"};
const char* const kAlignments[] = {"По левому краю", "По центру", "По правому краю"};

using TaggedItems = std::vector<std::pair<const char*, int>>;

TaggedItems Widths(const char* const names[8]) {
  static const int widths[] = {1, 10, 20, 30, 50, 100, 200, 500};
  TaggedItems items;
  for (int i = 0; i < 8; ++i) items.push_back({names[i], widths[i]});
  return items;
}

// The properties that blocks added later receive.
MenuSpec DefaultsMenu() {
  static const char* const widths[] = {"N25", "N011", "N021", "N031", "N051", "N110", "N26", "N51"};
  return {"mDefs",
          "Свойства символа по-умолчанию",
          {},
          0,
          false,
          false,
          {{"mDefs1", "Цвет фона"},
           {"mDefs2", "Цвет линий"},
           PictureMenu("mDefs3", "Стиль фона", {{"N27", 0}, {"N42", 1}, {"N43", 2}, {"N44", 3}, {"N45", 6}}),
           PictureMenu("mDefs4", "Стиль линии", {{"N28", 0}, {"N70", 1}, {"N29", 2}, {"N30", 3}}),
           PictureMenu("mDefs5", "Толщина линии", Widths(widths)),
           {"mDefs6", "Шрифт текста"},
           TextSideMenu("mDefs7", "Размещение текста", {{"N22", 0}, {"N23", 2}, {"N24", 1}}, kPlacements),
           TextSideMenu("mDefs8", "Выравнивание текста", {{"N19", 0}, {"N20", 2}, {"N21", 1}}, kAlignments)}};
}

}  // namespace

MenuSpec FormatMenu(bool withDefaults) {
  static const char* const widths[] = {"N37", "N012", "N022", "N032", "N052", "N111", "N210", "N54"};
  MenuSpec format{
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
       PictureMenu("mFillStyle", "Стиль фона символа", {{"N50", 0}, {"N56", 1}, {"N58", 2}, {"N59", 3}, {"N60", 6}}),
       PictureMenu("mLineStyle", "Стиль линии символа", {{"N38", 0}, {"N69", 1}, {"N39", 2}, {"N41", 3}}),
       PictureMenu("mLineWidth", "Толщина линии символа", Widths(widths)),
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
       TextSideMenu("mTextPlacement", "Размещение текста символа", {{"N34", 0}, {"N35", 2}, {"N36", 1}}, kPlacements),
       TextSideMenu("mTextAlign", "Выравнивание текста символа", {{"N1", 0}, {"N32", 2}, {"N33", 1}}, kAlignments),
       Separator()}};
  if (withDefaults) {
    format.items.push_back(DefaultsMenu());
    format.items.push_back(Separator());
  }
  format.items.push_back({"mAlign",
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
                           {"mAlsoAlignLines", "Включая линии", {}, 0, false, true}}});
  return format;
}

}  // namespace quobrix
