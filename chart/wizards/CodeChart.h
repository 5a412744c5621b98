// A flowchart drawn from a program's text: the main program and each
// routine as a chart of its own, laid out as a teacher draws them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "chart/BlocksHolderModel.h"
#include "chart/wizards/CodeError.h"
#include "chart/wizards/FlowLayout.h"
#include "chart/wizards/FlowProgram.h"

namespace quobrix {

enum class CodeLanguage : std::uint8_t { Pascal, Python };

// By the extension, in any letter case: .pas .pp .dpr .lpr for Pascal, .py .pyw for Python.
std::optional<CodeLanguage> CodeLanguageOfFile(std::string_view path);

struct CodeChartOptions {
  CodeLanguage language = CodeLanguage::Pascal;
  SymbolSize symbol;      // the smallest symbol; wider text widens a symbol up to twice this
  CodeChartWords words;   // begin, end, input, output, yes, no in code page 1251
};

// The program read into what its flowchart shows, or its first fault.
std::variant<FlowProgram, CodeError> ReadProgram(std::string_view utf8, CodeLanguage language);

// The blocks of the program's flowchart on the chart's sheet, in its default font.
std::vector<PlannedBlock> PlanCodeChart(const FlowProgram& program, const CodeChartOptions& options,
                                        const BlocksHolderModel& chart);

// Appends the flowchart of the UTF-8 program text to `chart` and lets the
// chart grow to the pages it needs; on a fault appends nothing and returns it.
std::optional<CodeError> AppendCodeChart(BlocksHolderModel& chart, std::string_view programUtf8,
                                         const CodeChartOptions& options);

}  // namespace quobrix
