#include "platform/LanguageTable.h"

#include <array>

#include "platform/ProfileFile.h"

namespace quobrix {

namespace {

constexpr const char* kGeneral = "General";
constexpr const char* kWizards = "Wizards";

// The Latin capital C in front of "хема" is part of the built-in filter.
constexpr std::array<BuiltInText, 61> kBuiltIn = {{
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
    {TextKey::FOLDER_USE_UNDO, kGeneral, "FOLDER_USE_UNDO", "Отмена действий"},
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
