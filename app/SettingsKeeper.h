// Keeps the settings file up to date while the program runs, so a crash or a
// kill loses at most a few seconds of changes: whoever changes an option asks
// for a write, and a timer catches the window layout and the recent files.
// The file is written only when what the program would put there differs from
// what it last put there, so two programs sharing the file do not take turns
// rewriting it. A write that fails keeps the old file and is told once a run.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

namespace quobrix {

class ProfileFile;

class SettingsKeeper : public QObject {
  Q_OBJECT

 public:
  // `fill` writes the program's settings into a profile; `tellFailure` hears
  // of the first failed write.
  SettingsKeeper(QString path, std::function<void(ProfileFile&)> fill, std::function<void()> tellFailure,
                 QObject* parent = nullptr);

  // Writes the file when the settings changed since the last write; false
  // when that write failed.
  bool Keep();
  // From now on Keep() runs every `intervalMs` as well.
  void KeepEvery(int intervalMs);

 private:
  QString path_;
  std::function<void(ProfileFile&)> fill_;
  std::function<void()> tellFailure_;
  QByteArray written_;  // the settings as last written, alone in a profile
  bool told_ = false;
  QTimer timer_;
};

}  // namespace quobrix
