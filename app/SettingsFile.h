// The settings file quobrix.ini: where it lives, and the options of its
// section "Main". Every key is listed once here with how it is read and
// written, so a new option is one line in that list.
#pragma once

#include <QString>

#include "view/ProgramSettings.h"

namespace quobrix {

class ProfileFile;

inline const QString kMainSection = QStringLiteral("Main");
inline const QString kRecentSection = QStringLiteral("Recent");
inline const QString kWinPosSection = QStringLiteral("WinPos");
inline const QString kLanguageKey = QStringLiteral("Language");

// The settings folder (beside the program, in the user's configuration
// folder, or QUOBRIX_HOME) + "quobrix.ini".
QString SettingsFilePath();

// The options the file holds; a missing key, or a value that is not a whole
// number where one is due, keeps the option's default.
ProgramOptions ReadOptions(const ProfileFile& file);
// Every option but Language, which only the settings dialog writes.
void WriteOptions(ProfileFile& file, const ProgramOptions& options);

// The interface language a first start takes from the desktop's language
// ("ru-RU", "uk", "de_DE" ...): Russian and Ukrainian have their language
// files, anything else reads English.
QString LanguageForDesktop(const QString& desktopLanguage);

}  // namespace quobrix
