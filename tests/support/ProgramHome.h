// A fresh folder for the files the editor writes (QUOBRIX_HOME) and a fresh
// context, for tests that start a main window.
#pragma once

#include <QFile>
#include <QString>

#include "platform/LanguageTable.h"
#include "support/TempDir.h"
#include "view/AppContext.h"

namespace quobrix::test {

struct ProgramHome {
  ProgramHome() {
    qputenv("QUOBRIX_HOME", dir.Path().string().c_str());
    LoadLanguageTable(QString());
  }
  QString File(const char* name) const { return QString::fromStdString(dir.File(name)); }
  QString SettingsFile() const { return File("quobrix.ini"); }
  void WriteSettings(const QByteArray& text) const { WriteBytes(dir.File("quobrix.ini"), text.toStdString()); }
  QByteArray ReadSettings() const { return QByteArray::fromStdString(ReadBytes(dir.File("quobrix.ini"))); }

  TempDir dir;
  // The program's shared values, fresh for every test.
  AppContext context;
};

}  // namespace quobrix::test
