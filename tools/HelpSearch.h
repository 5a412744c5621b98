// Finds the help pages that hold every word the user typed: a page is read
// as the reader sees it (tags dropped, entities decoded), and a word matches
// whatever its letters' case.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <vector>

namespace quobrix {

struct FoundPage {
  QUrl url;
  QString title;  // the page's first heading, or its file name
};

// The words of `text`, blanks and punctuation around them dropped.
QStringList SearchWords(const QString& text);

// The *.html pages of `folders` that hold every word of `text`, folder by
// folder and by file name; nothing for a text without words.
std::vector<FoundPage> FindHelpPages(const QStringList& folders, const QString& text);

}  // namespace quobrix
