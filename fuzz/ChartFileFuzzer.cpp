// Any bytes under a chart file name: loading must end, and what loaded must
// survive saving, reloading and deleting every block.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "chart/BlocksHolderModel.h"
#include "FuzzFile.h"

namespace {

const std::string& FuzzFile() {
  static const std::string path = quobrix::fuzz::InputFileName(".qbs");
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (!quobrix::fuzz::PutFile(FuzzFile(), bytes)) return 0;
  quobrix::BlocksHolderModel chart;
  if (!chart.LoadFromFile(FuzzFile())) return 0;

  const std::string saved = chart.ChartFileText();
  if (!quobrix::fuzz::PutFile(FuzzFile(), saved)) return 0;
  quobrix::BlocksHolderModel again;
  if (!again.LoadFromFile(FuzzFile()) || again.ChartFileText() != saved) std::abort();

  for (std::int64_t n = 1; n <= chart.BlockCount(); ++n) chart.BlockToFragment(chart.Blocks(n));
  while (chart.BlockCount() > 0) chart.DeleteBlock(true, chart.BlockCount() / 2 + 1);
  return 0;
}
