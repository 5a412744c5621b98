#pragma once

#include <cstdint>

namespace quobrix {

// The 1-based insertion position of in-place text editing: one value for the
// whole program, so switching chart windows keeps it.
extern std::uint16_t TextCaretPos;

}  // namespace quobrix
