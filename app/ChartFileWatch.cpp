#include "app/ChartFileWatch.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include "chart/BlocksHolderModel.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

namespace {

QString FileOf(const THolderForm& window) {
  return QFile::decodeName(QByteArray::fromStdString(window.bh->Model().FileName()));
}

}  // namespace

ChartFileWatch::ChartFileWatch(std::function<void(THolderForm&)> offerReload, QObject* parent)
    : QObject(parent), offerReload_(std::move(offerReload)) {
  // Queued: the question waits until the watcher has finished its own work.
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &ChartFileWatch::FileChanged, Qt::QueuedConnection);
}

ChartFileWatch::~ChartFileWatch() = default;

void ChartFileWatch::Follow(THolderForm& window) {
  auto chart = std::make_unique<Chart>();
  chart->window = &window;
  chart->object = &window;
  chart->subscription = window.bh->Model().Subscribe([this](const ChartNotice& notice) {
    if (notice.Kind == ChartChange::Document) Rewatch();
  });
  connect(&window, &QObject::destroyed, this, &ChartFileWatch::Forget);
  charts_.push_back(std::move(chart));
  Rewatch();
}

void ChartFileWatch::Forget(const QObject* window) {
  std::erase_if(charts_,
                [window](const std::unique_ptr<Chart>& chart) { return chart->window.isNull() || chart->object == window; });
  Rewatch();
}

ChartFileWatch::Chart* ChartFileWatch::Find(const THolderForm& window) {
  for (const auto& chart : charts_)
    if (chart->window == &window) return chart.get();
  return nullptr;
}

void ChartFileWatch::Rewatch() {
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  QStringList files;
  for (const auto& chart : charts_) {
    if (!chart->window) continue;
    // A chart never saved has a name but no file.
    const QFileInfo file(FileOf(*chart->window));
    if (file.isAbsolute() && file.isFile()) files.append(file.filePath());
  }
  files.removeDuplicates();
  if (!files.isEmpty()) watcher_.addPaths(files);
}

void ChartFileWatch::FileChanged(const QString& path) {
  for (const auto& chart : charts_)
    if (chart->window && FileOf(*chart->window) == path) CheckSoon(*chart->window);
}

void ChartFileWatch::CheckSoon(THolderForm& window) {
  QMetaObject::invokeMethod(
      this,
      [this, window = QPointer<THolderForm>(&window)] {
        if (!window) return;
        Rewatch();
        if (Chart* chart = Find(*window)) Check(*chart);
      },
      Qt::QueuedConnection);
}

void ChartFileWatch::Check(Chart& chart) {
  // Another question on screen: the window's next activation asks.
  if (asking_ || QApplication::activeModalWidget()) return;
  THolderForm& window = *chart.window;
  const BlocksHolderModel& model = window.bh->Model();
  if (model.FModified()) return;
  const std::optional<FileIdentity> now = IdentityOf(model.FileName());
  if (!now || now == chart.seen) return;
  chart.seen = now;
  if (model.FileOnDisk() != DiskState::Changed) return;
  asking_ = true;
  offerReload_(window);
  asking_ = false;
}

}  // namespace quobrix
