// The words the wizards and the code charts put into the blocks they make,
// in the current language and in the chart's code page.
#pragma once

#include <string>

#include "chart/wizards/CodeChart.h"
#include "platform/LanguageTable.h"

namespace quobrix {

// The text, or nothing where it has a character the code page lacks.
std::string LanguageWord(TextKey key);

// The begin, end, input, output, yes and no words of the current language.
CodeChartWords CodeChartWordsOfLanguage();

}  // namespace quobrix
