#include "app/AutoSave.h"

#include <QDir>
#include <QFile>
#include <algorithm>

#include "chart/BlocksHolderModel.h"
#include "chart/RecoveryFolder.h"
#include "view/ChartDocument.h"
#include "view/ProgramSettings.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

namespace {

constexpr int kLongestIntervalSeconds = 24 * 60 * 60;

}  // namespace

AutoSave::AutoSave(const QString& root, ProgramSettings& settings, QObject* parent)
    : QObject(parent), settings_(settings), root_(QDir::cleanPath(root)) {
  connect(&timer_, &QTimer::timeout, this, &AutoSave::WriteDueCopies);
  connect(&settings_, &ProgramSettings::OptionsChanged, this, &AutoSave::FollowInterval);
  FollowInterval();
}

AutoSave::~AutoSave() = default;

void AutoSave::FollowInterval() {
  const int seconds = std::clamp(settings_.Options().AutoSaveSeconds, 0, kLongestIntervalSeconds);
  if (seconds == 0) {
    timer_.stop();
  } else if (!timer_.isActive() || timer_.interval() != seconds * 1000) {
    timer_.start(seconds * 1000);
  }
}

void AutoSave::Follow(THolderForm& window) {
  const int id = window.Document().RecoveryNumber = nextId_++;
  connect(&window.Document(), &ChartDocument::RecoveryCopyObsolete, this, [this, id] {
    if (session_) session_->RemoveCopy(id);
  });
  connect(&window, &QObject::destroyed, this, [this, id] { Forget(id); });
  charts_.push_back(std::make_unique<Chart>(Chart{.id = id, .window = &window}));
}

void AutoSave::Forget(int id) {
  if (session_) session_->RemoveCopy(id);
  std::erase(queue_, id);
  std::erase_if(charts_, [id](const std::unique_ptr<Chart>& chart) { return chart->id == id; });
}

AutoSave::Chart* AutoSave::Find(int id) {
  for (const auto& chart : charts_)
    if (chart->id == id) return chart.get();
  return nullptr;
}

void AutoSave::WriteDueCopies() {
  if (Writing()) return;
  for (const auto& chart : charts_)
    if (chart->window && chart->window->Document().RecoveryCopyDue() && chart->window->Document().IsModified())
      queue_.push_back(chart->id);
  if (Writing()) QTimer::singleShot(0, this, &AutoSave::WriteNext);
}

void AutoSave::WriteNext() {
  if (queue_.empty()) return;
  const int id = queue_.front();
  queue_.pop_front();
  if (Chart* chart = Find(id); chart && chart->window && chart->window->Document().IsModified()) WriteCopy(*chart);
  if (Writing()) QTimer::singleShot(0, this, &AutoSave::WriteNext);
}

bool AutoSave::WriteCopyNow(THolderForm& window) {
  for (const auto& chart : charts_)
    if (chart->window == &window) return WriteCopy(*chart);
  return false;
}

bool AutoSave::WriteCopy(Chart& chart) {
  if (!session_) session_ = RecoverySession::Open(QFile::encodeName(root_).toStdString());
  ChartDocument& document = chart.window->Document();
  if (!session_ || !session_->WriteCopy(document.RecoveryNumber, document.Chart())) return false;
  document.RecoveryCopyWritten();
  return true;
}

void AutoSave::KeepCopiesForNextStart() {
  timer_.stop();
  queue_.clear();
  bool unsaved = false;
  for (const auto& chart : charts_) {
    if (!chart->window || !chart->window->Document().IsModified()) continue;
    unsaved = true;
    // A copy that cannot be written now leaves the one of the last round.
    WriteCopy(*chart);
  }
  if (unsaved && session_) session_->Leave();
  session_.reset();
}

QString AutoSave::Folder() const { return session_ ? QFile::decodeName(session_->Folder().c_str()) : QString(); }

}  // namespace quobrix
