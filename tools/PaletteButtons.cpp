#include "tools/PaletteButtons.h"

#include "chart/BlockType.h"

namespace quobrix {

namespace {

using enum PaletteAction;

constexpr PaletteButton kButtons[] = {
    {"tbMultiInsert", MultiInsert, 38, "Enable multy insert", ""},
    {"tbCursorArrow", StopDrawing, 0, "Cancel block insert", ""},
    {"tbTextField", Symbol, btTextRegion, "Text field", ""},
    {"tbLine", Symbol, btLine, "Line", "Линия"},
    {"tbMLine", Polyline, 0, "Multyline", "Последовательность линий"},
    {"ToolButton2", Symbol, btRectangle, "Rectangle", "Прямоугольник"},
    {"ToolButton3", Symbol, btSquare, "Square", "Квадрат"},
    {"ToolButton4", Symbol, btRoundRectangle, "Rounded rectangle", "Скругленный прямоугольник"},
    {"ToolButton5", Symbol, btRoundSquare, "Rounded square", "Скругленный квадрат"},
    {"ToolButton6", Symbol, btEllipse, "Ellipse", "Эллипс"},
    {"ToolButton7", Symbol, btCircle, "Circle", "Окружность"},
    {"ToolButton8", Symbol, btTrapezoid, "Trapezoid", "Трапеция"},
    {"ToolButton9", Symbol, btHexagon, "Hexagon", "Цикл \"ДЛЯ\""},
    {"ToolButton10", Symbol, btOctagon, "Octagon", "Октагон"},
    {"ToolButton11", Symbol, btBeginEnd, "Begin/End", "Начало/Окончание"},
    {"ToolButton12", Symbol, btSRectangle, "Input/Output", "Ввод/Вывод"},
    {"ToolButton13", Symbol, btInputSymbol, "Input", "Ввод"},
    {"ToolButton14", Symbol, btLRectangle, "Subroutine", "Подпрограмма"},
    {"ToolButton15", Symbol, btLogicIf, "Logical condition", "Логическое условие"},
    {"ToolButton16", Symbol, btDocument, "Document", "Документ"},
    {"ToolButton17", Symbol, btDelay, "Delay", "Задержка"},
    {"ToolButton18", Symbol, btDisplay, "Display", "Дисплей"},
    {"ToolButton19", Symbol, btPaperTape, "Paper tape", "Бумажная лента"},
    {"ToolButton20", Symbol, btHorzArrow, "Arrow1", ""},
    {"ToolButton21", Symbol, btVertArrow, "Arrow2", ""},
    {"ToolButton22", Symbol, btHorzTriangle, "Triangle1", ""},
    {"ToolButton23", Symbol, btVertTriangle, "Triangle2", ""},
    {"ToolButton24", Symbol, btOnLineStorage, "On-line storage", "Он-лайн хранилище"},
    {"ToolButton25", Symbol, btOffPageConnector, "Off-page connector", ""},
    {"ToolButton26", Symbol, btSort, "Collate", ""},
    {"ToolButton27", Symbol, btCollate, "Sort", ""},
    {"ToolButton28", Symbol, btLogic1, "Logic1", ""},
    {"ToolButton29", Symbol, btLogic2, "Logic2", ""},
    {"ToolButton30", Symbol, btLogic3, "Logic3", ""},
    {"ToolButton31", Symbol, btLogic4, "Logic4", ""},
    {"ToolButton32", Symbol, btStar4, "Star1", ""},
    {"ToolButton33", Symbol, btStar4b, "Star2", ""},
    {"ToolButton34", Symbol, btStar5, "Star3", ""},
};

}  // namespace

std::span<const PaletteButton> PaletteButtons() { return kButtons; }

}  // namespace quobrix
