// The main window does not wrap its menu bar or its tool bars: it has to be
// wide enough for every item of them in the interface language.
#pragma once

class QMainWindow;

namespace quobrix {

// The width of the window's contents that shows the whole menu bar and each
// whole tool bar, with no item moved behind an extension button.
int WidthShowingEveryItem(const QMainWindow& window);

}  // namespace quobrix
