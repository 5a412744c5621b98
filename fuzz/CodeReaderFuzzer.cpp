// Any bytes as a program in either language: reading must end with a chart
// or a fault placed inside the text, never a crash or a hang.
#include <cstdint>
#include <string_view>

#include "chart/wizards/CodeChart.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view program(reinterpret_cast<const char*>(data), size);
  for (const auto language : {quobrix::CodeLanguage::Pascal, quobrix::CodeLanguage::Python}) {
    quobrix::BlocksHolderModel chart;
    quobrix::CodeChartOptions options;
    options.language = language;
    options.words = {"Begin", "End", "Input", "Output", "Yes", "No"};
    if (const auto error = quobrix::AppendCodeChart(chart, program, options)) {
      if (error->line < 1 || error->column < 1 || static_cast<std::size_t>(error->line) > size + 1) __builtin_trap();
      error->Describe();
    }
  }
  return 0;
}
