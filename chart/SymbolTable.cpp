#include "chart/SymbolTable.h"

#include <array>

namespace quobrix {

namespace {

// type, name, palette caption, palette hint, palette button, menu item, menu caption
constexpr std::array<SymbolInfo, vXNOR + 1> kSymbols = {{
    {btSelection, "Selection"},
    {btPoint, "Point"},
    {btLine, "Line", "Line", "Линия", "tbLine"},
    {btRectangle, "Rectangle", "Rectangle", "Прямоугольник", "ToolButton2", "N6", "Прямоугольник"},
    {btSquare, "Square", "Square", "Квадрат", "ToolButton3", "N9", "Квадрат"},
    {btRoundRectangle, "RoundRectangle", "Rounded rectangle", "Скругленный прямоугольник", "ToolButton4", "N11",
     "Скругленный прямоугольник"},
    {btRoundSquare, "RoundSquare", "Rounded square", "Скругленный квадрат", "ToolButton5", "N13",
     "Скругленный квадрат"},
    {btEllipse, "Ellipse", "Ellipse", "Эллипс", "ToolButton6", "N15", "Эллипс"},
    {btCircle, "Circle", "Circle", "Окружность", "ToolButton7", "N16", "Окружность"},
    {btBeginEnd, "BeginEnd", "Begin/End", "Начало/Окончание", "ToolButton11", "N52", "Начало/Окончание"},
    {btLRectangle, "LRectangle", "Subroutine", "Подпрограмма", "ToolButton14", "N61", "Подпрограмма"},
    {btSRectangle, "SRectangle", "Input/Output", "Ввод/Вывод", "ToolButton12", "N53", "Ввод/Вывод"},
    {btHexagon, "Hexagon", "Hexagon", "Цикл \"ДЛЯ\"", "ToolButton9", "N47", "Гексагон"},
    {btOctagon, "Octagon", "Octagon", "Октагон", "ToolButton10", "N18", "Октагон"},
    {btLogicIf, "LogicIf", "Logical condition", "Логическое условие", "ToolButton15", "N62", "Логическое условие"},
    {btOr, "Or"},
    {btDocument, "Document", "Document", "Документ", "ToolButton16", "N64", "Документ"},
    {btPaperTape, "PaperTape", "Paper tape", "Бумажная лента", "ToolButton19", "N68", "Бумажная лента"},
    {btHorzArrow, "HorzArrow", "Arrow1", "", "ToolButton20"},
    {btVertArrow, "VertArrow", "Arrow2", "", "ToolButton21"},
    {btHorzTriangle, "HorzTriangle", "Triangle1", "", "ToolButton22"},
    {btVertTriangle, "VertTriangle", "Triangle2", "", "ToolButton23"},
    {btInputSymbol, "InputSymbol", "Input", "Ввод", "ToolButton13", "N63", "Ввод"},
    {btTrapezoid, "Trapezoid", "Trapezoid", "Трапеция", "ToolButton8", "N17", "Трапеция"},
    {btOffPageConnector, "OffPageConnector", "Off-page connector", "", "ToolButton25"},
    {btDelay, "Delay", "Delay", "Задержка", "ToolButton17", "N65", "Задержка"},
    {btDisplay, "Display", "Display", "Дисплей", "ToolButton18", "N66", "Дисплей"},
    {btOnLineStorage, "OnLineStorage", "On-line storage", "Он-лайн хранилище", "ToolButton24", "N67",
     "Он-лайн хранилище"},
    // Captions crossed over on purpose: language files translate them as they are.
    {btSort, "Sort", "Collate", "", "ToolButton26"},
    {btCollate, "Collate", "Sort", "", "ToolButton27"},
    {btTextRegion, "TextRegion", "Text field", "", "tbTextField"},
    {btLogic1, "Logic1", "Logic1", "", "ToolButton28"},
    {btLogic2, "Logic2", "Logic2", "", "ToolButton29"},
    {btLogic3, "Logic3", "Logic3", "", "ToolButton30"},
    {btLogic4, "Logic4", "Logic4", "", "ToolButton31"},
    {btStar4, "Star4", "Star1", "", "ToolButton32"},
    {btStar4b, "Star4b", "Star2", "", "ToolButton33"},
    {btStar5, "Star5", "Star3", "", "ToolButton34"},
    {btWorkStation, "WorkStation"},
    {btServer, "Server"},
    {btPrinter, "Printer"},
    {hAND, "hAND"},
    {hNAND, "hNAND"},
    {hOR, "hOR"},
    {hNOR, "hNOR"},
    {hXOR, "hXOR"},
    {hXNOR, "hXNOR"},
    {vAND, "vAND"},
    {vNAND, "vNAND"},
    {vOR, "vOR"},
    {vNOR, "vNOR"},
    {vXOR, "vXOR"},
    {vXNOR, "vXNOR"},
}};

constexpr std::uint8_t kMenuOrder[] = {btRectangle,  btSquare,      btRoundRectangle, btRoundSquare, btEllipse,
                                       btCircle,     btTrapezoid,   btHexagon,        btOctagon,     btBeginEnd,
                                       btSRectangle, btInputSymbol, btLRectangle,     btLogicIf,     btDocument,
                                       btDelay,      btDisplay,     btOnLineStorage,  btPaperTape};

// The palette's symbols in button order; a multi-line button follows the line.
constexpr std::uint8_t kPaletteOrder[] = {
    btTextRegion,       btLine,      btRectangle,    btSquare,       btRoundRectangle,
    btRoundSquare,      btEllipse,   btCircle,       btTrapezoid,    btHexagon,
    btOctagon,          btBeginEnd,  btSRectangle,   btInputSymbol,  btLRectangle,
    btLogicIf,          btDocument,  btDelay,        btDisplay,      btPaperTape,
    btHorzArrow,        btVertArrow, btHorzTriangle, btVertTriangle, btOnLineStorage,
    btOffPageConnector, btSort,      btCollate,      btLogic1,       btLogic2,
    btLogic3,           btLogic4,    btStar4,        btStar4b,       btStar5};

}  // namespace

std::span<const SymbolInfo> SymbolTable() { return kSymbols; }

const SymbolInfo* FindSymbol(std::uint8_t type) { return type < kSymbols.size() ? &kSymbols[type] : nullptr; }

std::span<const std::uint8_t> NewSymbolMenuTypes() { return kMenuOrder; }

std::vector<PaletteButton> PaletteButtons() {
  std::vector<PaletteButton> buttons = {
      {PaletteAction::MultiInsert, btWorkStation, "tbMultiInsert", "Enable multy insert", ""},
      {PaletteAction::CancelInsert, 0, "tbCursorArrow", "Cancel block insert", ""}};
  for (const std::uint8_t type : kPaletteOrder) {
    const SymbolInfo& s = kSymbols[type];
    buttons.push_back({PaletteAction::DrawSymbol, type, s.paletteButton, s.caption, s.hint});
    if (type == btLine)
      buttons.push_back({PaletteAction::DrawMultiLine, 0, "tbMLine", "Multyline", "Последовательность линий"});
  }
  return buttons;
}

}  // namespace quobrix
