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

// Pages of the least height a chart from a program is laid out on, with
// narrow margins, in a chart as the chart window starts it: a chart of a
// few statements goes over several of them.
inline void OnShortPages(BlocksHolderModel& chart) {
  chart.ApplyChartWindowValues();
  chart.SetSheetHeight(12000);
  chart.SetSheetMargins({.Left = 1000, .Right = 1000, .Top = 500, .Bottom = 500});
}

inline void AppendProgram(BlocksHolderModel& chart, const std::string& utf8, CodeLanguage language) {
  CodeChartOptions options;
  options.language = language;
  options.words = RussianWords();
  if (const auto error = AppendCodeChart(chart, utf8, options)) ADD_FAILURE() << error->Describe() << "\n" << utf8;
}

// A Pascal program of `rounds` times 12 statements in counted, while and
// repeat loops and decisions, nested four deep.
inline std::string LongPascalProgram(int rounds) {
  std::string text = "program long;\nvar i, j, k, s: integer;\nbegin\n  s := 0;\n";
  for (int n = 0; n < rounds; ++n) {
    text += "  for i := 1 to 3 do\n  begin\n    s := s + i;\n    while s > " + std::to_string(n) +
            " do\n    begin\n      if s mod 2 = 0 then\n        s := s - 1\n      else\n      begin\n"
            "        writeln(s);\n        s := s - 2\n      end;\n      repeat\n        k := k + 1\n"
            "      until k > s\n    end\n  end;\n  if s > 0 then writeln(s) else readln(j);\n";
  }
  return text + "  writeln(s)\nend.\n";
}

// A chart as the chart window starts it, with the program's flowchart appended.
inline void Draw(BlocksHolderModel& chart, const std::string& utf8, CodeLanguage language) {
  chart.ApplyChartWindowValues();
  AppendProgram(chart, utf8, language);
}

}  // namespace quobrix::test
