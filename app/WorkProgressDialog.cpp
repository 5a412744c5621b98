#include "app/WorkProgressDialog.h"

#include <QApplication>
#include <algorithm>

namespace quobrix {

namespace {

constexpr int kProgressSteps = 1000;
constexpr int kShowAfterMilliseconds = 500;

}  // namespace

WorkProgressDialog::WorkProgressDialog(QWidget& window, const QString& label) : dialog_(&window) {
  dialog_.setObjectName(QStringLiteral("WorkProgress"));
  dialog_.setWindowTitle(QApplication::applicationName());
  dialog_.setLabelText(label);
  dialog_.setRange(0, kProgressSteps);
  dialog_.setAutoClose(false);
  dialog_.setAutoReset(false);
  dialog_.setMinimumDuration(kShowAfterMilliseconds);
  // Modal, so the dialog takes the events the work lets through: Cancel
  // among them, and no edit of the chart being printed.
  dialog_.setWindowModality(Qt::WindowModal);
  dialog_.setValue(0);
}

bool WorkProgressDialog::Step(std::int64_t done, std::int64_t total) {
  if (dialog_.wasCanceled()) return false;
  // The dialog lets events through on each new value, so it is told only
  // when the shown step moves: a picture of a million blocks costs a
  // thousand redraws, not a million.
  const int step =
      total <= 0 ? kProgressSteps : static_cast<int>(std::clamp<std::int64_t>(done, 0, total) * kProgressSteps / total);
  if (step != dialog_.value()) dialog_.setValue(step);
  return !dialog_.wasCanceled();
}

}  // namespace quobrix
