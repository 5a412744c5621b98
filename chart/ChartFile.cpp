// Reading and writing the chart file and the chart fragment.
#include <unordered_map>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartFormat.h"
#include "chart/FileIO.h"
#include "chart/PictureExporter.h"
#include "render/DeviceGeometry.h"

namespace quobrix {

namespace {

void AppendLine(std::string& out, std::string_view line) { out.append(line).append(kLineEnd); }

// Block numbers of the owners, found once for the whole list.
class OwnerNumbers {
 public:
  explicit OwnerNumbers(const BlocksHolderModel& chart) {
    for (std::int64_t n = 1; n <= chart.BlockCount(); ++n)
      if (chart.Blocks(n).IsContainer() || !chart.Blocks(n).Members.empty()) numbers_[&chart.Blocks(n)] = n;
  }
  std::int64_t Of(const TBlock* owner) const {
    const auto it = numbers_.find(owner);
    return it == numbers_.end() ? 0 : it->second;
  }

 private:
  std::unordered_map<const TBlock*, std::int64_t> numbers_;
};

void WriteChartKeys(std::string& out, const BlocksHolderModel& chart) {
  AppendLine(out, "Author=" + EncodeLineBreaks(chart.Author()));
  AppendLine(out, "Description=" + EncodeLineBreaks(chart.Description()));
  AppendLine(out, "Organization=" + EncodeLineBreaks(chart.Organization()));
  AppendLine(out, "DocumentPages=" + std::to_string(chart.DocumentPages()));
  AppendLine(out, "SheetColor=" + std::to_string(chart.SheetColor()));
  AppendLine(out, "SheetWidth=" + std::to_string(chart.SheetWidth()));
  AppendLine(out, "SheetHeight=" + std::to_string(chart.SheetHeight()));
  AppendLine(out, "ZoomPercents=" + std::to_string(chart.ZoomPercents()));
}

// Applies lines 3 to 10 through the property setters; false at the first
// number that does not parse, leaving what was applied before it.
bool ReadChartKeys(LineReader& lines, BlocksHolderModel& chart) {
  auto value = [&] { return std::string(ValueOf(lines.Next().value_or(""))); };
  chart.SetAuthor(DecodeLineBreaks(value()));
  chart.SetDescription(DecodeLineBreaks(value()));
  chart.SetOrganization(DecodeLineBreaks(value()));
  const auto pages = ParseInt64(value());
  if (!pages) return false;
  chart.SetDocumentPages(static_cast<std::int32_t>(*pages));
  const auto color = ParseInt64(value());
  if (!color) return false;
  chart.SetSheetColor(static_cast<TColor>(*color));
  const auto width = ParseInt64(value());
  if (!width) return false;
  chart.SetSheetWidth(*width);
  const auto height = ParseInt64(value());
  if (!height) return false;
  chart.SetSheetHeight(*height);
  const auto zoom = ParseInt64(value());
  if (!zoom) return false;
  chart.SetZoomPercents(*zoom);
  return true;
}

// One block section. False ends the reading: no section start, a section cut
// off by the end of the file, too few values or a number that does not parse.
bool ReadBlock(LineReader& lines, BlocksHolderModel& chart, std::vector<std::int64_t>& ownerNumbers,
               BlockValues& values) {
  if (lines.Next() != kBlockData) return false;
  values.clear();
  for (;;) {
    const auto line = lines.Next();
    if (!line) return false;
    if (*line == kSectionEnd) break;
    values.push_back(ValueOf(*line));
  }
  auto block = std::make_unique<TBlock>();
  std::int64_t owner = 0;
  if (!BlockFromValues(values, *block, owner)) return false;
  chart.AppendBlock(std::move(block));
  ownerNumbers.push_back(owner);
  return true;
}

// Ties every block to the container its kept number names. A number outside
// the list or naming the block itself means no owner, and an owner chain that
// would close a loop is cut, so no later walk up the owners can go round.
void ResolveOwners(BlocksHolderModel& chart, std::vector<std::int64_t>& ownerNumbers) {
  const std::int64_t n = chart.BlockCount();
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
    chart.Blocks(k).Members.push_back(&chart.Blocks(i));
    chart.Blocks(i).Owner = &chart.Blocks(k);
  }
}

}  // namespace

std::string BlocksHolderModel::ChartFileText() const {
  std::string out;
  out.reserve(static_cast<std::size_t>(BlockCount()) * 200 + 256);
  AppendLine(out, kChartHeader);
  AppendLine(out, kChartData);
  WriteChartKeys(out, *this);
  AppendLine(out, kSectionEnd);
  const OwnerNumbers owners(*this);
  for (std::int64_t n = 1; n <= BlockCount(); ++n) WriteBlockKeys(out, Blocks(n), owners.Of(Blocks(n).Owner));
  AppendLine(out, kChartEnd);
  return out;
}

bool BlocksHolderModel::SaveToFile(const std::string& path) {
  const std::string ext = UpperExtension(path);
  bool saved = false;
  if (ext == ".QBS")
    saved = WriteFileAtomically(path, ChartFileText());
  else if (PictureExporter* exporter = InstalledPictureExporter())
    saved = exporter->Export(*this, path, ext);
  if (!saved) return false;
  fileName_ = path;
  FModified = false;
  return true;
}

bool BlocksHolderModel::LoadFromFile(const std::string& path) {
  if (!IsRegularFile(path)) return false;
  if (!blocks_.empty()) ClearBlocks();
  if (UpperExtension(path) == ".QBS") {
    const auto bytes = ReadWholeFile(path);
    LineReader lines(bytes ? std::string_view(*bytes) : std::string_view());
    if (!bytes || lines.Next() != kChartHeader) {
      if (!bytes) DoDebug("Ошибка загрузки из файла.");
      Repaint();
      return false;
    }
    lines.Next();
    if (!ReadChartKeys(lines, *this)) {
      DoDebug("Ошибка загрузки из файла.");
      Repaint();
      return false;
    }
    lines.Next();
    std::vector<std::int64_t> ownerNumbers;
    BlockValues scratch;
    while (ReadBlock(lines, *this, ownerNumbers, scratch)) {
    }
    ResolveOwners(*this, ownerNumbers);
  }
  fileName_ = path;
  DoDebug("Загрузка из файла прошла успешно.");
  Repaint();
  return true;
}

std::string BlocksHolderModel::BlockToFragment(const TBlock& block) const {
  std::string out;
  AppendLine(out, kChartHeader);
  if (block.BT == btSelection)
    for (const TBlock* member : block.Members) WriteBlockValues(out, *member, IndexOfBlock(member->Owner));
  WriteBlockValues(out, block, IndexOfBlock(block.Owner));
  AppendLine(out, kChartEnd);
  return out;
}

bool BlocksHolderModel::LoadFragment(const std::string& text) {
  LineReader lines(text);
  if (lines.Next() != kChartHeader) return false;
  std::vector<TBlock*> read;
  for (;;) {
    const auto start = lines.Next();
    if (!start) return false;
    if (*start == kChartEnd) break;
    BlockValues values;
    for (auto line = lines.Next(); line != kSectionEnd; line = lines.Next()) {
      if (!line) return false;
      values.push_back(*line);
    }
    auto block = std::make_unique<TBlock>();
    std::int64_t ignoredOwner = 0;
    if (!BlockFromValues(values, *block, ignoredOwner)) return false;
    // Wrapping, as drawing does: a damaged fragment may hold any number.
    block->X = WrapAdd(block->X, posGridSize_);
    block->Y = WrapAdd(block->Y, posGridSize_);
    read.push_back(&AppendBlock(std::move(block)));
  }
  if (read.size() >= 2) {
    TBlock* container = read.back();
    read.pop_back();
    for (TBlock* member : read) {
      container->Members.push_back(member);
      member->Owner = container;
    }
  }
  return true;
}

}  // namespace quobrix
