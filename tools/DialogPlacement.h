// Where a dialog opened for a chart window shows: over the middle of that
// window, kept on the window's screen.
#pragma once

class QWidget;

namespace quobrix {

void CentreOver(QWidget& dialog, const QWidget& window);

}  // namespace quobrix
