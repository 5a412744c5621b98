// Reading a chart file on a thread of its own while a progress dialog over
// the window it is for shows how far the reading got and offers to stop it.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "chart/ChartFileReader.h"

class QProgressDialog;
class QThread;

namespace quobrix {

class BackgroundChartRead : public QObject {
  Q_OBJECT

 public:
  // What was read (failed as Cancelled when the user stopped the reading), or
  // nothing when memory ran out; given on the interface thread.
  using Done = std::function<void(std::optional<ChartFileContents> read, FileStamp stamp)>;

  // Starts reading `path` at once and shows the progress dialog, which keeps
  // every window of the program from input until the reading ends. The
  // object becomes a child of `window` and deletes itself once `done` ran.
  BackgroundChartRead(QWidget& window, const QString& label, std::string path, Done done);
  // Stops the reading and waits for the thread; `done` is then never called.
  ~BackgroundChartRead() override;

 private:
  void ShowProgress(int permille);
  void Finished();

  Done done_;
  std::atomic<bool> cancelled_{false};
  std::atomic<int> shownPermille_{-1};
  // Written by the thread, read once it has ended.
  std::optional<ChartFileContents> read_;
  FileStamp stamp_;
  QProgressDialog* dialog_;
  std::unique_ptr<QThread> thread_;
};

}  // namespace quobrix
