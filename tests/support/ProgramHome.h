// A fresh folder for the files the editor writes (QUOBRIX_HOME), with the
// program-wide values back at their defaults, for tests that start a main
// window.
#pragma once

#include <QFile>
#include <QString>

#include "platform/LanguageTable.h"
#include "support/TempDir.h"
#include "view/ProgramSettings.h"

namespace quobrix::test {

struct ProgramHome {
  ProgramHome() {
    qputenv("QUOBRIX_HOME", dir.Path().string().c_str());
    Settings().SetOptions(ProgramOptions{});
    Settings().SetLastChartPlacement(ChartPlacement{});
    Settings().SetLanguageFile(QString());
    LoadLanguageTable(QString());
  }
  QString File(const char* name) const { return QString::fromStdString(dir.File(name)); }
  QString SettingsFile() const { return File("quobrix.ini"); }
  void WriteSettings(const QByteArray& text) const { WriteBytes(dir.File("quobrix.ini"), text.toStdString()); }
  QByteArray ReadSettings() const { return QByteArray::fromStdString(ReadBytes(dir.File("quobrix.ini"))); }

  TempDir dir;
};

}  // namespace quobrix::test
