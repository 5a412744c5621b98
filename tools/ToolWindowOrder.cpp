#include "tools/ToolWindowOrder.h"

#include <QWidget>
#include <algorithm>

namespace quobrix {

void ToolWindowOrder::BroughtUp(QWidget& window) {
  Forget(window);
  order_.push_back(&window);
}

void ToolWindowOrder::Forget(const QWidget& window) { std::erase(order_, &window); }

bool ToolWindowOrder::Covered(const QWidget& window) const {
  const auto self = std::find(order_.begin(), order_.end(), &window);
  if (self == order_.end()) return false;
  return std::any_of(std::next(self), order_.end(), [&window](const QWidget* above) {
    return above->isVisible() && above->frameGeometry().intersects(window.frameGeometry());
  });
}

void ToolWindowOrder::RaiseAll() const {
  for (QWidget* window : order_)
    if (window->isVisible()) window->raise();
}

}  // namespace quobrix
