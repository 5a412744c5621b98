#pragma once

namespace quobrix {

// The dynamic property that gives an action shown as a tool-bar button
// under another name (the button's component name) than its menu item's.
inline constexpr char kToolBarNameProperty[] = "toolBarName";

}  // namespace quobrix
