#include "app/BackgroundChartRead.h"

#include <QApplication>
#include <QProgressDialog>
#include <QThread>
#include <new>

namespace quobrix {

namespace {

constexpr int kProgressSteps = 1000;

int PermilleOf(std::int64_t part, std::int64_t whole) {
  return whole <= 0 ? kProgressSteps : static_cast<int>(std::min<std::int64_t>(part, whole) * kProgressSteps / whole);
}

}  // namespace

BackgroundChartRead::BackgroundChartRead(QWidget& window, const QString& label, std::string path, Done done)
    : QObject(&window), done_(std::move(done)), dialog_(new QProgressDialog(&window)) {
  dialog_->setObjectName(QStringLiteral("OpenProgress"));
  dialog_->setWindowTitle(QApplication::applicationName());
  dialog_->setLabelText(label);
  dialog_->setRange(0, kProgressSteps);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  dialog_->setMinimumDuration(0);
  // The window shows an empty chart meanwhile: nothing may edit or save it.
  dialog_->setWindowModality(Qt::ApplicationModal);
  connect(dialog_, &QProgressDialog::canceled, this, [this] { cancelled_ = true; });
  dialog_->show();

  thread_.reset(QThread::create([this, path = std::move(path)] {
    try {
      read_ = ReadChartFile(path, &stamp_, [this](std::int64_t bytesRead, std::int64_t fileSize) {
        const int permille = PermilleOf(bytesRead, fileSize);
        if (shownPermille_.exchange(permille) != permille)
          QMetaObject::invokeMethod(
              this, [this, permille] { ShowProgress(permille); }, Qt::QueuedConnection);
        return !cancelled_;
      });
    } catch (const std::bad_alloc&) {
      read_.reset();
    }
  }));
  connect(thread_.get(), &QThread::finished, this, &BackgroundChartRead::Finished);
  thread_->start();
}

BackgroundChartRead::~BackgroundChartRead() {
  cancelled_ = true;
  thread_->wait();
}

void BackgroundChartRead::ShowProgress(int permille) { dialog_->setValue(permille); }

void BackgroundChartRead::Finished() {
  dialog_->hide();
  dialog_->deleteLater();
  deleteLater();
  std::optional<ChartFileContents> read = std::move(read_);
  if (cancelled_) read.emplace().Failure = ChartReadFailure::Cancelled;
  done_(std::move(read), std::move(stamp_));
}

}  // namespace quobrix
