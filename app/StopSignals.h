// SIGTERM, SIGHUP and SIGINT (the desktop ending the session, the terminal
// going away, Ctrl+C) arrive in the event loop as a Qt signal instead of
// ending the program where it stands. The handler only writes the signal's
// number into a pipe; the event loop reads it. Another copy of the signal
// while one is being handled is read as well and emitted again.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace quobrix {

class StopSignals : public QObject {
  Q_OBJECT

 public:
  // One object at a time; the signals take their default action again when
  // it goes.
  explicit StopSignals(QObject* parent = nullptr);
  ~StopSignals() override;

 signals:
  void Received(int signalNumber);

 private:
  void ReadPipe();

  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace quobrix
