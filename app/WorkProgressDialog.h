// The progress of long work in the editor (printing, exporting a picture of
// many pages): a modal progress dialog with Cancel over the chart's window,
// installed for the work while it lives. It shows only when the work runs
// longer than a moment.
#pragma once

#include <QProgressDialog>

#include "chart/WorkProgress.h"

namespace quobrix {

class WorkProgressDialog : public WorkProgress {
 public:
  WorkProgressDialog(QWidget& window, const QString& label);

  bool Step(std::int64_t done, std::int64_t total) override;
  bool Cancelled() const { return dialog_.wasCanceled(); }
  QProgressDialog& Dialog() { return dialog_; }

 private:
  QProgressDialog dialog_;
  ScopedWorkProgress installed_{*this};
};

}  // namespace quobrix
