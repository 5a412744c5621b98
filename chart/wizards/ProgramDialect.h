// Symbol texts in the other language's spelling: a chart drawn from Pascal
// writes "x := a div 2", one drawn from Python "x = a // 2", and people
// write either. The texts are taken apart into words, numbers, strings and
// operators and the operators of the other language are replaced.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quobrix {

struct TextPiece {
  enum Kind : std::uint8_t { Word, Number, String, Symbol } kind = Symbol;
  std::string text;  // code page 1251
  bool spaceBefore = false;
};

// The pieces of a code page 1251 text; an unclosed string runs to its end.
std::vector<TextPiece> TextPieces(std::string_view text);
// The pieces as typed, one blank wherever there was any.
std::string Spelled(const std::vector<TextPiece>& pieces);

enum class TextRole : std::uint8_t {
  Statement,  // an assignment or any other statement
  Condition,  // a value whose "=" compares
  Values,     // arguments, written values: "=" compares unless it names an argument
};

std::string InPascal(std::string_view text, TextRole role);
std::string InPython(std::string_view text, TextRole role);

// Where in the pieces the assignment is: the first ":=", "=" or "+=" ...
// outside brackets; pieces.size() where there is none.
std::size_t AssignmentAt(const std::vector<TextPiece>& pieces);

}  // namespace quobrix
