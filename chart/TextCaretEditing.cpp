#include "chart/TextCaretEditing.h"

#include <algorithm>
#include <limits>

namespace quobrix {

namespace {

constexpr std::size_t kMaxCaret = std::numeric_limits<std::uint16_t>::max();

// The caret as a 1-based position within 1..length+1.
std::size_t Within(const std::string& text, std::uint16_t caret) {
  return std::clamp<std::size_t>(caret, 1, text.size() + 1);
}

void Store(std::uint16_t& caret, std::size_t c) { caret = static_cast<std::uint16_t>(std::min(c, kMaxCaret)); }

// The character at a 1-based position, or nothing beyond the text.
char At(const std::string& text, std::size_t c) { return c >= 1 && c <= text.size() ? text[c - 1] : '\0'; }

}  // namespace

void CaretLeft(const std::string& text, std::uint16_t& caret) {
  std::size_t c = Within(text, caret);
  if (c > 1) --c;
  if (At(text, c) == '\n' && c > 1) --c;
  Store(caret, c);
}

void CaretRight(const std::string& text, std::uint16_t& caret) {
  std::size_t c = Within(text, caret);
  if (c <= text.size()) ++c;
  if (At(text, c) == '\n' && c <= text.size()) ++c;
  Store(caret, c);
}

void DeleteBeforeCaret(std::string& text, std::uint16_t& caret) {
  std::size_t c = Within(text, caret);
  if (c > 1) {
    text.erase(c - 2, 1);
    --c;
    if (c > 1 && At(text, c - 1) == '\r') {
      text.erase(c - 2, 1);
      --c;
    }
  }
  Store(caret, c);
}

void DeleteAtCaret(std::string& text, std::uint16_t& caret) {
  const std::size_t c = Within(text, caret);
  if (c <= text.size()) {
    text.erase(c - 1, 1);
    if (At(text, c) == '\n') text.erase(c - 1, 1);
  }
  Store(caret, c);
}

void InsertAtCaret(std::string& text, std::uint16_t& caret, char ch) {
  const std::size_t c = Within(text, caret);
  text.insert(c - 1, 1, ch);
  Store(caret, c + 1);
}

void InsertLineBreakAtCaret(std::string& text, std::uint16_t& caret) {
  const std::size_t c = Within(text, caret);
  text.insert(c - 1, "\r\n");
  Store(caret, c + 2);
}

}  // namespace quobrix
