// Breaks a text into the lines a word-wrapping text box shows: at its own
// line breaks (CR LF, LF or CR) and between words where the next word would
// pass the width. A word wider than the width keeps a line of its own.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quobrix {

std::vector<std::string> WrapWords(const std::string& text, int width,
                                   const std::function<int(const std::string&)>& measure);

}  // namespace quobrix
