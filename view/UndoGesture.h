// Makes whatever a control does to a chart between a mouse press and its
// release one undo point: a drag along a colour strip or a palette that
// recolours on every move, or a double click that acts twice. Installed on
// the control as an event filter; `chart` names the chart the control edits
// at the moment of the press or release, and may name none.
#pragma once

#include <QObject>
#include <functional>

namespace quobrix {

class BlocksHolderModel;

class UndoGesture : public QObject {
  Q_OBJECT

 public:
  UndoGesture(QObject& control, std::function<BlocksHolderModel*()> chart);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<BlocksHolderModel*()> chart_;
};

}  // namespace quobrix
