// The Cyrillic code page 1251 that block texts are held in, mapped to and
// from Unicode code points; the user interface and program texts read from
// UTF-8 files cross it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quobrix {

char32_t Cp1251ToCodePoint(unsigned char byte);
// Nothing for a character the code page does not hold.
std::optional<char> CodePointToCp1251(char32_t codePoint);

std::string Cp1251ToUtf8(std::string_view bytes);
// Nothing when the text is not UTF-8 or holds a character outside the code page.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);

}  // namespace quobrix
