// The program's own texts (messages, dialog titles and filters, hint words,
// wizard words). Each starts as its built-in Russian text and can be replaced
// by the sections "General" and "Wizards" of a language file.
#pragma once

#include <QString>
#include <span>

namespace quobrix {

enum class TextKey {
  Program,
  QUOBRIX_FILE_TYPE,
  FILE_OPEN_ERROR_MSG,
  FILE_SAVE_ERROR_MSG,
  FILE_SAVE_MSG,
  FILE_SAVE_FILTER,
  TEMPLATE_OPEN_TITLE,
  FILE_OPEN_TITLE,
  FILE_OPEN_FILTER,
  INPUT_PAGES_TITLE,
  INPUT_PAGES_TEXT,
  HINT_TEXT1,
  HINT_TEXT2,
  DIMENSION_MM,
  SEARCH_TEXT_NOT_FOUND,
  PREVIEW_PAGE,
  WIZARD_BEGIN,
  WIZARD_END,
  WIZARD_INPUT,
  WIZARD_OUTPUT,
  WIZARD_PROCESS,
  WIZARD_YES,
  WIZARD_NO,
  WIZARD_OPERATION,
  WIZARD_DELAY,
  WIZARD_IF,
  WIZARD_CYCLE,
  WIZARD_INOUT,
  WIZARD_BUILD_ERROR,  // a wizard's chart could not be finished
  FILE_DAMAGED_MSG,
  FILE_DAMAGED_SAVE_MSG,
  PICTURE_EXPORTED_MSG,
  NOT_ENOUGH_MEMORY_MSG,
  PRINT_ERROR_MSG,     // a print job could not be finished
  CODE_ERROR,          // %1 line, %2 column, %3 what is wrong
  CODE_OPEN_TITLE,
  CODE_OPEN_FILTER,
  CODE_FILE_ERROR,     // %1 path
  CODE_FILE_TOO_BIG,   // %1 path, %2 the limit in KB
  CODE_FILE_NOT_UTF8,  // %1 path
  RECOVERY_TITLE,      // the dialog that offers charts a killed program had not saved
  SETTINGS_SAVE_ERROR_MSG,  // %1 the settings file
  SHEET_EMPTY_MSG,          // a picture of a sheet without width or height
  FOLDERS_UNWRITABLE_MSG,   // followed by one line per folder: its uses and the folder
  FOLDER_USE_UNDO,
  FOLDER_USE_AUTOSAVE,
  FOLDER_USE_USER_LIBRARY,

  // The user library cannot be read; %1 the files to blame. The second asks
  // whether to restore the copy kept at the last change.
  USERLIB_DAMAGED_MSG,
  USERLIB_RESTORE_MSG,
  FILE_CHANGED_SAVE_MSG,    // %1 path: another program changed the file a save would replace
  FILE_OVERWRITE_BUTTON,
  FILE_SAVE_AS_BUTTON,
  FILE_RELOAD_BUTTON,
  FILE_CHANGED_RELOAD_MSG,  // %1 path
  RECOVERY_BLOCKS,  // %1 how many blocks a recovered chart holds
  HELP_MISSING_MSG,         // %1 the folder the help and the lessons were looked for in
  HELP_WORDS_NOT_FOUND,     // no help page holds the words searched for
  HELP_LINK_OPEN_ERROR,     // %1 an address no program of the system opens
  FILE_OPENING_MSG,         // %1 file name: a large chart is being read
  REPLACE_BAD_EXPRESSION,    // %1 what is wrong, %2 the character's place in the expression
  REPLACE_NOT_IN_CODE_PAGE,  // a replacement the chart's texts cannot hold
};

struct BuiltInText {
  TextKey id;
  const char* section;
  const char* key;
  const char* text;  // UTF-8
};

// Every text in the order of TextKey.
std::span<const BuiltInText> BuiltInTexts();

// The current text.
const QString& LanguageText(TextKey id);

// Replaces every text by the file's value, or by the built-in text where the
// file, the section or the key is missing. A key present with an empty value
// gives an empty text.
void LoadLanguageTable(const QString& path);

}  // namespace quobrix
