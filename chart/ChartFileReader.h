// Reading a chart file into a state of its own, so that a file that cannot
// be read leaves the chart it was meant for as it was.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "chart/BlockType.h"
#include "chart/FileStamp.h"
#include "chart/StreamLineReader.h"

namespace quobrix {

// OutOfMemory: the file is larger than the memory left could read (see
// AvailableMemory.h); it is refused before reading. Cancelled: the caller's
// ReadProgress stopped the reading.
enum class ChartReadFailure : std::uint8_t {
  None, Unreadable, TooLarge, OutOfMemory, WrongHeader, BadChartSection, Cancelled
};

// The chart section's values as written, and the blocks with their owners
// resolved. A damaged block ends the block list, keeping the blocks before
// it, and the place is noted so the user can be told; only the header and
// the chart section can make the whole file fail.
struct ChartFileContents {
  ChartReadFailure Failure = ChartReadFailure::None;
  // The line (from 1) at which damage ended the block list: a value that
  // does not parse, the end of a short section, a line where a section
  // should start, or the line after the last when the file is cut short.
  // 0 when the list ran to its end mark.
  std::int64_t DamagedAtLine = 0;
  std::string Author, Description, Organization;
  std::int64_t DocumentPages = 1;
  std::int64_t SheetColor = 0;
  std::int64_t SheetWidth = 1;
  std::int64_t SheetHeight = 1;
  std::int64_t ZoomPercents = 1;
  BlockList Blocks;
};

// What a load found, for the callers that tell the user about it.
struct ChartReadReport {
  ChartReadFailure Failure = ChartReadFailure::None;
  std::int64_t DamagedAtLine = 0;  // as in ChartFileContents
  std::int64_t BlocksRead = 0;
};

ChartFileContents ParseChartFile(std::string_view text);
ChartFileContents ParseChartFile(const TextPieces& pieces);

// Told, on the reading thread, how many bytes of a file of `fileSize` have
// been read, after every piece; false stops the reading.
using ReadProgress = std::function<bool(std::int64_t bytesRead, std::int64_t fileSize)>;

// Reads the file a piece at a time, never holding more than a piece of it.
// `stamp`, when given, receives the stamp of the bytes read.
ChartFileContents ReadChartFile(const std::string& path, FileStamp* stamp = nullptr, const ReadProgress& progress = {});

}  // namespace quobrix
