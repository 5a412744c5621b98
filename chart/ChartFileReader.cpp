#include "chart/ChartFileReader.h"

#include <utility>
#include <vector>

#include "chart/AvailableMemory.h"
#include "chart/ChartFormat.h"
#include "chart/ContentHash.h"
#include "chart/FileIO.h"
#include "chart/StreamLineReader.h"

namespace quobrix {

namespace {

// Lines 3 to 10; false at the first number that does not parse.
bool ReadChartKeys(StreamLineReader& lines, ChartFileContents& chart) {
  auto value = [&] { return std::string(ValueOf(lines.Next().value_or(""))); };
  chart.Author = DecodeLineBreaks(value());
  chart.Description = DecodeLineBreaks(value());
  chart.Organization = DecodeLineBreaks(value());
  for (std::int64_t* number :
       {&chart.DocumentPages, &chart.SheetColor, &chart.SheetWidth, &chart.SheetHeight, &chart.ZoomPercents}) {
    const auto parsed = ParseInt64(value());
    if (!parsed) return false;
    *number = *parsed;
  }
  return true;
}

enum class BlockRead : std::uint8_t { Added, ListEnd, Damaged };

// One block section. Anything but a whole section or the end mark ends the
// reading: `damagedAt` then names the line at fault.
BlockRead ReadBlock(StreamLineReader& lines, BlockList& blocks, std::vector<std::int64_t>& ownerNumbers,
                    std::int64_t& damagedAt) {
  const auto start = lines.Next();
  if (start == kChartEnd) return BlockRead::ListEnd;
  auto damaged = [&](std::int64_t line) {
    damagedAt = line;
    return BlockRead::Damaged;
  };
  if (start != kBlockData) return damaged(start ? lines.LineNumber() : lines.LineNumber() + 1);
  const std::int64_t firstValueLine = lines.LineNumber() + 1;
  auto block = std::make_unique<TBlock>();
  BlockSectionReader section(*block);
  for (;;) {
    const auto line = lines.Next();
    if (!line) return damaged(lines.LineNumber() + 1);
    if (*line == kSectionEnd) break;
    section.Add(ValueOf(*line));
  }
  std::int64_t owner = 0;
  std::size_t failedValue = 0;
  if (!section.Finish(owner, &failedValue)) return damaged(firstValueLine + static_cast<std::int64_t>(failedValue));
  blocks.push_back(std::move(block));
  ownerNumbers.push_back(owner);
  return BlockRead::Added;
}

// Ties every block to the container its kept number names. A number outside
// the list or naming the block itself means no owner, and an owner chain that
// would close a loop is cut, so no later walk up the owners can go round.
void ResolveOwners(BlockList& blocks, std::vector<std::int64_t>& ownerNumbers) {
  const auto n = static_cast<std::int64_t>(blocks.size());
  auto block = [&](std::int64_t i) -> TBlock& { return *blocks[static_cast<std::size_t>(i - 1)]; };
  for (std::int64_t i = 1; i <= n; ++i) {
    std::int64_t& k = ownerNumbers[static_cast<std::size_t>(i - 1)];
    if (k < 1 || k > n || k == i) k = 0;
  }
  enum : std::uint8_t { kUnseen, kOnPath, kDone };
  std::vector<std::uint8_t> state(static_cast<std::size_t>(n) + 1, kUnseen);
  for (std::int64_t start = 1; start <= n; ++start) {
    std::int64_t i = start;
    while (i != 0 && state[static_cast<std::size_t>(i)] == kUnseen) {
      state[static_cast<std::size_t>(i)] = kOnPath;
      std::int64_t& k = ownerNumbers[static_cast<std::size_t>(i - 1)];
      if (k != 0 && state[static_cast<std::size_t>(k)] == kOnPath) k = 0;
      i = k;
    }
    for (i = start; i != 0 && state[static_cast<std::size_t>(i)] == kOnPath;
         i = ownerNumbers[static_cast<std::size_t>(i - 1)])
      state[static_cast<std::size_t>(i)] = kDone;
  }
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::int64_t k = ownerNumbers[static_cast<std::size_t>(i - 1)];
    if (k == 0) continue;
    block(k).Members.push_back(&block(i));
    block(i).Owner = &block(k);
  }
}

ChartFileContents Failed(ChartReadFailure failure) {
  ChartFileContents contents;
  contents.Failure = failure;
  return contents;
}

}  // namespace

ChartFileContents ParseChartFile(const TextPieces& pieces) {
  StreamLineReader lines(pieces);
  if (lines.Next() != kChartHeader) return Failed(ChartReadFailure::WrongHeader);
  lines.Next();
  ChartFileContents contents;
  if (!ReadChartKeys(lines, contents)) return Failed(ChartReadFailure::BadChartSection);
  lines.Next();
  std::vector<std::int64_t> ownerNumbers;
  BlockRead read = BlockRead::Added;
  while (read == BlockRead::Added) read = ReadBlock(lines, contents.Blocks, ownerNumbers, contents.DamagedAtLine);
  ResolveOwners(contents.Blocks, ownerNumbers);
  return contents;
}

ChartFileContents ParseChartFile(std::string_view text) {
  return ParseChartFile([text]() mutable { return std::exchange(text, {}); });
}

ChartFileContents ReadChartFile(const std::string& path, FileStamp* stamp, const ReadProgress& progress) {
  // Taken before the read: a file replaced meanwhile then differs from the
  // stamp in its identity, and the comparison goes on to the bytes.
  const auto identity = IdentityOf(path);
  if (identity && identity->size > kLargestReadableFile) return Failed(ChartReadFailure::TooLarge);
  if (identity && !ChartFitsInMemory(identity->size, AvailableMemory())) return Failed(ChartReadFailure::OutOfMemory);
  FilePieces file(path);
  if (!identity || !file.Ok()) return Failed(ChartReadFailure::Unreadable);
  ContentHash hash;
  std::int64_t bytesRead = 0;
  bool stopped = false;
  const TextPieces pieces = [&]() -> std::string_view {
    const std::string_view piece = stopped ? std::string_view() : file.Next();
    hash.Add(piece);
    bytesRead += static_cast<std::int64_t>(piece.size());
    stopped = stopped || bytesRead > kLargestReadableFile ||
              (progress && !piece.empty() && !progress(bytesRead, identity->size));
    return stopped ? std::string_view() : piece;
  };
  ChartFileContents contents = ParseChartFile(pieces);
  // The stamp is of the whole file, also where damage ended the reading early.
  if (contents.Failure == ChartReadFailure::None)
    while (!pieces().empty()) continue;
  if (bytesRead > kLargestReadableFile) return Failed(ChartReadFailure::TooLarge);
  if (!file.Ok()) return Failed(ChartReadFailure::Unreadable);
  if (stopped) return Failed(ChartReadFailure::Cancelled);
  if (stamp) *stamp = {path, *identity, hash.Value()};
  return contents;
}

}  // namespace quobrix
