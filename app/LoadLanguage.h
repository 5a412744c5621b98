// The start-up step that applies the chosen interface language, and the
// naming of the tool windows after the menu items that open them.
#pragma once

#include <QString>
#include <span>

class QAction;
class QWidget;

namespace quobrix {

// programDir + "lang/" + name + ".lng"; programDir ends with "/".
QString LanguageFilePath(const QString& programDir, const QString& languageName);

// A language name comes from the settings file and becomes part of a path:
// only a plain file name stays inside the language folder.
bool IsPlainLanguageName(const QString& languageName);

struct ToolWindowTitle {
  QWidget* window;
  const QAction* menuItem;  // its caption becomes the window's title
};

void ApplyToolWindowTitles(std::span<const ToolWindowTitle> titles);

// languageFile holds the language name from the settings on entry. When it
// is not empty it becomes the language file's path, the text table is read
// from that file and the windows are translated in the order given. The tool
// windows are titled in every case. False when a language was named but its
// file cannot be read; the built-in texts then stay. A name that is not a
// plain file name is not read at all: languageFile becomes empty.
bool LoadLanguage(QString& languageFile, const QString& programDir, std::span<QWidget* const> windows,
                  std::span<const ToolWindowTitle> titles);

}  // namespace quobrix
