#include "chart/wizards/ChartWords.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

#include "chart/Cp1251.h"
#include "chart/wizards/ProgramTokens.h"

namespace quobrix {

namespace {

// In lower case; the wizards' words of the three interface languages first.
const std::map<ChartWord, std::vector<std::string>>& Words() {
  static const auto words = [] {
    const std::map<ChartWord, std::vector<std::string_view>> utf8{
        {ChartWord::Begin, {"начало", "begin", "початок", "start", "старт", "пуск"}},
        {ChartWord::End, {"конец", "end", "кінець", "stop", "стоп"}},
        {ChartWord::Input, {"ввод", "input", "введення", "ввести", "read"}},
        {ChartWord::Output, {"вывод", "output", "виведення", "вывести", "print", "печать", "write"}},
        {ChartWord::Process, {"вычисление", "calculation", "обчислення"}},
        {ChartWord::Yes, {"да", "yes", "так", "+", "true", "истина", "y", "д"}},
        {ChartWord::No, {"нет", "no", "ні", "-", "false", "ложь", "n", "н"}},
    };
    std::map<ChartWord, std::vector<std::string>> cp1251;
    for (const auto& [kind, list] : utf8)
      for (std::string_view word : list) cp1251[kind].push_back(Utf8ToCp1251(word).value_or(""));
    return cp1251;
  }();
  return words;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

bool IsChartWord(std::string_view text, ChartWord kind) {
  std::string word = LowerCase(Trimmed(text));
  if (word.size() > 1 && word.back() == ':') word = Trimmed(word.substr(0, word.size() - 1));
  const std::vector<std::string>& words = Words().at(kind);
  return std::find(words.begin(), words.end(), word) != words.end();
}

bool StripChartWord(std::string& text, ChartWord kind) {
  const std::string lower = LowerCase(text);
  for (const std::string& word : Words().at(kind)) {
    if (lower.compare(0, word.size(), word) != 0) continue;
    const std::size_t after = word.size();
    if (after < text.size() && !IsBlank(text[after]) && text[after] != ':') continue;
    std::string rest = Trimmed(std::string_view(text).substr(after));
    if (!rest.empty() && rest.front() == ':') rest = Trimmed(rest.substr(1));
    text = rest;
    return true;
  }
  return false;
}

}  // namespace quobrix
