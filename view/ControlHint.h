// The hint of a control that shows no caption of its own (a button that
// shows only its picture, a list, a scroll bar): its tool tip, and its name
// for assistive tools.
#pragma once

#include <QString>

class QWidget;

namespace quobrix {

void SetControlHint(QWidget& control, const QString& hint);

}  // namespace quobrix
