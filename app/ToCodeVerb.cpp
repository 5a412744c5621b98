#include "app/ToCodeVerb.h"

#include <cstdio>

#include "app/VerbSupport.h"
#include "chart/BlocksHolderModel.h"
#include "chart/Cp1251.h"
#include "chart/FileIO.h"
#include "chart/wizards/ProgramWriter.h"

namespace quobrix {

namespace {

std::string Millimetres(std::int64_t units) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", double(units) / 100);
  return text;
}

// "symbol 12 "x > 0" at 50.0, 80.0 mm": its number, its text on one line and its top left corner.
std::string SymbolPlace(const BlocksHolderModel& chart, const TBlock* symbol) {
  if (!symbol) return "the chart";
  std::string text;
  for (char c : Cp1251ToUtf8(symbol->Text))
    if (c != '\r') text += c == '\n' ? ' ' : c;
  const std::size_t first = text.find_first_not_of(' ');
  text = first == std::string::npos ? "" : text.substr(first);
  return "symbol " + std::to_string(chart.IndexOfBlock(symbol)) + " \"" + text + "\" at " + Millimetres(symbol->X) +
         ", " + Millimetres(symbol->Y) + " mm";
}

}  // namespace

int WriteProgramOfChart(const std::string& chartPath, const std::string& out) {
  const auto language = CodeLanguageOfFile(out);
  if (!language) return Fail("not a program file to write: " + out + " (use .pas or .py)");
  BlocksHolderModel chart;
  if (auto failure = LoadChart(chart, chartPath)) return Fail(*failure);
  const auto listing = ChartProgramText(chart, *language);
  if (const auto* error = std::get_if<ChartFlowError>(&listing))
    return Fail(chartPath + ": " + error->Message() + ", " + SymbolPlace(chart, error->symbol));
  if (!WriteFileAtomically(out, std::get<ProgramListing>(listing).Text())) return Fail("cannot write " + out);
  return 0;
}

}  // namespace quobrix
