// What the main window's document commands share: the name of a chart
// never saved, the conversion of paths to the file system's bytes, the file
// a dialog gave, and running a load or save that may run out of memory.
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

#include "app/LanguageTable.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

// The file name of a chart never saved; what the user sees is that name in
// the interface language, numbered when several are open.
inline const std::string kUntitled = "Untitled";

inline QString UntitledName(int number) {
  const QString name = LanguageText(TextKey::UNTITLED);
  return number <= 1 ? name : name + QLatin1Char(' ') + QString::number(number);
}

inline std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

inline QString ChartFileName(const THolderForm& window) {
  return QFile::decodeName(QByteArray::fromStdString(window.bh->Model().FileName()));
}

// The smallest number from 1 that none of the open charts never saved goes by.
inline int FreeUntitledNumber(std::vector<int> taken) {
  std::sort(taken.begin(), taken.end());
  int free = 1;
  for (const int number : taken)
    if (number == free) ++free;
  return free;
}

// What prompts and lists call the chart: its file's name, or its numbered
// "Untitled" when it was never saved.
inline QString ChartName(const THolderForm& window) {
  if (window.bh->Model().FileName() == kUntitled) return UntitledName(window.UntitledNumber);
  return QFileInfo(ChartFileName(window)).fileName();
}

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
