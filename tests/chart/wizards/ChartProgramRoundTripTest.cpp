// Program -> chart -> program: the program written from the flowchart of a
// program reads back into the same statements, for a few hundred random
// programs of each language the code wizard reads.
#include <gtest/gtest.h>

#include "ChartProgramTestSupport.h"
#include "CodeChartTestSupport.h"
#include "RandomProgram.h"

namespace quobrix::test {
namespace {

constexpr unsigned kPrograms = 300;

void ExpectRoundTrip(const std::string& program, CodeLanguage language) {
  BlocksHolderModel chart;
  Draw(chart, program, language);
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

}  // namespace
}  // namespace quobrix::test
