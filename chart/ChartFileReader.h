// Reading a chart file into a state of its own, so that a file that cannot
// be read leaves the chart it was meant for as it was.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "chart/BlockType.h"

namespace quobrix {

enum class ChartReadFailure : std::uint8_t { None, Unreadable, WrongHeader, BadChartSection };

// The chart section's values as written, and the blocks with their owners
// resolved. A damaged block ends the block list quietly; only the header and
// the chart section can make the whole file fail.
struct ChartFileContents {
  ChartReadFailure Failure = ChartReadFailure::None;
  std::string Author, Description, Organization;
  std::int64_t DocumentPages = 1;
  std::int64_t SheetColor = 0;
  std::int64_t SheetWidth = 1;
  std::int64_t SheetHeight = 1;
  std::int64_t ZoomPercents = 1;
  BlockList Blocks;
};

ChartFileContents ParseChartFile(std::string_view text);
ChartFileContents ReadChartFile(const std::string& path);

}  // namespace quobrix
