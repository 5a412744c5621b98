// Any text pasted as a chart fragment: reading must end, and the chart must
// stay whole enough to copy and delete what was pasted.
#include <cstdint>
#include <string>

#include "chart/BlocksHolderModel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quobrix::BlocksHolderModel chart;
  chart.AddDefaultBlock(quobrix::btRectangle, 0, 0, 1000, 1000);
  chart.AddDefaultBlock(quobrix::btLine, 0, 0, 1000, -1000);
  chart.LoadFragment(std::string(reinterpret_cast<const char*>(data), size));
  for (std::int64_t n = 1; n <= chart.BlockCount(); ++n) chart.BlockToFragment(chart.Blocks(n));
  chart.ChartFileText();
  while (chart.BlockCount() > 0) chart.DeleteBlock(true, chart.BlockCount());
  return 0;
}
