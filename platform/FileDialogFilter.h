#pragma once

#include <QString>
#include <QStringList>

namespace quobrix {

// The name filters of a file dialog from a filter text of description and
// pattern pairs separated by "|" ("Chart (*.qbs)|*.qbs|All (*.*)|*.*").
// "*.*" matches every file, with or without a dot.
QStringList DialogNameFilters(const QString& pipeFilter);

// The extension a name filter's first pattern gives ("Bitmap (*.bmp)" gives
// "bmp"); empty for a pattern without one ("*").
QString FilterSuffix(const QString& nameFilter);

// The picture formats the save dialog offers beyond the language's filter.
QString ExtraPictureFilters();

}  // namespace quobrix
