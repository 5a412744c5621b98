// Block texts are held as bytes of the Cyrillic code page 1251; the user
// interface speaks Unicode. These convert at that boundary.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace quobrix {

char16_t Cp1251ToUnicode(unsigned char byte);
// Nothing for a character the code page does not hold.
std::optional<char> UnicodeToCp1251(char32_t codePoint);

QString Cp1251ToUnicode(std::string_view bytes);
// Nothing when any character is outside the code page.
std::optional<std::string> UnicodeToCp1251(const QString& text);

}  // namespace quobrix
