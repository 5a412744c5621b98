#include "view/ActiveChart.h"

#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

BlocksHolderModel* ActiveChart::Chart() const { return window_ ? &window_->bh->Model() : nullptr; }

void ActiveChart::Set(THolderForm* window) {
  if (window == window_) return;
  disconnect(chartChanged_);
  disconnect(destroyed_);
  window_ = window;
  if (window) {
    chartChanged_ = connect(window, &THolderForm::ChartChanged, this, &ActiveChart::Changed);
    // By the time a window is destroyed the reference is already empty; the
    // followers still have to hear of it.
    destroyed_ = connect(window, &QObject::destroyed, this, &ActiveChart::Changed);
  }
  emit Changed();
}

}  // namespace quobrix
