#include "chart/wizards/CodeChart.h"

#include <algorithm>
#include <limits>

#include "chart/wizards/PageConnectors.h"
#include "chart/wizards/PascalReader.h"
#include "chart/wizards/ProgramTokens.h"
#include "chart/wizards/PythonReader.h"

namespace quobrix {

namespace {

constexpr std::int64_t kChartGap = 2000;  // between charts side by side, and below a page's top margin
constexpr std::int64_t kAxisGrid = 100;   // axes stand on whole millimetres

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
  const TBlockTextPlacement place = chart.DefBlockPlace();
  for (const PlannedBlock& b : blocks) {
    const bool plainLine = b.type == btLine && b.text.empty();
    chart.SetDefBlockPlace(static_cast<TBlockTextPlacement>(b.place));
    chart.AddBlock({.Type = static_cast<TBlockType>(b.type),
                    .Rect = {b.x, b.y, b.w, b.h},
                    .FillColor = plainLine ? chart.DefBlockColor() : clWhite,
                    .FillStyle = plainLine ? chart.DefBlockFillStyle() : bsSolid,
                    .LineColor = plainLine ? chart.DefBlockBorderColor() : clBlack,
                    .LineStyle = plainLine ? chart.DefBlockBorderStyle() : psSolid,
                    .LineWidth = plainLine ? chart.DefBlockBorderWidth() : 1,
                    .Text = b.text,
                    .LineArrows = static_cast<TBlocksLineArrows>(b.arrows)});
  }
  chart.SetDefBlockPlace(place);
}

// The pages the blocks reach into, texts under lines included.
std::int64_t PagesNeeded(const std::vector<PlannedBlock>& blocks, const SheetArea& sheet, std::int64_t lineHeight) {
  std::int64_t bottom = 0;
  for (const PlannedBlock& b : blocks)
    bottom = std::max(bottom, b.y + std::max<std::int64_t>(b.h, 0) + (b.text.empty() ? 0 : lineHeight));
  return PageOf(std::max<std::int64_t>(bottom - 1, 0), sheet) + 1;
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
  if (utf8.size() > kLongestProgram) return CodeFault(CodeErrorKind::TooLong, 1, 1);
  try {
    return language == CodeLanguage::Pascal ? ReadPascal(utf8) : ReadPython(utf8);
  } catch (const CodeError& error) {
    return error;
  }
}

// Charts side by side while they fit the page's width, centred on it; the
// next row starts on the page after the lowest chart of the row above. Each
// chart's flow goes from page to page through off-page connectors.
std::vector<PlannedBlock> PlanCodeChart(const FlowProgram& program, const CodeChartOptions& options,
                                        const BlocksHolderModel& chart) {
  const SheetArea sheet = SheetOf(chart);
  const LayoutStyle style{options.words, Sane(options.symbol), MetricsOf(chart.DefBlockFont()), WithOffPageRoom(sheet)};
  std::vector<std::pair<const std::string*, const FlowSequence*>> sources{{&options.words.begin, &program.main}};
  for (const FlowRoutine& routine : program.routines) sources.emplace_back(&routine.header, &routine.body);
  const std::int64_t printable = sheet.width - sheet.left - sheet.right;
  std::vector<PlannedBlock> placed;
  std::int64_t rowTop = sheet.top + kChartGap;
  std::size_t next = 0;
  while (next < sources.size()) {
    std::vector<Figure> row;
    std::int64_t rowWidth = 0;
    for (; next < sources.size(); ++next) {
      Figure figure = LayOutChart(*sources[next].first, *sources[next].second, style, rowTop);
      const std::int64_t width = figure.left + figure.right;
      if (!row.empty() && rowWidth + kChartGap + width > printable) break;
      rowWidth += (row.empty() ? 0 : kChartGap) + width;
      row.push_back(std::move(figure));
    }
    std::int64_t x = sheet.left + std::max<std::int64_t>(0, (printable - rowWidth) / 2);
    x -= x % kAxisGrid;
    std::int64_t rowBottom = rowTop;
    for (const Figure& figure : row) {
      for (PlannedBlock block : figure.blocks) {
        block.x += x + figure.left;
        block.y += rowTop;
        placed.push_back(std::move(block));
      }
      rowBottom = std::max(rowBottom, rowTop + figure.height);
      x += figure.left + figure.right + kChartGap;
    }
    rowTop = BandTop(PageOf(rowBottom, sheet) + 1, sheet) + kChartGap;
  }
  ConnectAcrossPages(placed, sheet);
  return placed;
}

std::optional<CodeError> AppendCodeChart(BlocksHolderModel& chart, std::string_view programUtf8,
                                         const CodeChartOptions& options) {
  auto read = ReadProgram(programUtf8, options.language);
  if (const auto* error = std::get_if<CodeError>(&read)) return *error;
  const std::vector<PlannedBlock> blocks = PlanCodeChart(std::get<FlowProgram>(read), options, chart);
  AddPlannedBlocks(chart, blocks);
  const std::int64_t pages = PagesNeeded(blocks, SheetOf(chart), MetricsOf(chart.DefBlockFont()).lineHeight);
  if (pages > chart.DocumentPages())
    chart.SetDocumentPages(static_cast<std::int32_t>(std::min<std::int64_t>(pages, std::numeric_limits<std::int32_t>::max())));
  return std::nullopt;
}

}  // namespace quobrix
