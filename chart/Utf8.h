// Reading and writing UTF-8, strictly: overlong forms, surrogates and code
// points beyond U+10FFFF are not UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quobrix {

// The code point that starts at `at`, moving `at` past it; nothing, with
// `at` unchanged, where the bytes there are not UTF-8.
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& at);

void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace quobrix
