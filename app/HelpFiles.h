// Where the help pages, the lessons and the program's web address are. They
// are read-only files under the resource folder, one copy of the help and
// the lessons for each interface language:
//   help/<code>/index.html, help/<code>/<window or menu name>.html
//   lessons/<code>/first-chart.html, lessons/<code>/tools.html
//   site.url ([InternetShortcut] URL=..., absolute or relative to its folder)
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <cstdint>

namespace quobrix {

// "ru", "en" or "uk" for the interface language file (empty: the built-in
// Russian texts). A language of the user's own gets the English pages.
QString HelpLanguageCode(const QString& languageFile);

enum class HelpText : std::uint8_t;
// The help window's messages in the interface language.
QString HelpWindowText(HelpText text);

// The help page of a window or menu: its object name, but the property
// inspector's page goes by what its caption calls it.
QString HelpPageName(const QString& name);

// Each returns an empty URL when the file is not there. A language without a
// help of its own falls back to the Russian one.
QUrl HelpPageUrl(const QString& resourceDir, const QString& languageFile, const QString& page = QStringLiteral("index"));
// `lesson` is the item's number: 1 the first chart, 2 the tools.
QUrl LessonUrl(const QString& resourceDir, const QString& languageFile, int lesson);
// The folders of the language's help pages and lessons that are there.
QStringList HelpFolders(const QString& resourceDir, const QString& languageFile);
// The address in `resourceDir` + "site.url".
QUrl SiteUrl(const QString& resourceDir);

}  // namespace quobrix
