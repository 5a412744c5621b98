#include "chart/TextCaret.h"

namespace quobrix {

std::uint16_t TextCaretPos = 0;

}  // namespace quobrix
