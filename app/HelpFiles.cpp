#include "app/HelpFiles.h"

#include <QDir>
#include <QFileInfo>

#include "platform/LanguageTable.h"
#include "platform/ProfileFile.h"
#include "tools/THelpForm.h"

namespace quobrix {

namespace {

QUrl ExistingFile(const QString& path) { return QFileInfo(path).isFile() ? QUrl::fromLocalFile(path) : QUrl(); }

// The page in the language's folder, or else in the Russian one.
QUrl LocalizedFile(const QString& resourceDir, const QString& folder, const QString& languageFile,
                   const QString& name) {
  for (const QString& code : {HelpLanguageCode(languageFile), QStringLiteral("ru")}) {
    const QUrl url = ExistingFile(resourceDir + folder + u'/' + code + u'/' + name);
    if (!url.isEmpty()) return url;
  }
  return {};
}

}  // namespace

QString HelpLanguageCode(const QString& languageFile) {
  if (languageFile.isEmpty()) return QStringLiteral("ru");
  const QString name = QFileInfo(languageFile).completeBaseName();
  if (name == QStringLiteral("Русский")) return QStringLiteral("ru");
  if (name == QStringLiteral("Украинский")) return QStringLiteral("uk");
  return QStringLiteral("en");
}

QString HelpWindowText(HelpText text) {
  switch (text) {
    case HelpText::Missing: return LanguageText(TextKey::HELP_MISSING_MSG);
    case HelpText::LinkNotOpened: return LanguageText(TextKey::HELP_LINK_OPEN_ERROR);
    case HelpText::WordsNotFound: break;
  }
  return LanguageText(TextKey::HELP_WORDS_NOT_FOUND);
}

QString HelpPageName(const QString& name) {
  return name == QStringLiteral("InspectorForm") ? QStringLiteral("PropertyEditor") : name;
}

QUrl HelpPageUrl(const QString& resourceDir, const QString& languageFile, const QString& page) {
  return LocalizedFile(resourceDir, QStringLiteral("help"), languageFile, HelpPageName(page) + QStringLiteral(".html"));
}

QUrl LessonUrl(const QString& resourceDir, const QString& languageFile, int lesson) {
  static const char* const kLessons[] = {"first-chart.html", "tools.html"};
  if (lesson < 1 || lesson > 2) return {};
  return LocalizedFile(resourceDir, QStringLiteral("lessons"), languageFile, QString::fromLatin1(kLessons[lesson - 1]));
}

QStringList HelpFolders(const QString& resourceDir, const QString& languageFile) {
  QStringList folders;
  for (const QUrl& first : {HelpPageUrl(resourceDir, languageFile), LessonUrl(resourceDir, languageFile, 1)})
    if (!first.isEmpty()) folders.append(QFileInfo(first.toLocalFile()).absolutePath());
  return folders;
}

QUrl SiteUrl(const QString& resourceDir) {
  const ProfileFile shortcut(resourceDir + QStringLiteral("site.url"));
  const QString address = shortcut.ReadString(QStringLiteral("InternetShortcut"), QStringLiteral("URL"), QString());
  if (address.isEmpty()) return {};
  // A relative address names a file beside the shortcut, such as the bundled help.
  const QUrl url = QUrl::fromLocalFile(QDir(resourceDir).absolutePath() + u'/').resolved(QUrl(address));
  return url.isValid() ? url : QUrl();
}

}  // namespace quobrix
