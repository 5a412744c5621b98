// Program -> chart -> program: the program written from the flowchart of a
// program reads back into the same statements, for a few hundred random
// programs of each language the code wizard reads; and the same charts
// damaged give a program or a refusal naming one of their symbols.
#include <gtest/gtest.h>

#include <random>

#include "ChartProgramTestSupport.h"
#include "CodeChartTestSupport.h"
#include "RandomProgram.h"

namespace quobrix::test {
namespace {

constexpr unsigned kPrograms = 300;

void ExpectRoundTrip(const std::string& program, CodeLanguage language, bool shortPages = false) {
  BlocksHolderModel chart;
  if (shortPages) {
    OnShortPages(chart);
    AppendProgram(chart, program, language);
  } else {
    Draw(chart, program, language);
  }
  const std::string written = WrittenProgram(chart, language);
  auto reread = ReadProgram(written, language);
  if (const auto* error = std::get_if<CodeError>(&reread)) {
    ADD_FAILURE() << error->Describe() << "\nin the program written:\n" << written << "\nfrom:\n" << program;
    return;
  }
  EXPECT_EQ(Outline(std::get<FlowProgram>(reread)), Outline(Read(program, language))) << "written:\n"
                                                                                      << written << "\nfrom:\n"
                                                                                      << program;
}

TEST(ChartProgramRoundTrip, RandomPascalProgramsComeBack) {
  for (unsigned seed = 1; seed <= kPrograms; ++seed)
    ExpectRoundTrip(RandomProgram(seed).Pascal(), CodeLanguage::Pascal);
}

TEST(ChartProgramRoundTrip, RandomPythonProgramsComeBack) {
  for (unsigned seed = 1; seed <= kPrograms; ++seed)
    ExpectRoundTrip(RandomProgram(seed).Python(), CodeLanguage::Python);
}

// Charts over many pages, the flow going on through off-page connectors.
TEST(ChartProgramRoundTrip, RandomProgramsOverShortPagesComeBack) {
  for (unsigned seed = 1; seed <= kPrograms; ++seed) {
    ExpectRoundTrip(RandomProgram(seed).Pascal(), CodeLanguage::Pascal, true);
    ExpectRoundTrip(RandomProgram(seed).Python(), CodeLanguage::Python, true);
  }
}

TEST(ChartProgramRoundTrip, LongProgramOverPagesComesBack) {
  ExpectRoundTrip(LongPascalProgram(17), CodeLanguage::Pascal);
  ExpectRoundTrip(LongPascalProgram(17), CodeLanguage::Pascal, true);
}

// A block deleted, a line moved or turned round, or a label changed.
void Damage(BlocksHolderModel& chart, std::mt19937& rng) {
  const auto any = [&](std::int64_t n) { return std::uniform_int_distribution<std::int64_t>(1, n)(rng); };
  TBlock& block = chart.Blocks(any(chart.BlockCount()));
  switch (any(4)) {
    case 1: chart.DeleteBlock(false, chart.IndexOfBlock(&block)); break;
    case 2: block.X += any(3000) - 1500; break;
    case 3:
      block.X += block.W, block.Y += block.H, block.W = -block.W, block.H = -block.H;
      block.LineArrows = block.LineArrows == blaSimple ? blaEndArrow : blaSimple;
      break;
    default: block.Text = block.Text.empty() ? Cp("нет") : ""; break;
  }
}

void ExpectProgramOrRefusal(const BlocksHolderModel& chart, CodeLanguage language, const std::string& program) {
  const auto listing = ChartProgramText(chart, language);
  const auto belongs = [&](const TBlock* symbol) { return symbol == nullptr || chart.IndexOfBlock(symbol) != 0; };
  if (const auto* error = std::get_if<ChartFlowError>(&listing)) {
    EXPECT_TRUE(belongs(error->symbol)) << program;
    EXPECT_TRUE(error->symbol || error->fault == ChartFlowFault::NoBegin) << program;
    return;
  }
  for (const ProgramLine& line : std::get<ProgramListing>(listing).lines) EXPECT_TRUE(belongs(line.symbol)) << program;
}

TEST(ChartProgramRoundTrip, DamagedChartsGiveAProgramOrARefusal) {
  std::mt19937 rng(29);
  for (unsigned seed = 1; seed <= kPrograms; ++seed) {
    const bool pascal = seed % 2 == 0;
    const std::string program = pascal ? RandomProgram(seed).Pascal() : RandomProgram(seed).Python();
    const CodeLanguage language = pascal ? CodeLanguage::Pascal : CodeLanguage::Python;
    BlocksHolderModel chart;
    Draw(chart, program, language);
    for (int step = 0; step < 4 && chart.BlockCount() > 0; ++step) {
      Damage(chart, rng);
      ExpectProgramOrRefusal(chart, language, program);
    }
  }
}

}  // namespace
}  // namespace quobrix::test
