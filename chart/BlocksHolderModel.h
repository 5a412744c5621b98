// The chart held by one chart canvas: chart-level properties, the ordered
// block list numbered 1..N, the active block, containers, file and fragment
// I/O, editing commands and page drawing, with its undo history beside it.
// The widget TBlocksHolder in view/ owns one and shows it; this side knows no
// toolkit. Every change is announced to the subscribed observers. Edits go
// through a ChartEdit (chart/ChartEdit.h): the setters below, called inside
// one, record its undo point at their first real change.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chart/BlockIndex.h"
#include "chart/BlockType.h"
#include "chart/ChartNotice.h"
#include "chart/FileStamp.h"
#include "chart/NewBlock.h"
#include "chart/UndoHistory.h"

namespace quobrix {

struct ChartFileContents;
struct ChartReadReport;
class ChartClipboard;
struct ClipboardContents;
struct ClipboardPicture;
class ChartEdit;
class PictureExporter;

// The sheet sides a user may choose, in hundredths of a millimetre: 1 mm
// to 100 m, so a page stays within the view's pixel coordinates at every zoom.
constexpr std::int64_t kSmallestSheetSide = 100;
constexpr std::int64_t kLargestSheetSide = 10'000'000;

class BlocksHolderModel {
 public:
  BlocksHolderModel();
  ~BlocksHolderModel();
  BlocksHolderModel(const BlocksHolderModel&) = delete;
  BlocksHolderModel& operator=(const BlocksHolderModel&) = delete;

  // The values the chart window stores for its canvas, over the constructor's.
  void ApplyChartWindowValues();

  // ----- notifications out
  // The observer hears every notice until the subscription is dropped.
  [[nodiscard]] ChartSubscription Subscribe(std::function<void(const ChartNotice&)> observer);
  bool FDebugMessages() const { return debugMessages_; }
  void SetDebugMessages(bool v) { debugMessages_ = v; }

  // OnActiveBlockChanged with the current active block.
  void DoActiveBlockChanged();
  // OnDebug, only while FDebugMessages() is on.
  void DoDebug(const std::string& msg) const;

  // Unsaved changes; switching it is announced. Setting it counts as an
  // edit, clearing it makes the chart as it is the saved state (UndoHistory).
  bool FModified() const { return modified_; }
  void SetModified(bool v);

  // ----- chart-level properties
  const std::string& ComponentVersion() const;
  const std::string& Description() const { return description_; }
  const std::string& Author() const { return author_; }
  const std::string& Organization() const { return organization_; }
  void SetDescription(const std::string& v);
  void SetAuthor(const std::string& v);
  void SetOrganization(const std::string& v);

  bool ViewOnly() const { return viewOnly_; }
  void SetViewOnly(bool v);

  std::int64_t HorzResolution() const { return horzResolution_; }
  std::int64_t VertResolution() const { return vertResolution_; }
  std::int64_t SheetWidth() const { return sheetWidth_; }
  std::int64_t SheetHeight() const { return sheetHeight_; }
  std::int64_t ZoomPercents() const { return zoomPercents_; }
  TColor SheetColor() const { return sheetColor_; }
  TRulers Rulers() const { return rulers_; }
  std::int32_t DocumentPages() const { return documentPages_; }
  // Resolutions and zoom stay at 1 or more, so conversions never divide by zero.
  void SetHorzResolution(std::int64_t v);
  void SetVertResolution(std::int64_t v);
  void SetSheetWidth(std::int64_t v);
  void SetSheetHeight(std::int64_t v);
  void SetZoomPercents(std::int64_t v);
  void SetSheetColor(TColor v);
  void SetRulers(TRulers v);
  void SetDocumentPages(std::int32_t v);

  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& v);
  std::int64_t PosGridSize() const { return posGridSize_; }
  void SetPosGridSize(std::int64_t v);

  // Defaults for new blocks: stored only, no undo point, no repaint.
  TColor DefBlockColor() const { return defBlockColor_; }
  TBrushStyle DefBlockFillStyle() const { return defBlockFillStyle_; }
  TColor DefBlockBorderColor() const { return defBlockBorderColor_; }
  std::int64_t DefBlockBorderWidth() const { return defBlockBorderWidth_; }
  TPenStyle DefBlockBorderStyle() const { return defBlockBorderStyle_; }
  const TBlockFont& DefBlockFont() const { return defBlockFont_; }
  TAlignment DefBlockTextAlign() const { return defBlockTextAlign_; }
  TBlockTextPlacement DefBlockPlace() const { return defBlockPlace_; }
  void SetDefBlockColor(TColor v) { defBlockColor_ = v; }
  void SetDefBlockFillStyle(TBrushStyle v) { defBlockFillStyle_ = v; }
  void SetDefBlockBorderColor(TColor v) { defBlockBorderColor_ = v; }
  void SetDefBlockBorderWidth(std::int64_t v) { defBlockBorderWidth_ = v; }
  void SetDefBlockBorderStyle(TPenStyle v) { defBlockBorderStyle_ = v; }
  void SetDefBlockFont(const TBlockFont& v) { defBlockFont_ = v; }
  void SetDefBlockTextAlign(TAlignment v) { defBlockTextAlign_ = v; }
  void SetDefBlockPlace(TBlockTextPlacement v) { defBlockPlace_ = v; }
  // The ends of a line added with the defaults (a line drawn by hand).
  TBlocksLineArrows DefLineArrows() const { return defLineArrows_; }
  void SetDefLineArrows(TBlocksLineArrows v) { defLineArrows_ = v; }

  // Drawing modes of mouse editing; stay false while ViewOnly.
  bool DrawingLineByHand() const { return drawingLineByHand_; }
  bool DrawingMLineByHand() const { return drawingMLineByHand_; }
  bool DrawingBlockByHand() const { return drawingBlockByHand_; }
  void SetDrawingLineByHand(bool v);
  void SetDrawingMLineByHand(bool v);
  void SetDrawingBlockByHand(bool v);
  // The symbol a drawing by hand adds.
  std::uint8_t DrawedBlockType() const { return drawedBlockType_; }
  void SetDrawedBlockType(std::uint8_t v) { drawedBlockType_ = v; }

  // ----- unpublished chart state
  struct SheetMargins {
    std::int64_t Left = 1000, Right = 1000, Top = 1000, Bottom = 1000;
    bool operator==(const SheetMargins&) const = default;
  };
  const SheetMargins& FSheetMargins() const { return sheetMargins_; }
  void SetSheetMargins(const SheetMargins& margins);
  // Whether aligning a selection moves its lines too.
  bool FAlignLines() const { return alignLines_; }
  void SetAlignLines(bool v) { alignLines_ = v; }

  // ----- block list
  std::int64_t BlockCount() const { return static_cast<std::int64_t>(blocks_.size()); }
  const BlockList& List() const { return blocks_; }
  // Block n, 1 <= n <= BlockCount().
  TBlock& Blocks(std::int64_t n) { return *blocks_[static_cast<std::size_t>(n - 1)]; }
  const TBlock& Blocks(std::int64_t n) const { return *blocks_[static_cast<std::size_t>(n - 1)]; }
  // The number of the referenced block in 1..N, 0 for none or a block not in the list.
  std::int64_t IndexOfBlock(const TBlock* block) const;
  // The numbers, ascending, of the blocks whose drawing or hit area
  // (BlockReach) may meet `area`, found through the spatial index.
  std::vector<std::int64_t> BlocksNear(const ChartArea& area) const { return index_.Near(area); }

  std::int64_t ActiveBlock() const { return activeBlock_; }
  // Stores and announces a selection change when the number differs; this
  // alone is no OnActiveBlockChanged.
  void SetActiveBlock(std::int64_t n);
  // The active block, or null when ActiveBlock is 0 or names no block of the list.
  TBlock* ActiveBlockPtr();
  const TBlock* ActiveBlockPtr() const;

  // Appends a block and returns its number; a multi-selection standing last
  // is dissolved first.
  std::int64_t AddBlock(const NewBlock& block);
  // A block in the chart's default look, with no text.
  std::int64_t AddDefaultBlock(std::uint8_t type, std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h);

  // Selecting is no edit: making and dissolving a multi-selection leave the
  // modified flag, the undo points and the redo list alone, and the undo
  // history keeps the chart without it.
  // The multi-selection container standing last, or null.
  const TBlock* MultiSelection() const;
  // Removes a multi-selection container standing last, leaving its members.
  void DissolveMultiSelection();
  // Adds a multi-selection container over the given blocks (numbers in list
  // order) with the rectangle it was made from, and makes it active. Blocks
  // that belong to a group stay with it.
  void MakeMultiSelection(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h,
                          const std::vector<std::int64_t>& members);

  bool DeleteBlock(bool withMembers, std::int64_t n);
  bool DeleteActiveBlock(bool withMembers);

  // ----- chart file and fragments
  // Writes the chart file and takes `path` as the chart's file, its changes
  // saved; a picture extension exports a picture through `pictures` and
  // changes neither (without an exporter, such a save fails).
  bool SaveToFile(const std::string& path, PictureExporter* pictures = nullptr);
  // Reads a chart file whatever its name; a file that does not start with
  // the chart header fails and leaves the chart as it was. `report`, when
  // given, says why a load failed or where damage cut the block list short.
  bool LoadFromFile(const std::string& path, ChartReadReport* report = nullptr);
  // Takes what ReadChartFile read from `path` (on another thread, say) the
  // way LoadFromFile takes the file: a failed read leaves the chart as it was.
  bool LoadRead(const std::string& path, ChartFileContents read, FileStamp stamp, ChartReadReport* report = nullptr);
  // Reads the chart's own file again over it as one undoable step, so the
  // chart as it was stays an undo away; the chart then is its file's, with
  // no unsaved changes. A file that cannot be read leaves the chart as it was.
  bool ReloadFromFile(ChartReadReport* report = nullptr);
  // Whether the chart's file still holds what this chart last read from it
  // or saved to it; AsStamped when the chart has no such file (new, made
  // from a template, restored from an autosave copy under its file's name).
  DiskState FileOnDisk() const;
  std::string BlockToFragment(const TBlock& block) const;
  // Appends a fragment's blocks a grid step right of and below where they
  // were copied from, several as a container owning the others; false where
  // the text breaks off, keeping the blocks read before the break.
  bool LoadFragment(const std::string& text);
  // The chart file's bytes, as SaveToFile writes them.
  std::string ChartFileText() const;
  // The same without the multi-selection, whose members then belong to
  // nothing: the chart as edits and the undo history see it.
  std::string EditedStateText() const;
  // Writes the chart file to `path` the way SaveToFile does, whatever the
  // extension, but as a copy: the file name and the modified flag stay.
  // `stamp`, when given, receives the stamp of the written file.
  bool WriteChartCopy(const std::string& path, FileStamp* stamp = nullptr) const;

  // ----- pages (chart/PageBlocks.cpp; drawn by render/PageDrawing.h)
  // Whether any part of block n's vertical extent lies in page p's band,
  // bounds included; false for a page the chart does not have.
  bool IsBlockOnPage(std::int32_t page, std::int64_t n) const;

  // ----- undo history
  UndoHistory& History() { return history_; }
  const UndoHistory& History() const { return history_; }
  void Undo() { history_.Undo(); }
  void Redo() { history_.Redo(); }

  // ----- block editing commands on the active block (chart/EditCommands.cpp);
  // one that would leave every block it reaches as it is records nothing
  void SetBlockX(std::int64_t v);
  void SetBlockY(std::int64_t v);
  void SetBlockW(std::int64_t v);
  void SetBlockH(std::int64_t v);
  void SetBlockMC(TColor v);
  void SetBlockBC(TColor v);
  void SetBlockFS(TBrushStyle v);
  void SetBlockBS(TPenStyle v);
  void SetBlockBW(std::int64_t v);
  void SetBlockTA(TAlignment v);
  void SetBlockTP(TBlockTextPlacement v);
  void SetBlockLineArrows(TBlocksLineArrows v);
  void SetBlockFont(const TBlockFont& font);
  // The text colour alone: each target keeps its own face, size and style.
  void SetBlockFontColor(TColor v);
  std::string BlockText() const;
  void SetBlockText(const std::string& text);
  // Copies the active block into `dest`; false, leaving it alone, when there is none.
  bool Block(TBlock& dest) const;
  void SetBlock(const TBlock& record);
  const TBlockFont* GetBlockFont() const;
  void GroupSelection();
  void UngroupBlock();
  void BringToFront(std::int64_t n);
  void SendToBack(std::int64_t n);
  void AlignSelection(int kind);

  // ----- mouse edits of the active block (chart/DragCommands.cpp); a drag
  // is one gesture of History(), so its steps share one undo point, and a
  // step that changes nothing leaves the chart unmodified
  struct AttachedLine {
    TBlock* line;
    int end;  // 1 start, 2 end
  };
  // The lines with just one end within `tolerance` of block n's outline (not
  // deep inside it); they follow its moves until the next AttachLines or
  // DetachLines.
  void AttachLines(std::int64_t n, std::int64_t tolerance);
  void DetachLines() { attachedLines_.clear(); }
  const std::vector<AttachedLine>& FAttachedLines() const { return attachedLines_; }
  // Moves the active block: a container with its members, any other block
  // with the attached line ends; square-based symbols come out square.
  void MoveActiveBlock(std::int64_t dX, std::int64_t dY, bool withAttachedLines);
  // Drags a corner of the active block (1 top-left, 2 top-right, 3
  // bottom-left, 4 bottom-right). The bottom-right corner moves a point,
  // scales a container's members along and, with `straighten`, lays a line
  // that is nearly level or upright straight.
  void DragActiveCorner(int corner, std::int64_t dX, std::int64_t dY, bool straighten);

  // ----- in-place typing into the active block at TextCaretPos
  // (chart/TypingCommands.cpp); false when there is no active block
  enum class TextKey : std::uint8_t { LineBreak, Backspace, Delete };
  bool InsertTextAtCaret(char ch);
  bool EditTextAtCaret(TextKey key);
  // The 1-based insertion position in the active block's text. Each chart
  // keeps its own, so a window switched back to types where it left off.
  std::uint16_t& TextCaretPos() { return textCaretPos_; }
  std::uint16_t TextCaretPos() const { return textCaretPos_; }

  // ----- sheet and document commands (chart/SheetCommands.cpp): each checks
  // what it is given, records one undo point and changes the values together;
  // false, changing nothing, for a value the chart cannot take. Values the
  // chart has already record nothing.
  // Sides from kSmallestSheetSide to kLargestSheetSide, in hundredths of a millimetre.
  bool ChangeSheetSize(std::int64_t width, std::int64_t height);
  // The sheet's size and margins at once; margins lie from 0 to kLargestSheetSide.
  bool ChangePageSetup(std::int64_t width, std::int64_t height, const SheetMargins& margins);
  // Author, organization and description at once; nothing is recorded when
  // all three are as they were.
  void ChangeDocumentInfo(const std::string& author, const std::string& organization,
                          const std::string& description);
  // The sheet's colour; nothing is recorded when it is the colour already.
  void ChangeSheetColor(TColor color);

  // ----- search (chart/BlockSearch.cpp)
  // Selects block n; scrolling it into view is the view's part.
  void GoToBlock(std::int64_t n);
  // Gives the numbered blocks their new texts as one undo point; nothing is
  // recorded when no text changes.
  using BlockTexts = std::vector<std::pair<std::int64_t, std::string>>;
  void ReplaceBlockTexts(const BlockTexts& texts);

  // ----- clipboard (chart/ClipboardCommands.cpp)
  bool CopyToClipboard(ChartClipboard& clipboard);
  bool CutToClipboard(ChartClipboard& clipboard);
  bool PasteFromClipboard(ChartClipboard& clipboard);
  bool PasteFragment(const std::string& text);
  // What a copy of `block` puts on the clipboard.
  ClipboardContents ClipboardContentsOf(const TBlock& block) const;
  // The picture of `block` the copy makes, drawn at `resolution` pixels per
  // 100 mm in both directions.
  ClipboardPicture PictureOfBlock(const TBlock& block, std::int64_t resolution) const;

 private:
  friend class UndoHistory;
  friend class ChartEdit;
  friend class VersionDelta;

  // Notices wait while an operation made of others runs, so observers only
  // ever see a chart whose change is complete.
  class HeldNotices {
   public:
    explicit HeldNotices(BlocksHolderModel& chart);
    ~HeldNotices();
    HeldNotices(const HeldNotices&) = delete;
    HeldNotices& operator=(const HeldNotices&) = delete;

   private:
    BlocksHolderModel& chart_;
  };
  // Holding without a scope, for ChartEdit: the number of notices held
  // before; dropping the notices held after such a number, which then only
  // the block index hears, as the chart they told of is gone.
  std::size_t HoldNotices();
  void ReleaseNotices();
  void DropNoticesFrom(std::size_t held);
  void Notify(ChartNotice notice) const;
  void Notify(ChartChange kind) const;
  void NotifyStructure(StructureChange how);
  void NotifyView(ViewChange what);
  // A change of the fields of these blocks, all of them in the list.
  void NotifyBlocksChanged(const std::vector<const TBlock*>& changed);
  static std::vector<const TBlock*> ItselfAndMembers(const TBlock& block);

  // Says whether `read` can replace the chart, noting a failure; fills `report`.
  bool Readable(const ChartFileContents& read, ChartReadReport* report) const;
  // Replaces the blocks and the chart section's values with a file's as one
  // change, announced as `how`.
  void ReplaceWith(ChartFileContents read, StructureChange how);
  bool EditOpen() const { return openEdit_ != nullptr; }
  // Before a real change made by a setter: the open edit keeps what the
  // change touches; without one the change is unrecorded, and no undo
  // point leads back from it any more.
  void Changing();
  void ChangingChartValues();
  // The same for a change of the values of `block` alone.
  void Changing(TBlock& block);
  TBlock& AppendBlock(std::unique_ptr<TBlock> block);
  // A block as AddBlock makes it, not yet in the list.
  std::unique_ptr<TBlock> BlockOf(const NewBlock& wanted) const;
  // What AddDefaultBlock adds.
  NewBlock DefaultLook(std::uint8_t type, const BlockRect& rect) const;
  // Takes block n (1..N) out of the list, with its members or leaving them
  // ownerless, and announces nothing.
  void RemoveBlocks(bool withMembers, std::int64_t n);
  // Runs a drag step, which changes only the values of `touched` and says
  // whether it edited the chart; one that did is run again from where it
  // started, once `edit` holds the state before it.
  bool DragStep(ChartEdit& edit, const std::vector<TBlock*>& touched, const std::function<bool()>& step);

  // Which blocks a property edit reaches when the active block is a container.
  enum class EditTargets : std::uint8_t;
  // Records an undo point, changes the active block or its members, announces
  // it; nothing at all when the change would leave them as they are.
  // `reshapes`: the change may move or resize blocks, and the lines
  // attached to them follow.
  void EditActiveBlock(EditTargets targets, const std::function<void(TBlock&)>& change, bool reshapes = false);
  // Before typing changes the text of `block`.
  void TypingInto(ChartEdit& edit, TBlock& block) const;
  // Puts the caret behind a text set as a whole.
  void PutCaretAfter(const std::string& text);

  // The subscribers and the held notices. Announcing is no change of the
  // chart: diagnostics go out from const operations too. The signal stays
  // out of this header, whose users include Qt with its "emit" macro.
  struct NoticeList;
  std::unique_ptr<NoticeList> notices_;

  BlockList blocks_;
  // Follows the chart as the first of its observers, building itself on
  // the first search only.
  mutable BlockIndex index_{blocks_};
  ChartSubscription indexSubscription_;
  std::int64_t activeBlock_ = 0;
  bool modified_ = false;
  SheetMargins sheetMargins_;
  std::vector<AttachedLine> attachedLines_;
  ChartEdit* openEdit_ = nullptr;  // the outermost edit open

  std::string description_, author_, organization_;
  bool viewOnly_ = false;
  std::int64_t horzResolution_ = 378;
  std::int64_t vertResolution_ = 378;
  std::int64_t sheetWidth_ = 21000;
  std::int64_t sheetHeight_ = 29700;
  std::int64_t zoomPercents_ = 100;
  TColor sheetColor_ = clWindow;
  TRulers rulers_ = rNone;
  std::int32_t documentPages_ = 1;
  std::string fileName_ = "Untitled";
  // The file as this chart last read or saved it.
  std::optional<FileStamp> fileStamp_;
  std::int64_t posGridSize_ = 1000;
  bool drawingLineByHand_ = false;
  bool drawingMLineByHand_ = false;
  bool drawingBlockByHand_ = false;
  std::uint8_t drawedBlockType_ = btSelection;
  bool alignLines_ = false;
  bool debugMessages_ = false;

  TColor defBlockColor_ = clWhite;
  TBrushStyle defBlockFillStyle_ = bsSolid;
  TColor defBlockBorderColor_ = clBlack;
  std::int64_t defBlockBorderWidth_ = 1;
  TPenStyle defBlockBorderStyle_ = psSolid;
  TBlockFont defBlockFont_;
  TAlignment defBlockTextAlign_ = taCenter;
  TBlockTextPlacement defBlockPlace_ = btpInside;
  TBlocksLineArrows defLineArrows_ = blaSimple;

  UndoHistory history_{*this};
  std::uint16_t textCaretPos_ = 0;
};

}  // namespace quobrix
