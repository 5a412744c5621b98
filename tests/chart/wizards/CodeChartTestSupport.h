// Shared by the tests of flowcharts drawn from programs.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "chart/Cp1251.h"
#include "chart/wizards/CodeChart.h"

namespace quobrix::test {

// A UTF-8 literal in the code page block texts are held in.
inline std::string Cp(const std::string& utf8) { return Utf8ToCp1251(utf8).value(); }

inline CodeChartWords RussianWords() {
  return {Cp("Начало"), Cp("Конец"), Cp("Ввод"), Cp("Вывод"), Cp("Да"), Cp("Нет")};
}

inline FlowProgram Read(const std::string& utf8, CodeLanguage language) {
  auto read = ReadProgram(utf8, language);
  if (const auto* error = std::get_if<CodeError>(&read)) ADD_FAILURE() << error->Describe() << "\n" << utf8;
  return std::holds_alternative<FlowProgram>(read) ? std::get<FlowProgram>(read) : FlowProgram{};
}

inline CodeError ReadFault(const std::string& utf8, CodeLanguage language) {
  auto read = ReadProgram(utf8, language);
  if (std::holds_alternative<FlowProgram>(read)) ADD_FAILURE() << "read without a fault:\n" << utf8;
  return std::holds_alternative<CodeError>(read) ? std::get<CodeError>(read) : CodeError{};
}

// A chart as the chart window starts it, with the program's flowchart appended.
inline void Draw(BlocksHolderModel& chart, const std::string& utf8, CodeLanguage language) {
  chart.ApplyChartWindowValues();
  CodeChartOptions options;
  options.language = language;
  options.words = RussianWords();
  if (const auto error = AppendCodeChart(chart, utf8, options)) ADD_FAILURE() << error->Describe() << "\n" << utf8;
}

}  // namespace quobrix::test
