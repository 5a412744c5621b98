#pragma once

#include <QString>
#include <QStringList>

namespace quobrix {

// The name filters of a file dialog from a filter text of description and
// pattern pairs separated by "|" ("Chart (*.qbs)|*.qbs|All (*.*)|*.*").
// "*.*" matches every file, with or without a dot.
QStringList DialogNameFilters(const QString& pipeFilter);

// The picture formats the save dialog offers beyond the language's filter.
QString ExtraPictureFilters();

}  // namespace quobrix
