#include "platform/LanguageTable.h"

#include <array>

#include "platform/ProfileFile.h"

namespace quobrix {

namespace {

constexpr const char* kGeneral = "General";
constexpr const char* kWizards = "Wizards";

// The Latin capital C in front of "хема" is part of the built-in filter.
constexpr std::array<BuiltInText, 111> kBuiltIn = {{
    {TextKey::Program, kGeneral, "Program", "Построитель схем Quobrix"},
    {TextKey::QUOBRIX_FILE_TYPE, kGeneral, "QUOBRIX_FILE_TYPE", "Файл схемы Quobrix"},
    {TextKey::FILE_OPEN_ERROR_MSG, kGeneral, "FILE_OPEN_ERROR_MSG",
     "Выбранный файл не является файлом схемы или поврежден!"},
    {TextKey::FILE_SAVE_ERROR_MSG, kGeneral, "FILE_SAVE_ERROR_MSG", "Ошибка сохранения файла на диске!"},
    {TextKey::FILE_SAVE_MSG, kGeneral, "FILE_SAVE_MSG", "Схема «%1» была модифицирована, сохранить изменения?"},
    {TextKey::FILE_SAVE_FILTER, kGeneral, "FILE_SAVE_FILTER",
     "Cхема Quobrix (*.qbs)|*.qbs|Точечный рисунок (*.bmp)|*.bmp|Векторный метафайл (*.emf)|*.emf"},
    {TextKey::TEMPLATE_OPEN_TITLE, kGeneral, "TEMPLATE_OPEN_TITLE", "Выберите шаблон для создания схемы"},
    {TextKey::FILE_OPEN_TITLE, kGeneral, "FILE_OPEN_TITLE", "Открытие схемы"},
    {TextKey::FILE_OPEN_FILTER, kGeneral, "FILE_OPEN_FILTER", "Файл схемы (*.qbs)|*.qbs|Все файлы (*.*)|*.*"},
    {TextKey::INPUT_PAGES_TITLE, kGeneral, "INPUT_PAGES_TITLE", "Количество страниц в схеме"},
    {TextKey::INPUT_PAGES_TEXT, kGeneral, "INPUT_PAGES_TEXT", "Введите количество страниц:"},
    {TextKey::HINT_TEXT1, kGeneral, "HINT_TEXT1", "Позиция:"},
    {TextKey::HINT_TEXT2, kGeneral, "HINT_TEXT2", "Размеры:"},
    {TextKey::DIMENSION_MM, kGeneral, "DIMENSION_MM", "мм"},
    {TextKey::SEARCH_TEXT_NOT_FOUND, kGeneral, "SEARCH_TEXT_NOT_FOUND",
     "Не найдено ни одного блока, содержащего текст"},
    {TextKey::PREVIEW_PAGE, kGeneral, "PREVIEW_PAGE", "Страница"},
    {TextKey::WIZARD_BEGIN, kWizards, "WIZARD_BEGIN", "Начало"},
    {TextKey::WIZARD_END, kWizards, "WIZARD_END", "Конец"},
    {TextKey::WIZARD_INPUT, kWizards, "WIZARD_INPUT", "Ввод"},
    {TextKey::WIZARD_OUTPUT, kWizards, "WIZARD_OUTPUT", "Вывод"},
    {TextKey::WIZARD_PROCESS, kWizards, "WIZARD_PROCESS", "Вычисление"},
    {TextKey::WIZARD_YES, kWizards, "WIZARD_YES", "Да"},
    {TextKey::WIZARD_NO, kWizards, "WIZARD_NO", "Нет"},
    {TextKey::WIZARD_OPERATION, kWizards, "WIZARD_OPERATION", "[Операция]  "},
    {TextKey::WIZARD_DELAY, kWizards, "WIZARD_DELAY", "[Задержка]  "},
    {TextKey::WIZARD_IF, kWizards, "WIZARD_IF", "[Условие]   "},
    {TextKey::WIZARD_CYCLE, kWizards, "WIZARD_CYCLE", "[Цикл]      "},
    {TextKey::WIZARD_INOUT, kWizards, "WIZARD_INOUT", "[Ввод/Вывод]"},
    {TextKey::WIZARD_BUILD_ERROR, kWizards, "WIZARD_BUILD_ERROR",
     "Не удалось построить схему полностью; построенная часть оставлена."},
    // %1 is a line number, %2 a number of blocks.
    {TextKey::FILE_DAMAGED_MSG, kGeneral, "FILE_DAMAGED_MSG",
     "Файл схемы повреждён: чтение остановлено на строке %1, прочитано блоков: %2. Остальная часть файла не "
     "загружена."},
    {TextKey::FILE_DAMAGED_SAVE_MSG, kGeneral, "FILE_DAMAGED_SAVE_MSG",
     "Файл схемы был открыт повреждённым, и часть его не загружена. Заменить его загруженной частью?"},
    // %1 is the picture's file name.
    {TextKey::PICTURE_EXPORTED_MSG, kGeneral, "PICTURE_EXPORTED_MSG", "Рисунок сохранён: %1"},
    {TextKey::NOT_ENOUGH_MEMORY_MSG, kGeneral, "NOT_ENOUGH_MEMORY_MSG", "Недостаточно памяти для выполнения операции!"},
    {TextKey::PRINT_ERROR_MSG, kGeneral, "PRINT_ERROR_MSG", "Не удалось напечатать схему."},
    {TextKey::CODE_ERROR, kWizards, "CODE_ERROR", "строка %1, столбец %2: %3"},
    {TextKey::CODE_OPEN_TITLE, kWizards, "CODE_OPEN_TITLE", "Открытие текста программы"},
    {TextKey::CODE_OPEN_FILTER, kWizards, "CODE_OPEN_FILTER",
     "Текст программы (*.pas;*.py;*.txt)|*.pas;*.py;*.txt|Все файлы (*.*)|*.*"},
    {TextKey::CODE_FILE_ERROR, kWizards, "CODE_FILE_ERROR", "Не удалось прочитать файл %1."},
    {TextKey::CODE_FILE_TOO_BIG, kWizards, "CODE_FILE_TOO_BIG",
     "Файл %1 больше %2 КБ: слишком длинный для блок-схемы."},
    {TextKey::CODE_FILE_NOT_UTF8, kWizards, "CODE_FILE_NOT_UTF8", "Файл %1 не является текстом в кодировке UTF-8."},
    {TextKey::CODE_TOKEN, kWizards, "CODE_TOKEN", "«%1»"},
    {TextKey::CODE_OR, kWizards, "CODE_OR", "%1 или %2"},
    {TextKey::CODE_END_OF_TEXT, kWizards, "CODE_END_OF_TEXT", "конец текста"},
    {TextKey::CODE_END_OF_LINE, kWizards, "CODE_END_OF_LINE", "конец строки"},
    {TextKey::CODE_NOT_UTF8, kWizards, "CODE_NOT_UTF8", "текст не в кодировке UTF-8"},
    {TextKey::CODE_OUTSIDE_CODE_PAGE, kWizards, "CODE_OUTSIDE_CODE_PAGE",
     "знак %1 нельзя записать в схему: её тексты хранятся в кириллической кодовой странице 1251"},
    {TextKey::CODE_UNEXPECTED_CHARACTER, kWizards, "CODE_UNEXPECTED_CHARACTER", "неожиданный знак %1"},
    {TextKey::CODE_UNCLOSED_STRING, kWizards, "CODE_UNCLOSED_STRING", "строка в кавычках не закрыта"},
    {TextKey::CODE_UNCLOSED_COMMENT, kWizards, "CODE_UNCLOSED_COMMENT", "комментарий не закрыт"},
    {TextKey::CODE_EXPECTED, kWizards, "CODE_EXPECTED", "ожидается %1, а стоит %2"},
    {TextKey::CODE_UNSUPPORTED, kWizards, "CODE_UNSUPPORTED", "%1 нельзя изобразить блок-схемой"},
    {TextKey::CODE_BAD_INDENTATION, kWizards, "CODE_BAD_INDENTATION",
     "отступ не совпадает ни с одним охватывающим блоком"},
    {TextKey::CODE_TOO_DEEP, kWizards, "CODE_TOO_DEEP", "операторы вложены глубже %1 уровней"},
    {TextKey::CODE_TOO_LONG, kWizards, "CODE_TOO_LONG", "текст длиннее %1 МБ — больше, чем нужно любой программе"},
    {TextKey::CODE_TOO_MANY_BRANCHES, kWizards, "CODE_TOO_MANY_BRANCHES",
     "больше %1 меток case или ветвей elif в одной цепочке"},
    {TextKey::CODE_EXPECT_OPERAND, kWizards, "CODE_EXPECT_OPERAND", "операнд"},
    {TextKey::CODE_EXPECT_OPERATOR, kWizards, "CODE_EXPECT_OPERATOR", "знак операции"},
    {TextKey::CODE_EXPECT_EXPRESSION, kWizards, "CODE_EXPECT_EXPRESSION", "выражение"},
    {TextKey::CODE_EXPECT_CONDITION, kWizards, "CODE_EXPECT_CONDITION", "условие"},
    {TextKey::CODE_EXPECT_STATEMENT, kWizards, "CODE_EXPECT_STATEMENT", "оператор"},
    {TextKey::CODE_EXPECT_INDENTED_BLOCK, kWizards, "CODE_EXPECT_INDENTED_BLOCK", "блок с отступом"},
    {TextKey::CODE_EXPECT_LINE_END, kWizards, "CODE_EXPECT_LINE_END", "конец строки"},
    {TextKey::CODE_EXPECT_PROGRAM_NAME, kWizards, "CODE_EXPECT_PROGRAM_NAME", "имя программы"},
    {TextKey::CODE_EXPECT_ROUTINE_NAME, kWizards, "CODE_EXPECT_ROUTINE_NAME", "имя подпрограммы"},
    {TextKey::CODE_EXPECT_FUNCTION_NAME, kWizards, "CODE_EXPECT_FUNCTION_NAME", "имя функции"},
    {TextKey::CODE_EXPECT_PARAMETER_NAME, kWizards, "CODE_EXPECT_PARAMETER_NAME", "имя параметра"},
    {TextKey::CODE_EXPECT_FIELD_NAME, kWizards, "CODE_EXPECT_FIELD_NAME", "имя поля"},
    {TextKey::CODE_EXPECT_ATTRIBUTE_NAME, kWizards, "CODE_EXPECT_ATTRIBUTE_NAME", "имя атрибута"},
    {TextKey::CODE_EXPECT_RESULT_TYPE, kWizards, "CODE_EXPECT_RESULT_TYPE", "тип результата"},
    {TextKey::CODE_EXPECT_LOOP_VARIABLE, kWizards, "CODE_EXPECT_LOOP_VARIABLE", "переменная цикла"},
    {TextKey::CODE_EXPECT_LOOP_RANGE, kWizards, "CODE_EXPECT_LOOP_RANGE", "то, что перебирает цикл"},
    {TextKey::CODE_EXPECT_CASE_LABEL, kWizards, "CODE_EXPECT_CASE_LABEL", "метка варианта"},
    {TextKey::CODE_EXPECT_CHARACTER_CODE, kWizards, "CODE_EXPECT_CHARACTER_CODE", "код символа"},
    {TextKey::CODE_EXPECT_EXPRESSION_BEFORE, kWizards, "CODE_EXPECT_EXPRESSION_BEFORE", "выражение перед %1"},
    {TextKey::CODE_EXPECT_EXPRESSION_AFTER, kWizards, "CODE_EXPECT_EXPRESSION_AFTER", "выражение после %1"},
    {TextKey::CODE_EXPECT_VARIABLE_BEFORE, kWizards, "CODE_EXPECT_VARIABLE_BEFORE", "переменная перед %1"},
    {TextKey::RECOVERY_TITLE, kGeneral, "RECOVERY_TITLE", "Восстановление несохранённых схем"},
    // %1 is the settings file.
    {TextKey::SETTINGS_SAVE_ERROR_MSG, kGeneral, "SETTINGS_SAVE_ERROR_MSG",
     "Не удалось записать настройки в файл %1: диск заполнен или файл доступен только для чтения. Прежний файл "
     "сохранён."},
    {TextKey::SHEET_EMPTY_MSG, kGeneral, "SHEET_EMPTY_MSG",
     "Лист схемы пуст: у него нет ширины или высоты, и рисунок из него не получится."},
    // Followed by one line per folder: what needs it, then the folder.
    {TextKey::FOLDERS_UNWRITABLE_MSG, kGeneral, "FOLDERS_UNWRITABLE_MSG",
     "В эти папки нельзя записать (диск заполнен или доступен только для чтения), и то, что в них пишет, "
     "не работает:"},
    {TextKey::FOLDER_USE_AUTOSAVE, kGeneral, "FOLDER_USE_AUTOSAVE", "Автосохранение"},
    {TextKey::FOLDER_USE_USER_LIBRARY, kGeneral, "FOLDER_USE_USER_LIBRARY", "Библиотека пользователя"},
    {TextKey::USERLIB_DAMAGED_MSG, kGeneral, "USERLIB_DAMAGED_MSG",
     "Библиотеку пользователя не удалось прочитать: файл %1 повреждён или не соответствует парному. Библиотека "
     "показана пустой, её файлы оставлены как есть."},
    {TextKey::USERLIB_RESTORE_MSG, kGeneral, "USERLIB_RESTORE_MSG",
     "Библиотеку пользователя не удалось прочитать: файл %1 повреждён или не соответствует парному. Восстановить "
     "библиотеку из копии, сохранённой при последнем изменении?"},
    {TextKey::FILE_CHANGED_SAVE_MSG, kGeneral, "FILE_CHANGED_SAVE_MSG",
     "Файл %1 изменён другой программой после того, как схема была открыта или сохранена здесь. Если записать "
     "схему поверх него, эти изменения пропадут."},
    {TextKey::FILE_OVERWRITE_BUTTON, kGeneral, "FILE_OVERWRITE_BUTTON", "Перезаписать"},
    {TextKey::FILE_SAVE_AS_BUTTON, kGeneral, "FILE_SAVE_AS_BUTTON", "Сохранить как..."},
    {TextKey::FILE_RELOAD_BUTTON, kGeneral, "FILE_RELOAD_BUTTON", "Загрузить из файла"},
    {TextKey::FILE_CHANGED_RELOAD_MSG, kGeneral, "FILE_CHANGED_RELOAD_MSG",
     "Файл %1 изменён другой программой. Загрузить схему из него заново?"},
    {TextKey::RECOVERY_BLOCKS, kGeneral, "RECOVERY_BLOCKS", "Блоков: %1"},
    {TextKey::HELP_MISSING_MSG, kGeneral, "HELP_MISSING_MSG", "Справка не найдена: в папке %1 нет её страниц."},
    {TextKey::HELP_WORDS_NOT_FOUND, kGeneral, "HELP_WORDS_NOT_FOUND", "Ни одна страница не содержит этих слов"},
    {TextKey::HELP_LINK_OPEN_ERROR, kGeneral, "HELP_LINK_OPEN_ERROR",
     "Не удалось открыть адрес %1: в системе нет программы, которая его откроет. Адрес можно скопировать из этого "
     "сообщения."},
    {TextKey::FILE_OPENING_MSG, kGeneral, "FILE_OPENING_MSG", "Открытие схемы %1..."},
    {TextKey::REPLACE_BAD_EXPRESSION, kGeneral, "REPLACE_BAD_EXPRESSION",
     "Ошибка в регулярном выражении у знака %2: %1"},
    {TextKey::REPLACE_NOT_IN_CODE_PAGE, kGeneral, "REPLACE_NOT_IN_CODE_PAGE",
     "В замене есть знаки, которых нет в кодовой странице схемы (Windows-1251); тексты не изменены."},
    {TextKey::CHART_PROGRAM_NO_BEGIN, kGeneral, "CHART_PROGRAM_NO_BEGIN", "В схеме нет символа начала, из которого выходит линия"},
    {TextKey::CHART_PROGRAM_NO_WAY_OUT, kGeneral, "CHART_PROGRAM_NO_WAY_OUT", "Линия обрывается на символе, который не является концом"},
    {TextKey::CHART_PROGRAM_TWO_WAYS_OUT, kGeneral, "CHART_PROGRAM_TWO_WAYS_OUT", "Из символа, который не является условием, выходит больше одной линии"},
    {TextKey::CHART_PROGRAM_DECISION_WAYS, kGeneral, "CHART_PROGRAM_DECISION_WAYS", "Из условия или цикла должны выходить две линии: «да» и «нет»"},
    {TextKey::CHART_PROGRAM_TERMINAL_IN_AND_OUT, kGeneral, "CHART_PROGRAM_TERMINAL_IN_AND_OUT", "Линия и входит в символ начала или конца, и выходит из него"},
    {TextKey::CHART_PROGRAM_UNCLEAR_DIRECTION, kGeneral, "CHART_PROGRAM_UNCLEAR_DIRECTION", "Не видно, куда ведёт линия: поставьте стрелку"},
    {TextKey::CHART_PROGRAM_CONNECTOR_NOWHERE, kGeneral, "CHART_PROGRAM_CONNECTOR_NOWHERE", "Соединитель ведёт в никуда: нет второго соединителя с той же меткой, или их больше одного"},
    {TextKey::CHART_PROGRAM_UNSTRUCTURED, kGeneral, "CHART_PROGRAM_UNSTRUCTURED", "Линия возвращается или входит туда, где не может быть ни цикла, ни ветвления"},
    {TextKey::CHART_PROGRAM_LEAVES_TWO_LOOPS, kGeneral, "CHART_PROGRAM_LEAVES_TWO_LOOPS", "Выход сразу из нескольких вложенных циклов"},
    {TextKey::CHART_PROGRAM_TOO_DEEP, kGeneral, "CHART_PROGRAM_TOO_DEEP", "Слишком глубокая вложенность"},
    {TextKey::CHART_PROGRAM_LOOP_STEP, kGeneral, "CHART_PROGRAM_LOOP_STEP", "Такого шага цикла в этом языке нет"},
    {TextKey::CHART_PROGRAM_NO_CHART, kGeneral, "CHART_PROGRAM_NO_CHART", "Нет открытой схемы"},
    {TextKey::PRINT_PROGRESS_MSG, kGeneral, "PRINT_PROGRESS_MSG", "Печать схемы %1..."},
    {TextKey::EXPORT_PROGRESS_MSG, kGeneral, "EXPORT_PROGRESS_MSG", "Сохранение рисунка %1..."},
    {TextKey::UNTITLED, kGeneral, "UNTITLED", "Без имени"},
}};

static_assert(
    [] {
      for (std::size_t i = 0; i < kBuiltIn.size(); ++i)
        if (static_cast<std::size_t>(kBuiltIn[i].id) != i) return false;
      return true;
    }(),
    "the table follows the order of TextKey");

std::array<QString, kBuiltIn.size()> BuiltInValues() {
  std::array<QString, kBuiltIn.size()> values;
  for (const BuiltInText& text : kBuiltIn) values[static_cast<std::size_t>(text.id)] = QString::fromUtf8(text.text);
  return values;
}

std::array<QString, kBuiltIn.size()>& CurrentTexts() {
  static std::array<QString, kBuiltIn.size()> texts = BuiltInValues();
  return texts;
}

}  // namespace

std::span<const BuiltInText> BuiltInTexts() { return kBuiltIn; }

const QString& LanguageText(TextKey id) { return CurrentTexts()[static_cast<std::size_t>(id)]; }

void LoadLanguageTable(const QString& path) {
  const ProfileFile file(path);
  auto& texts = CurrentTexts();
  for (const BuiltInText& text : kBuiltIn)
    texts[static_cast<std::size_t>(text.id)] = file.ReadString(text.section, text.key, QString::fromUtf8(text.text));
}

}  // namespace quobrix
