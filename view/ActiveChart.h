// The one program-wide reference to the active chart window: a chart window
// sets it when activated and it is cleared when the window closes. Commands
// and tool windows act on it and follow it through Changed.
#pragma once

#include <QObject>

namespace quobrix {

class BlocksHolderModel;
class THolderForm;

class ActiveChart : public QObject {
  Q_OBJECT

 public:
  THolderForm* Window() const { return window_; }
  // The chart of the active window, or null.
  BlocksHolderModel* Chart() const;

  // Another window (or none) becomes the active one.
  void Set(THolderForm* window);

 signals:
  // The active window changed, or something changed in its chart.
  void Changed();

 private:
  void Follow(THolderForm* window);

  THolderForm* window_ = nullptr;
  QMetaObject::Connection chartChanged_;
  QMetaObject::Connection destroyed_;
};

}  // namespace quobrix
