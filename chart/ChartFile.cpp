// Reading and writing the chart file and the chart fragment.
#include <algorithm>
#include <unordered_map>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartEdit.h"
#include "chart/ChartFileReader.h"
#include "chart/ChartFormat.h"
#include "chart/ContentHash.h"
#include "chart/DeviceGeometry.h"
#include "chart/FileIO.h"
#include "chart/PictureExporter.h"

namespace quobrix {

namespace {

void AppendLine(std::string& out, std::string_view line) { out.append(line).append(kLineEnd); }

// Block numbers of the owners among blocks 1..count, found once for the whole list.
class OwnerNumbers {
 public:
  OwnerNumbers(const BlocksHolderModel& chart, std::int64_t count) {
    for (std::int64_t n = 1; n <= count; ++n)
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

// What the text of a chart of `count` blocks usually takes.
std::size_t TypicalTextSize(std::int64_t count) { return static_cast<std::size_t>(count) * 240 + 256; }

// Hands the text of a chart file holding blocks 1..count to `sink` a piece
// of about kPiece bytes at a time, so a save never builds the whole file in
// memory; false as soon as the sink refuses a piece.
template <class Sink>
bool WriteChartFile(const BlocksHolderModel& chart, std::int64_t count, Sink&& sink) {
  constexpr std::size_t kPiece = 1 << 20;
  std::string out;
  // A piece and the block that ends it, or the whole of a smaller chart: an
  // undo step of a small chart must not take a megabyte.
  out.reserve(std::min(TypicalTextSize(count), kPiece + kPiece / 4));
  AppendLine(out, kChartHeader);
  AppendLine(out, kChartData);
  WriteChartKeys(out, chart);
  AppendLine(out, kSectionEnd);
  const OwnerNumbers owners(chart, count);
  for (std::int64_t n = 1; n <= count; ++n) {
    WriteBlockKeys(out, chart.Blocks(n), owners.Of(chart.Blocks(n).Owner));
    if (out.size() < kPiece) continue;
    if (!sink(std::string_view(out))) return false;
    out.clear();
  }
  AppendLine(out, kChartEnd);
  return sink(std::string_view(out));
}

std::string ChartFileTextOf(const BlocksHolderModel& chart, std::int64_t count) {
  std::string text;
  text.reserve(TypicalTextSize(count));
  WriteChartFile(chart, count, [&](std::string_view piece) {
    text.append(piece);
    return true;
  });
  return text;
}

}  // namespace

std::string BlocksHolderModel::ChartFileText() const { return ChartFileTextOf(*this, BlockCount()); }

std::string BlocksHolderModel::EditedStateText() const {
  return ChartFileTextOf(*this, MultiSelection() ? BlockCount() - 1 : BlockCount());
}

bool BlocksHolderModel::WriteChartCopy(const std::string& path, FileStamp* stamp) const {
  AtomicFileWriter file(path);
  ContentHash hash;
  const auto write = [&](std::string_view piece) {
    if (stamp) hash.Add(piece);
    return file.Write(piece);
  };
  const bool written = WriteChartFile(*this, BlockCount(), write) && file.Commit();
  if (written && stamp) *stamp = {path, file.CommittedIdentity(), hash.Value()};
  return written;
}

bool BlocksHolderModel::SaveToFile(const std::string& path, PictureExporter* pictures) {
  const std::string ext = UpperExtension(path);
  if (ext != ".QBS") {
    // A picture is a copy of the chart, not the chart: the chart keeps its
    // own file and its unsaved changes.
    return pictures && pictures->Export(*this, path, ext);
  }
  FileStamp stamp;
  if (!WriteChartCopy(path, &stamp)) return false;
  HeldNotices hold(*this);
  SetFileName(path);
  fileStamp_ = std::move(stamp);
  SetModified(false);
  return true;
}

bool BlocksHolderModel::LoadFromFile(const std::string& path, ChartReadReport* report) {
  if (!IsRegularFile(path)) return false;
  FileStamp stamp;
  ChartFileContents read = ReadChartFile(path, &stamp);
  return LoadRead(path, std::move(read), std::move(stamp), report);
}

bool BlocksHolderModel::LoadRead(const std::string& path, ChartFileContents read, FileStamp stamp,
                                 ChartReadReport* report) {
  HeldNotices hold(*this);
  if (!Readable(read, report)) return false;
  ReplaceWith(std::move(read), StructureChange::Loaded);
  SetFileName(path);
  fileStamp_ = std::move(stamp);
  history_.ChartMarkedSaved();
  return true;
}

bool BlocksHolderModel::ReloadFromFile(ChartReadReport* report) {
  FileStamp stamp;
  ChartFileContents read = ReadChartFile(fileName_, &stamp);
  if (!Readable(read, report)) return false;
  ChartEdit edit(*this);
  edit.Changing();
  ReplaceWith(std::move(read), StructureChange::Loaded);
  fileStamp_ = std::move(stamp);
  SetModified(false);
  return true;
}

DiskState BlocksHolderModel::FileOnDisk() const {
  return fileStamp_ && fileStamp_->path == fileName_ ? fileStamp_->OnDisk() : DiskState::AsStamped;
}

bool BlocksHolderModel::Readable(const ChartFileContents& read, ChartReadReport* report) const {
  if (report) *report = {read.Failure, read.DamagedAtLine, static_cast<std::int64_t>(read.Blocks.size())};
  if (read.Failure == ChartReadFailure::None) return true;
  if (read.Failure != ChartReadFailure::WrongHeader) DoDebug("Ошибка загрузки из файла.");
  return false;
}

void BlocksHolderModel::ReplaceWith(ChartFileContents read, StructureChange how) {
  HeldNotices hold(*this);
  if (!blocks_.empty()) activeBlock_ = 0;
  attachedLines_.clear();
  if (!openEdit_) history_.ChartChangedUnrecorded();
  // The version before an edit that reads a file still has the blocks.
  for (auto& block : blocks_)
    if (openEdit_) openEdit_->Removed(std::move(block));
  blocks_ = std::move(read.Blocks);
  SetAuthor(read.Author);
  SetDescription(read.Description);
  SetOrganization(read.Organization);
  SetDocumentPages(static_cast<std::int32_t>(read.DocumentPages));
  SetSheetColor(static_cast<TColor>(read.SheetColor));
  SetSheetWidth(read.SheetWidth);
  SetSheetHeight(read.SheetHeight);
  SetZoomPercents(read.ZoomPercents);
  DoDebug("Загрузка из файла прошла успешно.");
  NotifyStructure(how);
}

std::string BlocksHolderModel::BlockToFragment(const TBlock& block) const {
  std::string out;
  AppendLine(out, kChartHeader);
  if (block.BT == btSelection)
    for (const TBlock* member : FlatMembers(block)) WriteBlockValues(out, *member, IndexOfBlock(member->Owner));
  WriteBlockValues(out, block, IndexOfBlock(block.Owner));
  AppendLine(out, kChartEnd);
  return out;
}

namespace {

// The blocks of a fragment, moved by `shift` to the right and down, into
// `read`; false where the text breaks off or is no fragment, with the blocks
// read before the break in `read`.
bool ReadFragment(const std::string& text, std::int64_t shift, BlockList& read) {
  LineReader lines(text);
  if (lines.Next() != kChartHeader) return false;
  for (;;) {
    const auto start = lines.Next();
    if (!start) return false;
    if (*start == kChartEnd) return true;
    BlockValues values;
    for (auto line = lines.Next(); line != kSectionEnd; line = lines.Next()) {
      if (!line) return false;
      values.push_back(*line);
    }
    auto block = std::make_unique<TBlock>();
    std::int64_t ignoredOwner = 0;
    if (!BlockFromValues(values, *block, ignoredOwner)) return false;
    // Wrapping, as drawing does: a damaged fragment may hold any number.
    block->X = WrapAdd(block->X, shift);
    block->Y = WrapAdd(block->Y, shift);
    read.push_back(std::move(block));
  }
}

}  // namespace

bool BlocksHolderModel::LoadFragment(const std::string& text) {
  BlockList read;
  const bool complete = ReadFragment(text, posGridSize_, read);
  if (complete && read.size() >= 2) {
    TBlock* container = read.back().get();
    for (auto member = read.begin(); member + 1 != read.end(); ++member) {
      container->Members.push_back(member->get());
      (*member)->Owner = container;
    }
  }
  // A fragment that breaks off keeps the blocks read before the break.
  if (read.empty()) return complete;
  Changing();
  for (auto& block : read) AppendBlock(std::move(block));
  NotifyStructure(StructureChange::Added);
  return complete;
}

}  // namespace quobrix
