// Any bytes under a chart file name: loading must end, and what loaded must
// survive saving, reloading and deleting every block.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "chart/BlocksHolderModel.h"
#include "chart/FileIO.h"

namespace {

const std::string& FuzzFile() {
  static const std::string path = "/dev/shm/quobrix-fuzz-" + std::to_string(::getpid()) + ".qbs";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (!quobrix::WriteFileAtomically(FuzzFile(), bytes)) return 0;
  quobrix::BlocksHolderModel chart;
  if (!chart.LoadFromFile(FuzzFile())) return 0;

  const std::string saved = chart.ChartFileText();
  quobrix::WriteFileAtomically(FuzzFile(), saved);
  quobrix::BlocksHolderModel again;
  if (!again.LoadFromFile(FuzzFile()) || again.ChartFileText() != saved) std::abort();

  for (std::int64_t n = 1; n <= chart.BlockCount(); ++n) chart.BlockToFragment(chart.Blocks(n));
  while (chart.BlockCount() > 0) chart.DeleteBlock(true, chart.BlockCount() / 2 + 1);
  return 0;
}
