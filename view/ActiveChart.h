// The one program-wide reference to the active chart window: a chart window
// sets it when activated and it is cleared when the window closes. Tool
// windows follow it through Switched alone; the command table also through
// Changed.
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
  // Another window, or none, became the active one.
  void Switched();
  // The active window changed, or something in its chart that decides which
  // commands can run.
  void Changed();

 private:
  void Follow(THolderForm* window);
  void Announce();

  THolderForm* window_ = nullptr;
  QMetaObject::Connection chartChanged_;
  QMetaObject::Connection destroyed_;
};

}  // namespace quobrix
