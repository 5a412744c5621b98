// In-place editing of a block's text at the program-wide caret. The caret is
// 1-based; CR LF pairs are stepped over and removed as one character. A caret
// left beyond the text by another block is first brought back inside it.
#pragma once

#include <cstdint>
#include <string>

namespace quobrix {

void CaretLeft(const std::string& text, std::uint16_t& caret);
void CaretRight(const std::string& text, std::uint16_t& caret);
void DeleteBeforeCaret(std::string& text, std::uint16_t& caret);  // Backspace
void DeleteAtCaret(std::string& text, std::uint16_t& caret);      // Delete
void InsertAtCaret(std::string& text, std::uint16_t& caret, char ch);
void InsertLineBreakAtCaret(std::string& text, std::uint16_t& caret);  // Enter

}  // namespace quobrix
