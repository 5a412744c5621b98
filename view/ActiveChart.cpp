#include "view/ActiveChart.h"

#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

BlocksHolderModel* ActiveChart::Chart() const { return window_ ? &window_->bh->Model() : nullptr; }

void ActiveChart::Set(THolderForm* window) {
  if (window == window_) return;
  Follow(window);
  Announce();
}

void ActiveChart::Announce() {
  emit Switched();
  emit Changed();
}

void ActiveChart::Follow(THolderForm* window) {
  disconnect(chartChanged_);
  disconnect(destroyed_);
  window_ = window;
  if (!window) return;
  chartChanged_ = connect(window, &THolderForm::ChartChanged, this, &ActiveChart::Changed);
  // The window is no longer a chart window by the time it says so.
  destroyed_ = connect(window, &QObject::destroyed, this, [this] {
    Follow(nullptr);
    Announce();
  });
}

}  // namespace quobrix
