// What the structure wizards share: the words they label symbols with, a
// section the user ticks and fills in, and the way they add symbols and
// lines to a chart.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "chart/BlocksHolderModel.h"

namespace quobrix {

// The words of the chart's symbols, in code page 1251.
struct WizardWords {
  std::string begin, end, input, output, process, yes, no;
};

// A part of a chart the user may leave out, with the text typed for it
// (lines separated by CR LF, code page 1251).
struct WizardSection {
  bool on = true;
  std::string text;
};

// The lines of a typed text: none for an empty text, and a line break at
// the very end starts no line of its own.
std::int64_t LineCount(std::string_view text);

// A word above the user's text, as the symbols show them.
std::string Captioned(const std::string& word, const std::string& text);

// Appends blocks in the wizards' look: symbols white with a solid black
// border one unit wide, connecting lines in the chart's default look, and
// labelled lines like symbols with their label under them. Texts take the
// chart's default font and alignment.
class WizardChart {
 public:
  explicit WizardChart(BlocksHolderModel& chart) : chart_(chart) {}

  void Symbol(TBlockType type, const BlockRect& rect, std::string text);
  void Line(const BlockRect& rect);
  void LabelledLine(const BlockRect& rect, std::string text);
  // Removes the connecting line added last; nothing when none was added.
  void DeleteLastLine();

 private:
  BlocksHolderModel& chart_;
  std::int64_t lastLine_ = 0;
};

}  // namespace quobrix
