// What the main window's document commands share: the conversion of paths
// to the file system's bytes, the file a dialog gave, and running a load or
// save that may run out of memory.
#pragma once

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "view/ChartDocument.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

inline std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

inline QString ChartFileName(const THolderForm& window) { return window.Document().FileName(); }

// The chosen file, or nothing when the user cancelled.
inline QString ChosenFile(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

// The step's result, or nothing when memory ran out. Loads and saves leave
// the chart as it was when they fail, so the user is told and goes on.
template <class Step>
std::optional<bool> WithinMemory(Step step) {
  try {
    return step();
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace quobrix
