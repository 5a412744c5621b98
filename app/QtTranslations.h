// Qt's own dialogs and buttons (file dialogs, Yes/No/Cancel, colour and font
// dialogs) speak the interface language, through the translations Qt ships.
#pragma once

#include <QString>

namespace quobrix {

// The Qt language of an interface language: "ru" for Russian, which the
// built-in texts (an empty name) are too, "uk" for Ukrainian, and nothing for
// English and any other language, which keep Qt's own English.
QString QtLanguageOf(const QString& languageName);

// Replaces the Qt translations in use by those of the interface language,
// whose numbers and dates (QLocale's default) the program then writes.
// False when they are due but cannot be read; Qt then speaks English.
bool UseQtTranslations(const QString& languageName);

}  // namespace quobrix
