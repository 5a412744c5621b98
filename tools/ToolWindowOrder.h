// The order in which the tool windows were last brought up (shown, raised
// or activated), lowest first. The window manager keeps tool windows above
// the chart windows; among themselves the later one lies on top where two
// overlap.
#pragma once

#include <vector>

class QWidget;

namespace quobrix {

class ToolWindowOrder {
 public:
  // The window now lies above every other tool window.
  void BroughtUp(QWidget& window);
  void Forget(const QWidget& window);
  // True when a tool window brought up later covers part of this one.
  bool Covered(const QWidget& window) const;
  // Raises the shown tool windows above whatever window came up since,
  // keeping their order among themselves.
  void RaiseAll() const;

 private:
  std::vector<QWidget*> order_;
};

}  // namespace quobrix
