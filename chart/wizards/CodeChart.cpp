#include "chart/wizards/CodeChart.h"

#include <algorithm>

#include "chart/wizards/ChartPages.h"
#include "chart/wizards/PascalReader.h"
#include "chart/wizards/PythonReader.h"
#include "chart/wizards/ProgramTokens.h"

namespace quobrix {

namespace {

// Symbol sizes a sheet can hold, whatever a caller asks for.
constexpr SymbolSize kSmallestSymbol{1000, 500};
constexpr SymbolSize kLargestSymbol{10000, 10000};

SymbolSize Sane(SymbolSize size) {
  return {std::clamp(size.width, kSmallestSymbol.width, kLargestSymbol.width),
          std::clamp(size.height, kSmallestSymbol.height, kLargestSymbol.height)};
}

// The chart's sheet, or an A4 one where a damaged chart leaves no room for a symbol.
SheetArea SheetOf(const BlocksHolderModel& chart) {
  const auto& margins = chart.FSheetMargins();
  const SheetArea sheet{chart.SheetWidth(), chart.SheetHeight(), margins.Left, margins.Right, margins.Top, margins.Bottom};
  const bool roomy = margins.Left >= 0 && margins.Right >= 0 && margins.Top >= 0 && margins.Bottom >= 0 &&
                     sheet.width - sheet.left - sheet.right >= kLargestSymbol.width &&
                     sheet.height - sheet.top - sheet.bottom >= kLargestSymbol.height;
  return roomy ? sheet : SheetArea{};
}

// Symbols as the wizards add them: white, with a solid black border one
// unit wide; lines in the chart's default look, labelled ones like symbols.
void AddPlannedBlocks(BlocksHolderModel& chart, const std::vector<PlannedBlock>& blocks) {
  const TBlockTextPlacement place = chart.DefBlockPlace;
  for (const PlannedBlock& b : blocks) {
    const bool plainLine = b.type == btLine && b.text.empty();
    chart.DefBlockPlace = static_cast<TBlockTextPlacement>(b.place);
    chart.AddBlock({.Type = static_cast<TBlockType>(b.type),
                    .Rect = {b.x, b.y, b.w, b.h},
                    .FillColor = plainLine ? chart.DefBlockColor : clWhite,
                    .FillStyle = plainLine ? chart.DefBlockFillStyle : bsSolid,
                    .LineColor = plainLine ? chart.DefBlockBorderColor : clBlack,
                    .LineStyle = plainLine ? chart.DefBlockBorderStyle : psSolid,
                    .LineWidth = plainLine ? chart.DefBlockBorderWidth : 1,
                    .Text = b.text,
                    .LineArrows = static_cast<TBlocksLineArrows>(b.arrows)});
  }
  chart.DefBlockPlace = place;
}

}  // namespace

std::optional<CodeLanguage> CodeLanguageOfFile(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || path.find('/', dot) != std::string_view::npos) return std::nullopt;
  const std::string extension = LowerCase(path.substr(dot));
  if (extension == ".pas" || extension == ".pp" || extension == ".dpr" || extension == ".lpr")
    return CodeLanguage::Pascal;
  if (extension == ".py" || extension == ".pyw") return CodeLanguage::Python;
  return std::nullopt;
}

std::variant<FlowProgram, CodeError> ReadProgram(std::string_view utf8, CodeLanguage language) {
  try {
    return language == CodeLanguage::Pascal ? ReadPascal(utf8) : ReadPython(utf8);
  } catch (const CodeError& error) {
    return error;
  }
}

std::vector<PlannedBlock> PlanCodeChart(const FlowProgram& program, const CodeChartOptions& options,
                                        const BlocksHolderModel& chart) {
  const LayoutStyle style{options.words, Sane(options.symbol), MetricsOf(chart.DefBlockFont)};
  std::vector<Figure> charts{LayOutChart(options.words.begin, program.main, style)};
  for (const FlowRoutine& routine : program.routines) charts.push_back(LayOutChart(routine.header, routine.body, style));
  return ArrangeCharts(charts, SheetOf(chart));
}

std::optional<CodeError> AppendCodeChart(BlocksHolderModel& chart, std::string_view programUtf8,
                                         const CodeChartOptions& options) {
  auto read = ReadProgram(programUtf8, options.language);
  if (const auto* error = std::get_if<CodeError>(&read)) return *error;
  const std::vector<PlannedBlock> blocks = PlanCodeChart(std::get<FlowProgram>(read), options, chart);
  AddPlannedBlocks(chart, blocks);
  const std::int32_t pages = PagesNeeded(blocks, SheetOf(chart), MetricsOf(chart.DefBlockFont).lineHeight);
  if (pages > chart.DocumentPages()) chart.SetDocumentPages(pages);
  return std::nullopt;
}

}  // namespace quobrix
