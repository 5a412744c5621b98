#include "view/UndoGesture.h"

#include <QEvent>

#include "chart/BlocksHolderModel.h"

namespace quobrix {

UndoGesture::UndoGesture(QObject& control, std::function<BlocksHolderModel*()> chart)
    : QObject(&control), chart_(std::move(chart)) {
  control.installEventFilter(this);
}

bool UndoGesture::eventFilter(QObject*, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
  if (!press && type != QEvent::MouseButtonRelease) return false;
  if (BlocksHolderModel* chart = chart_()) {
    if (press)
      chart->History().BeginGesture();
    else
      chart->History().EndGesture();
  }
  return false;
}

}  // namespace quobrix
