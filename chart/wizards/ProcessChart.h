// A process chart: a column of sections the user lists, each an operation,
// a delay, an input or output, an operation under a condition, or a loop
// of operations; no begin or end symbol.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chart/wizards/WizardChart.h"

namespace quobrix {

enum class ProcessSectionKind : std::uint8_t { Operation, Delay, Condition, Loop, InputOutput };

// `condition` is the condition or the loop expression of the two kinds that
// have one; `operation` is the section's own text.
struct ProcessSection {
  ProcessSectionKind kind = ProcessSectionKind::Operation;
  std::string condition;
  std::string operation;
  bool operator==(const ProcessSection&) const = default;
};

struct ProcessChartInput {
  std::vector<ProcessSection> sections;
  std::int64_t symbolWidth = 8000;  // chart units
  std::int64_t symbolHeight = 3000;
};

// A symbol side typed in whole millimetres, in chart units. A text that is
// no whole number, or a side under 1 mm or longer than the sheet's side,
// gives `fallbackMm`.
std::int64_t SymbolSideFromText(std::string_view mm, std::int64_t fallbackMm, std::int64_t sheetSide);

void AppendProcessChart(BlocksHolderModel& chart, const ProcessChartInput& in);

}  // namespace quobrix
