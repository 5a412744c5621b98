#pragma once

#include <QIcon>

namespace quobrix {

// The picture of a main-window tool-bar button, by the button's name.
QIcon ToolBarPicture(const char* buttonName);

}  // namespace quobrix
