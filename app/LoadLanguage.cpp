#include "app/LoadLanguage.h"

#include <QAction>
#include <QFileInfo>
#include <QWidget>

#include "app/TranslateWindow.h"
#include "platform/LanguageTable.h"

namespace quobrix {

QString LanguageFilePath(const QString& programDir, const QString& languageName) {
  return programDir + QStringLiteral("lang/") + languageName + QStringLiteral(".lng");
}

bool IsPlainLanguageName(const QString& languageName) {
  return !languageName.isEmpty() && !languageName.contains(u'/') && !languageName.contains(u'\\') &&
         !languageName.contains(QStringLiteral("..")) && !languageName.contains(QChar(0));
}

void ApplyToolWindowTitles(std::span<const ToolWindowTitle> titles) {
  for (const ToolWindowTitle& title : titles)
    if (title.window && title.menuItem) title.window->setWindowTitle(title.menuItem->text());
}

bool LoadLanguage(QString& languageFile, const QString& programDir, std::span<QWidget* const> windows,
                  std::span<const ToolWindowTitle> titles) {
  bool readable = true;
  if (!languageFile.isEmpty() && !IsPlainLanguageName(languageFile)) {
    languageFile.clear();
    readable = false;
  }
  if (!languageFile.isEmpty()) {
    languageFile = LanguageFilePath(programDir, languageFile);
    readable = QFileInfo(languageFile).isReadable();
    LoadLanguageTable(languageFile);
    for (QWidget* window : windows)
      if (window) TranslateWindow(languageFile, *window);
  }
  ApplyToolWindowTitles(titles);
  return readable;
}

}  // namespace quobrix
