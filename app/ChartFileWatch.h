// Notices when another program changes the file of an open chart. A chart
// with no unsaved changes is then offered to be read again; one with unsaved
// changes is left alone, and its next save asks what to do. The files are
// watched as they change, and a window's file is looked at again whenever
// the window is activated, which also catches what the watch missed.
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "chart/ChartNotice.h"
#include "chart/FileIO.h"

namespace quobrix {

class THolderForm;

class ChartFileWatch : public QObject {
  Q_OBJECT

 public:
  // `offerReload` asks the user about the window whose file changed and
  // reads the file again if they want it.
  explicit ChartFileWatch(std::function<void(THolderForm&)> offerReload, QObject* parent = nullptr);
  ~ChartFileWatch() override;

  // Watches the file of the window's chart, whatever it is named, until the window goes.
  void Follow(THolderForm& window);
  // Looks at the window's file once the current event is done.
  void CheckSoon(THolderForm& window);

 private:
  struct Chart {
    QPointer<THolderForm> window;
    // The window as a plain object: its destroyed signal comes when it is no
    // THolderForm any more, so it is told apart without a cast.
    const QObject* object = nullptr;
    ChartSubscription subscription;
    // The file as last compared with the chart: a file seen once and not
    // taken is not offered again until it changes again.
    std::optional<FileIdentity> seen;
  };

  // Watches the files the charts are named after now; a file replaced by a
  // rename is a new file to watch.
  void Rewatch();
  void FileChanged(const QString& path);
  void Check(Chart& chart);
  Chart* Find(const THolderForm& window);
  void Forget(const QObject* window);

  std::function<void(THolderForm&)> offerReload_;
  QFileSystemWatcher watcher_;
  std::vector<std::unique_ptr<Chart>> charts_;
  bool asking_ = false;
};

}  // namespace quobrix
