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
  PRINT_ERROR_MSG,  // a print job could not be finished
  CODE_ERROR,       // %1 line, %2 column, %3 what is wrong
  CODE_OPEN_TITLE,
  CODE_OPEN_FILTER,
  CODE_FILE_ERROR,     // %1 path
  CODE_FILE_TOO_BIG,   // %1 path, %2 the limit in KB
  CODE_FILE_NOT_UTF8,  // %1 path
  CODE_TOKEN,          // a token the reader expected, %1
  CODE_OR,             // %1 and %2 what may stand in one place
  CODE_END_OF_TEXT,    // what stands after the last character
  CODE_END_OF_LINE,
  CODE_NOT_UTF8,              // the reader's faults, by kind
  CODE_OUTSIDE_CODE_PAGE,     // %1 the character
  CODE_UNEXPECTED_CHARACTER,  // %1 the character
  CODE_UNCLOSED_STRING,
  CODE_UNCLOSED_COMMENT,
  CODE_EXPECTED,     // %1 what was expected, %2 what was found
  CODE_UNSUPPORTED,  // %1 the statement
  CODE_BAD_INDENTATION,
  CODE_TOO_DEEP,           // %1 the deepest nesting
  CODE_TOO_LONG,           // %1 the longest text in MiB
  CODE_TOO_MANY_BRANCHES,  // %1 the longest chain
  CODE_EXPECT_OPERAND,     // what the reader expected, by kind
  CODE_EXPECT_OPERATOR,
  CODE_EXPECT_EXPRESSION,
  CODE_EXPECT_CONDITION,
  CODE_EXPECT_STATEMENT,
  CODE_EXPECT_INDENTED_BLOCK,
  CODE_EXPECT_LINE_END,
  CODE_EXPECT_PROGRAM_NAME,
  CODE_EXPECT_ROUTINE_NAME,
  CODE_EXPECT_FUNCTION_NAME,
  CODE_EXPECT_PARAMETER_NAME,
  CODE_EXPECT_FIELD_NAME,
  CODE_EXPECT_ATTRIBUTE_NAME,
  CODE_EXPECT_RESULT_TYPE,
  CODE_EXPECT_LOOP_VARIABLE,
  CODE_EXPECT_LOOP_RANGE,
  CODE_EXPECT_CASE_LABEL,
  CODE_EXPECT_CHARACTER_CODE,
  CODE_EXPECT_EXPRESSION_BEFORE,  // %1 the token
  CODE_EXPECT_EXPRESSION_AFTER,   // %1 the token
  CODE_EXPECT_VARIABLE_BEFORE,    // %1 the token
  RECOVERY_TITLE,                 // the dialog that offers charts a killed program had not saved
  SETTINGS_SAVE_ERROR_MSG,        // %1 the settings file
  SHEET_EMPTY_MSG,                // a picture of a sheet without width or height
  FOLDERS_UNWRITABLE_MSG,         // followed by one line per folder: its uses and the folder
  FOLDER_USE_AUTOSAVE,
  FOLDER_USE_USER_LIBRARY,

  // The user library cannot be read; %1 the files to blame. The second asks
  // whether to restore the copy kept at the last change.
  USERLIB_DAMAGED_MSG,
  USERLIB_RESTORE_MSG,
  FILE_CHANGED_SAVE_MSG,  // %1 path: another program changed the file a save would replace
  FILE_OVERWRITE_BUTTON,
  FILE_SAVE_AS_BUTTON,
  FILE_RELOAD_BUTTON,
  FILE_CHANGED_RELOAD_MSG,   // %1 path
  RECOVERY_BLOCKS,           // %1 how many blocks a recovered chart holds
  HELP_MISSING_MSG,          // %1 the folder the help and the lessons were looked for in
  HELP_WORDS_NOT_FOUND,      // no help page holds the words searched for
  HELP_LINK_OPEN_ERROR,      // %1 an address no program of the system opens
  FILE_OPENING_MSG,          // %1 file name: a large chart is being read
  REPLACE_BAD_EXPRESSION,    // %1 what is wrong, %2 the character's place in the expression
  REPLACE_NOT_IN_CODE_PAGE,  // a replacement the chart's texts cannot hold
  CHART_PROGRAM_NO_BEGIN,    // the chart has no structured program: why
  CHART_PROGRAM_NO_WAY_OUT,
  CHART_PROGRAM_TWO_WAYS_OUT,
  CHART_PROGRAM_DECISION_WAYS,
  CHART_PROGRAM_TERMINAL_IN_AND_OUT,
  CHART_PROGRAM_UNCLEAR_DIRECTION,
  CHART_PROGRAM_CONNECTOR_NOWHERE,
  CHART_PROGRAM_UNSTRUCTURED,
  CHART_PROGRAM_LEAVES_TWO_LOOPS,
  CHART_PROGRAM_TOO_DEEP,
  CHART_PROGRAM_LOOP_STEP,
  CHART_PROGRAM_NO_CHART,
  PRINT_PROGRESS_MSG,        // %1 file name: the chart is being printed
  EXPORT_PROGRESS_MSG,       // %1 file name: a picture is being written
  UNTITLED,                  // what a chart never saved is called, numbered from the second on
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
