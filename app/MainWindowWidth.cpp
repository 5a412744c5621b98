#include "app/MainWindowWidth.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <algorithm>

namespace quobrix {

int WidthShowingEveryItem(const QMainWindow& window) {
  int width = window.menuBar()->sizeHint().width();
  for (const QToolBar* bar : window.findChildren<QToolBar*>(Qt::FindDirectChildrenOnly))
    width = std::max(width, bar->sizeHint().width());
  return width;
}

}  // namespace quobrix
