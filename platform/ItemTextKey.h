// The role under which an item of a list keeps the language-file key of its
// text, so a translated window can name the items of the lists it holds.
#pragma once

#include <Qt>

namespace quobrix {

inline constexpr int kItemTextKeyRole = Qt::UserRole + 64;

}  // namespace quobrix
