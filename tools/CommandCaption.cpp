#include "tools/CommandCaption.h"

#include <QAction>
#include <QWidget>

namespace quobrix {

void TitleAfterCommand(QWidget& window, const QAction& command) {
  window.setWindowTitle(command.text());
  QObject::connect(&command, &QAction::changed, &window,
                   [&window, &command] { window.setWindowTitle(command.text()); });
}

}  // namespace quobrix
