// The words flowcharts are labelled with, as the wizards of every interface
// language write them and as people draw them by hand, for reading a chart
// back into a program.
#pragma once

#include <string>
#include <string_view>

namespace quobrix {

enum class ChartWord : unsigned char { Begin, End, Input, Output, Process, Yes, No };

// Whether the code page 1251 text is one of the words of `kind`, in any
// letter case, blanks and a closing colon aside.
bool IsChartWord(std::string_view text, ChartWord kind);

// Takes a leading word of `kind` off the text ("Ввод a, b" leaves "a, b");
// false, and the text as it was, where it does not start with one.
bool StripChartWord(std::string& text, ChartWord kind);

// The text without blanks, tabs and line breaks at either end.
std::string Trimmed(std::string_view text);

}  // namespace quobrix
