#include "tools/HelpSearch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <algorithm>

namespace quobrix {

namespace {

struct PageText {
  QString title;
  QString text;
};

PageText ReadPage(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QString html = QString::fromUtf8(file.readAll());
  static const QRegularExpression heading(QStringLiteral("<h1[^>]*>(.*?)</h1>"),
                                          QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpressionMatch match = heading.match(html);
  QString title =
      match.hasMatch() ? QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText().simplified() : QString();
  if (title.isEmpty()) title = QFileInfo(path).completeBaseName();
  return {title, QTextDocumentFragment::fromHtml(html).toPlainText()};
}

}  // namespace

QStringList SearchWords(const QString& text) {
  static const QRegularExpression separators(QStringLiteral("[^\\w]+"), QRegularExpression::UseUnicodePropertiesOption);
  return text.split(separators, Qt::SkipEmptyParts);
}

std::vector<FoundPage> FindHelpPages(const QStringList& folders, const QString& text) {
  const QStringList words = SearchWords(text);
  std::vector<FoundPage> found;
  if (words.isEmpty()) return found;
  for (const QString& folder : folders) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
      const QString path = dir.filePath(name);
      const PageText page = ReadPage(path);
      const bool holdsAll = std::ranges::all_of(
          words, [&page](const QString& word) { return page.text.contains(word, Qt::CaseInsensitive); });
      if (holdsAll) found.push_back({QUrl::fromLocalFile(path), page.title});
    }
  }
  return found;
}

}  // namespace quobrix
