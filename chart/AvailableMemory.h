// How much more memory this process may take, and whether reading a chart
// file fits in it. A chart that cannot fit is refused before it is read:
// reading it would take long and end in failure all the same.
#pragma once

#include <cstdint>
#include <optional>

namespace quobrix {

// What reading a chart file of `fileSize` bytes takes at most: the bytes
// themselves and the blocks made of them. Measured at 2.0 to 2.5 times the
// size, for charts of a million small blocks and for one huge text alike.
std::int64_t MemoryToReadChart(std::int64_t fileSize);

// Whether reading a chart file of `fileSize` bytes fits in `available`
// bytes. Where nothing is known about the memory, the reading is tried.
bool ChartFitsInMemory(std::int64_t fileSize, std::optional<std::int64_t> available);

// What this process may still take: the memory the system has available,
// swap included, and no more than the address-space limit leaves when one
// is set. Nothing when the system does not say.
std::optional<std::int64_t> AvailableMemory();

}  // namespace quobrix
