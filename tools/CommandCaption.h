// A window opened by a command is called what the command's menu item says,
// in every language.
#pragma once

class QAction;
class QWidget;

namespace quobrix {

void TitleAfterCommand(QWidget& window, const QAction& command);

}  // namespace quobrix
