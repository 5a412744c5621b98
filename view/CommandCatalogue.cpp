// Every command item with its component name, caption, shortcuts and what it
// needs, written once for all the menus and tool bars that show it.
#include <QKeySequence>

#include "chart/BlockType.h"
#include "chart/SymbolTable.h"
#include "view/CommandTable.h"
#include "view/PropertyNames.h"

namespace quobrix {

namespace {

QList<QKeySequence> Keys(QKeyCombination key) { return {QKeySequence(key)}; }

using Tagged = std::vector<std::pair<const char*, int>>;

// The line widths of the format menus, hundredths of a millimetre.
constexpr int kMenuWidths[] = {1, 10, 20, 30, 50, 100, 200, 500};

Tagged Widths(const char* const names[8]) {
  Tagged items;
  for (int i = 0; i < 8; ++i) items.push_back({names[i], kMenuWidths[i]});
  return items;
}

const char* WidthCaption(int width) {
  static const char* const captions[] = {"0,01 мм", "0,1 мм", "0,2 мм", "0,3 мм", "0,5 мм", "1 мм", "2 мм", "5 мм"};
  for (std::size_t i = 0; i < std::size(kMenuWidths); ++i)
    if (kMenuWidths[i] == width) return captions[i];
  return "";
}

// The caption of the picture item that sets `tag`.
const char* CaptionOf(CommandId id, int tag) {
  using enum CommandId;
  switch (id) {
    case FillStyle:
    case DefaultFillStyle:
      return FillStyleName(static_cast<TBrushStyle>(tag));
    case LineStyle:
    case DefaultLineStyle:
      return LineStyleName(static_cast<TPenStyle>(tag));
    case LineWidth:
    case DefaultLineWidth:
      return WidthCaption(tag);
    case LineEnds:
    case DefaultLineEnds:
      return LineEndsName(static_cast<TBlocksLineArrows>(tag));
    case TextPlacement:
    case DefaultTextPlacement:
      return TextPlacementName(static_cast<TBlockTextPlacement>(tag));
    case TextAlign:
    case DefaultTextAlign:
      return TextAlignName(static_cast<TAlignment>(tag));
    default:
      return "";
  }
}

class Catalogue {
 public:
  void Add(CommandId id, const char* name, const char* caption, Needs needs, QList<QKeySequence> keys = {}) {
    items_.push_back({{id}, name, caption, needs, std::move(keys)});
  }
  void Check(CommandId id, const char* name, const char* caption, Needs needs, QList<QKeySequence> keys = {}) {
    items_.push_back({{id}, name, caption, needs, std::move(keys), true});
  }
  void Tag(CommandId id, int tag, const char* name, const char* caption, Needs needs, bool hidden = false) {
    items_.push_back({{id, tag}, name, caption, needs, {}, false, hidden});
  }
  // A drawing tool: checked while the active canvas has it armed.
  void Tool(CommandKey key, const char* name, const char* caption) {
    items_.push_back({key, name, caption, Needs::Chart, {}, true});
  }
  // The items of a picture sub-menu, named after the value each sets.
  void Pictures(CommandId id, const Tagged& items, Needs needs) {
    for (const auto& [name, tag] : items) Tag(id, tag, name, CaptionOf(id, tag), needs);
  }
  std::vector<CommandSpec> Take() { return std::move(items_); }

 private:
  std::vector<CommandSpec> items_;
};

void FileCommands(Catalogue& c) {
  using enum CommandId;
  c.Add(New, "mNew", "Создать", Needs::Nothing, Keys(Qt::CTRL | Qt::Key_N));
  c.Add(NewFromTemplate, "mNewFromTemplate", "Создать из шаблона", Needs::Nothing);
  c.Add(Open, "mOpen", "Открыть", Needs::Nothing, Keys(Qt::CTRL | Qt::Key_O));
  c.Add(Save, "mSave", "Сохранить", Needs::Chart, Keys(Qt::CTRL | Qt::Key_S));
  c.Add(SaveAs, "mSaveAs", "Сохранить как...", Needs::Chart);
  c.Add(SaveAll, "mSaveAll", "Сохранить все", Needs::Nothing);
  c.Add(Close, "mClose", "Закрыть", Needs::Chart, Keys(Qt::CTRL | Qt::Key_F4));
  c.Add(CloseAll, "mCloseAll", "Закрыть все", Needs::Nothing);
  c.Add(Preview, "mPreview", "Предпросмотр", Needs::Chart);
  c.Add(PageSetup, "mSheetProp", "Параметры страницы", Needs::Chart);
  c.Add(SheetSize, "mSheetProp2", "Задать размеры", Needs::Chart);
  c.Add(Print, "mPrint", "Печать...", Needs::Chart, Keys(Qt::CTRL | Qt::Key_P));
  c.Add(EditSettings, "mSettings", "Настройки", Needs::Nothing);
  c.Add(Exit, "mExit", "Выход", Needs::Nothing, Keys(Qt::ALT | Qt::Key_F4));
}

// Every symbol of the menus and the palette, the chain of lines and the
// pointer that disarms; the symbols only the palette offers go by their
// button's name.
void DrawingTools(Catalogue& c) {
  using enum CommandId;
  c.Tool({InsertSymbol, btLine}, "mLine", "Линия");
  c.Tool({InsertPolyline}, "mMLine", "Последовательность линий");
  c.Tool({InsertSymbol, btTextRegion}, "mNewTextField", "Текстовое поле");
  for (const std::uint8_t type : NewSymbolMenuTypes()) {
    const SymbolInfo& symbol = *FindSymbol(type);
    c.Tool({InsertSymbol, type}, symbol.menuItem, symbol.menuCaption);
  }
  for (const PaletteButton& button : PaletteButtons()) {
    const SymbolInfo& symbol = *FindSymbol(static_cast<std::uint8_t>(button.tag));
    if (button.action == PaletteAction::DrawSymbol && !*symbol.menuItem && button.tag != btLine &&
        button.tag != btTextRegion)
      c.Tool({InsertSymbol, button.tag}, button.name, *symbol.hint ? symbol.hint : symbol.caption);
  }
  c.Tool({CancelInsert}, "tbCursorArrow", "Cancel block insert");
  c.Check(MultiInsert, "tbMultiInsert", "Enable multy insert", Needs::Nothing);
}

void EditCommands(Catalogue& c) {
  using enum CommandId;
  c.Add(Undo, "mUndo", "Отменить", Needs::UndoHistory, Keys(Qt::CTRL | Qt::Key_Z));
  c.Add(Redo, "mRedo", "Повторить", Needs::RedoHistory,
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  c.Add(Cut, "mCut", "Вырезать", Needs::ActiveBlock, Keys(Qt::CTRL | Qt::Key_X));
  c.Add(Copy, "mCopy", "Копировать", Needs::ActiveBlock, Keys(Qt::CTRL | Qt::Key_C));
  c.Add(Paste, "mPaste", "Вставить", Needs::Fragment, Keys(Qt::CTRL | Qt::Key_V));
  c.Add(Delete, "mDelete", "Удалить", Needs::ActiveBlock, Keys(Qt::CTRL | Qt::Key_Delete));
  c.Add(Search, "mSearch", "Искать...", Needs::Nothing);
  c.Add(Replace, "mReplace", "Заменить...", Needs::Nothing, Keys(Qt::CTRL | Qt::Key_H));
  DrawingTools(c);
  c.Add(RepeatSymbol, "mpRepeatSymbol", "Повторить символ", Needs::Chart,
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
  c.Add(Group, "mGroup", "Группировать", Needs::MultiSelection);
  c.Add(Ungroup, "mUngroup", "Разгруппировать", Needs::Group);
  c.Add(Connect, "mConnect", "Соединить", Needs::MultiSelection);
  c.Add(BringToFront, "mBringToFront", "Поместить выше всех", Needs::BelowTop);
  c.Add(SendToBack, "mSendToBack", "Поместить ниже всех", Needs::AboveBottom);
  c.Add(ChartInfo, "mShemeInfo", "Описание схемы", Needs::Chart);
}

void ViewCommands(Catalogue& c) {
  using enum CommandId;
  c.Check(Rulers, "mRulers", "Линейки", Needs::Nothing);
  c.Check(StatusLine, "mStatus", "Строка статуса", Needs::Nothing);
  c.Check(ColorStrip, "mColor", "Строка выбора цвета", Needs::Nothing);
  static const std::pair<const char*, int> zooms[] = {{"mZoom25", 25},   {"mZoom40", 40},   {"mZoom50", 50},
                                                      {"mZoom75", 75},   {"mZoom90", 90},   {"mZoom100", 100},
                                                      {"mZoom125", 125}, {"mZoom150", 150}, {"mZoom200", 200}};
  static const char* const zoomCaptions[] = {"25 %", "40 %", "50 %", "75 %", "90 %", "100 %", "125 %", "150 %", "200 %"};
  for (std::size_t i = 0; i < std::size(zooms); ++i)
    c.Tag(Zoom, zooms[i].second, zooms[i].first, zoomCaptions[i], Needs::Chart);
  c.Add(ZoomOut, "tbZoomMinus", "Уменьшение", Needs::ZoomOutRoom);
  c.Add(ZoomIn, "tbZoomPlus", "Увеличение", Needs::ZoomInRoom);
  // The tool windows' switches are checked while their window is shown.
  c.Check(Inspector, "mInspector", "Редактор свойств", Needs::Chart, Keys(Qt::Key_F11));
  c.Check(Library, "mLibrary", "Библиотека символов", Needs::Nothing, Keys(Qt::ALT | Qt::Key_F11));
  c.Check(UserLibrary, "mUserLib", "Библиотека пользователя", Needs::Nothing, Keys(Qt::SHIFT | Qt::Key_F11));
  c.Check(Palette, "mColorForm", "Палитра", Needs::Nothing, Keys(Qt::CTRL | Qt::Key_F11));
  c.Check(ChartProgram, "mChartProgram", "Программа по блок-схеме", Needs::Nothing);
  c.Check(UseGrid, "mPosGrid", "Использовать сетку", Needs::Chart);
  c.Check(ShowGrid, "mShowGrid", "Показывать сетку", Needs::Chart);
  c.Check(StayOnTop, "mStayOnTop", "Поверх остальных окон", Needs::Nothing);
}

void FormatCommands(Catalogue& c) {
  using enum CommandId;
  c.Add(SheetColor, "mSheetColor", "Цвет фона схемы", Needs::Chart);
  c.Add(PageCount, "mShemePages", "Количество страниц в схеме", Needs::Chart);
  c.Add(BlockColor, "mBlockColor", "Цвет фона символа", Needs::ActiveBlock);
  c.Add(LineColor, "mLineColor", "Цвет линии символа", Needs::ActiveBlock);
  c.Pictures(FillStyle, {{"N50", 0}, {"N56", 1}, {"N58", 2}, {"N59", 3}, {"N60", 6}}, Needs::ActiveBlock);
  c.Pictures(LineStyle, {{"N38", 0}, {"N69", 1}, {"N39", 2}, {"N41", 3}}, Needs::ActiveBlock);
  static const char* const widths[] = {"N37", "N012", "N022", "N032", "N052", "N111", "N210", "N54"};
  c.Pictures(LineWidth, Widths(widths), Needs::ActiveBlock);
  c.Pictures(LineEnds,
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
              {"N77", 12}},
             Needs::ActiveBlock);
  c.Add(TextFont, "mTextFont", "Шрифт текста символа", Needs::ActiveBlock);
  c.Pictures(TextPlacement, {{"N34", 0}, {"N35", 2}, {"N36", 1}}, Needs::ActiveBlock);
  c.Pictures(TextAlign, {{"N1", 0}, {"N32", 2}, {"N33", 1}}, Needs::ActiveBlock);

  c.Add(DefaultFillColor, "mDefs1", "Цвет фона", Needs::Chart);
  c.Add(DefaultLineColor, "mDefs2", "Цвет линий", Needs::Chart);
  c.Pictures(DefaultFillStyle, {{"N27", 0}, {"N42", 1}, {"N43", 2}, {"N44", 3}, {"N45", 6}}, Needs::Chart);
  c.Pictures(DefaultLineStyle, {{"N28", 0}, {"N70", 1}, {"N29", 2}, {"N30", 3}}, Needs::Chart);
  static const char* const defaultWidths[] = {"N25", "N011", "N021", "N031", "N051", "N110", "N26", "N51"};
  c.Pictures(DefaultLineWidth, Widths(defaultWidths), Needs::Chart);
  c.Add(DefaultTextFont, "mDefs6", "Шрифт текста", Needs::Chart);
  c.Pictures(DefaultTextPlacement, {{"N22", 0}, {"N23", 2}, {"N24", 1}}, Needs::Chart);
  c.Pictures(DefaultTextAlign, {{"N19", 0}, {"N20", 2}, {"N21", 1}}, Needs::Chart);
  c.Pictures(DefaultLineEnds,
             {{"N73d", 0},
              {"N74d", 1},
              {"s1d", 2},
              {"N75d", 3},
              {"o1d", 4},
              {"N80d", 5},
              {"oo1d", 6},
              {"N72d", 7},
              {"N81d", 8},
              {"nn1d", 9},
              {"N76d", 10},
              {"N82d", 11},
              {"N77d", 12}},
             Needs::Chart);

  c.Tag(Align, 0, "mAlignLeft", "по левому краю", Needs::Container);
  c.Tag(Align, 1, "mAlignRight", "по правому краю", Needs::Container);
  c.Tag(Align, 2, "mAlignTop", "по верхнему краю", Needs::Container);
  c.Tag(Align, 3, "mAlignBottom", "по нижнему краю", Needs::Container);
  c.Check(AlsoAlignLines, "mAlsoAlignLines", "Включая линии", Needs::Chart);
}

void WizardAndHelpCommands(Catalogue& c) {
  using enum CommandId;
  c.Add(LinearWizard, "mWizard1", "Мастер линейных блок-схем", Needs::Nothing);
  c.Add(ProcessWizard, "mWizard4", "Мастер блок-схемы процесса", Needs::Nothing);
  c.Add(BranchWizard, "mWizard2", "Мастер блок-схем с условием", Needs::Nothing);
  c.Add(ForLoopWizard, "mWizard3", "Мастер блок-схем с циклом \"ДЛЯ\" (FOR)", Needs::Nothing);
  c.Add(CodeWizard, "mWizard5", "Блок-схема по тексту программы", Needs::Nothing);
  c.Add(Help, "mShowHelp", "Вызов справки", Needs::Nothing, Keys(Qt::Key_F1));
  c.Tag(Lesson, 1, "mLesson1", "Начнем пожалуй!", Needs::Nothing);
  c.Tag(Lesson, 2, "mLesson2", "Иструментарий", Needs::Nothing);
  c.Add(VisitWeb, "mVisitWeb", "Посетить веб-страницу", Needs::Nothing);
  c.Add(About, "mAbout", "О программе ...", Needs::Nothing);
}

}  // namespace

const std::vector<CommandSpec>& CommandCatalogue() {
  static const std::vector<CommandSpec> catalogue = [] {
    Catalogue c;
    FileCommands(c);
    EditCommands(c);
    ViewCommands(c);
    FormatCommands(c);
    WizardAndHelpCommands(c);
    return c.Take();
  }();
  return catalogue;
}

}  // namespace quobrix
