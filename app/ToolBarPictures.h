#pragma once

#include <QIcon>

namespace quobrix {

// The picture of a main-window tool-bar button, by the button's name.
QIcon ToolBarPicture(const char* buttonName);
// The picture with a mark for unsaved changes in its top right corner.
QIcon WithUnsavedMark(const QIcon& picture);

}  // namespace quobrix
