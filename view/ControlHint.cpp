#include "view/ControlHint.h"

#include <QComboBox>
#include <QLineEdit>

namespace quobrix {

void SetControlHint(QWidget& control, const QString& hint) {
  control.setToolTip(hint);
  control.setAccessibleName(hint);
  if (auto* list = qobject_cast<QComboBox*>(&control); list && list->lineEdit())
    list->lineEdit()->setAccessibleName(hint);
}

}  // namespace quobrix
