#include "platform/FileDialogFilter.h"

namespace quobrix {

QStringList DialogNameFilters(const QString& pipeFilter) {
  const QStringList parts = pipeFilter.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    QString pattern = parts[i + 1].trimmed();
    if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
    pattern.replace(u';', u' ');
    // The dialog reads the patterns from the last brackets of the description.
    const qsizetype open = description.lastIndexOf(u'(');
    if (open > 0 && description.endsWith(u')')) description = description.left(open).trimmed();
    filters.append(description + QStringLiteral(" (") + pattern + u')');
  }
  return filters;
}

QString FilterSuffix(const QString& nameFilter) {
  const qsizetype open = nameFilter.lastIndexOf(u'(');
  const QString patterns = nameFilter.mid(open + 1).chopped(nameFilter.endsWith(u')') ? 1 : 0);
  const QString first = patterns.section(u' ', 0, 0, QString::SectionSkipEmpty);
  return first.startsWith(QStringLiteral("*.")) && first.indexOf(u'*', 1) < 0 ? first.mid(2) : QString();
}

QString ExtraPictureFilters() {
  return QStringLiteral("|PNG (*.png)|*.png|JPEG (*.jpg)|*.jpg|SVG (*.svg)|*.svg|PDF (*.pdf)|*.pdf");
}

}  // namespace quobrix
