#include "chart/BlocksHolderModel.h"

#include <sigc++/signal.h>

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "chart/ChartEdit.h"

namespace quobrix {

struct BlocksHolderModel::NoticeList {
  sigc::signal<void(const ChartNotice&)> signal;
  int holds = 0;
  std::vector<ChartNotice> held;
};

BlocksHolderModel::BlocksHolderModel() : notices_(std::make_unique<NoticeList>()) {
  indexSubscription_ = Subscribe([this](const ChartNotice& notice) { index_.Hear(notice); });
}

BlocksHolderModel::~BlocksHolderModel() = default;

void BlocksHolderModel::ApplyChartWindowValues() {
  sheetColor_ = clWhite;
  defBlockFont_ = TBlockFont{};
  defBlockFont_.Name = "Arial";
  defBlockFont_.Height = -13;
  defBlockFont_.Color = clWindowText;
  defBlockFont_.Charset = RUSSIAN_CHARSET;
}

ChartSubscription BlocksHolderModel::Subscribe(std::function<void(const ChartNotice&)> observer) {
  return ChartSubscription(notices_->signal.connect(std::move(observer)));
}

BlocksHolderModel::HeldNotices::HeldNotices(BlocksHolderModel& chart) : chart_(chart) { chart_.HoldNotices(); }

BlocksHolderModel::HeldNotices::~HeldNotices() { chart_.ReleaseNotices(); }

namespace {

// News that only says what to read again goes out once per change, however
// many parts of the change brought it. The changed blocks, a new state of
// the modified flag or of the selection, and every diagnostic go out as
// they came.
bool SaysWhatToReadAgain(const ChartNotice& notice) {
  return notice.Kind == ChartChange::Structure || notice.Kind == ChartChange::View ||
         notice.Kind == ChartChange::Document || notice.Kind == ChartChange::History;
}

}  // namespace

std::size_t BlocksHolderModel::HoldNotices() {
  ++notices_->holds;
  return notices_->held.size();
}

void BlocksHolderModel::DropNoticesFrom(std::size_t held) {
  std::vector<ChartNotice>& list = notices_->held;
  for (std::size_t i = held; i < list.size(); ++i) index_.Hear(list[i]);
  list.resize(std::min(held, list.size()));
}

void BlocksHolderModel::ReleaseNotices() {
  NoticeList& list = *notices_;
  if (--list.holds > 0) return;
  // An observer may change the chart again; what that announces goes out at once.
  const std::vector<ChartNotice> held = std::exchange(list.held, {});
  std::vector<const ChartNotice*> told;  // a handful at most: the kinds above have few details
  for (const ChartNotice& notice : held) {
    if (SaysWhatToReadAgain(notice)) {
      if (std::ranges::any_of(told, [&](const ChartNotice* t) { return *t == notice; })) continue;
      told.push_back(&notice);
    }
    list.signal.emit(notice);
  }
}

void BlocksHolderModel::Notify(ChartNotice notice) const {
  if (notices_->holds > 0)
    notices_->held.push_back(std::move(notice));
  else
    notices_->signal.emit(notice);
}

void BlocksHolderModel::Notify(ChartChange kind) const {
  ChartNotice notice;
  notice.Kind = kind;
  Notify(std::move(notice));
}

void BlocksHolderModel::NotifyStructure(StructureChange how) {
  ChartNotice notice;
  notice.Kind = ChartChange::Structure;
  notice.Structure = how;
  Notify(std::move(notice));
}

void BlocksHolderModel::NotifyView(ViewChange what) {
  ChartNotice notice;
  notice.Kind = ChartChange::View;
  notice.View = what;
  Notify(std::move(notice));
}

void BlocksHolderModel::NotifyBlocksChanged(const std::vector<const TBlock*>& changed) {
  ChartNotice notice;
  notice.Kind = ChartChange::Blocks;
  notice.ChangedBlocks.reserve(changed.size());
  auto slotHolds = [this](const TBlock* b) { return b->ListSlot < blocks_.size() && blocks_[b->ListSlot].get() == b; };
  for (const TBlock* block : changed) {
    // A block knows where it stood when the list was last numbered; a miss
    // numbers the whole list again, so a burst of lookups costs one pass.
    if (!slotHolds(block))
      for (std::size_t i = 0; i < blocks_.size(); ++i) blocks_[i]->ListSlot = static_cast<std::uint32_t>(i);
    notice.ChangedBlocks.push_back(slotHolds(block) ? std::int64_t{block->ListSlot} + 1 : 0);
  }
  Notify(std::move(notice));
}

std::vector<const TBlock*> BlocksHolderModel::ItselfAndMembers(const TBlock& block) {
  std::vector<const TBlock*> blocks{&block};
  blocks.insert(blocks.end(), block.Members.begin(), block.Members.end());
  return blocks;
}

void BlocksHolderModel::DoActiveBlockChanged() {
  ChartNotice notice;
  notice.Kind = ChartChange::ActiveBlock;
  notice.NewActiveBlock = activeBlock_;
  Notify(std::move(notice));
}

void BlocksHolderModel::DoDebug(const std::string& msg) const {
  if (!debugMessages_) return;
  ChartNotice notice;
  notice.Kind = ChartChange::Debug;
  notice.Message = msg;
  Notify(std::move(notice));
}

void BlocksHolderModel::SetModified(bool v) {
  if (v)
    history_.ChartEdited();
  else
    history_.ChartMarkedSaved();
  if (v == modified_) return;
  modified_ = v;
  ChartNotice notice;
  notice.Kind = ChartChange::Modified;
  notice.Modified = v;
  Notify(std::move(notice));
}

const std::string& BlocksHolderModel::ComponentVersion() const {
  static const std::string version = "TBlocksHolder 1.50 (Quobrix)";
  return version;
}

void BlocksHolderModel::Changing() {
  if (openEdit_)
    openEdit_->Changing();
  else
    history_.ChartChangedUnrecorded();
}

void BlocksHolderModel::ChangingChartValues() {
  if (openEdit_)
    openEdit_->ChangingChartValues();
  else
    history_.ChartChangedUnrecorded();
}

void BlocksHolderModel::Changing(TBlock& block) {
  if (openEdit_)
    openEdit_->Changing({&block});
  else
    history_.ChartChangedUnrecorded();
}

void BlocksHolderModel::SetDescription(const std::string& v) {
  if (v != description_) ChangingChartValues();
  description_ = v;
  Notify(ChartChange::Document);
}

void BlocksHolderModel::SetAuthor(const std::string& v) {
  if (v != author_) ChangingChartValues();
  author_ = v;
  Notify(ChartChange::Document);
}

void BlocksHolderModel::SetOrganization(const std::string& v) {
  if (v != organization_) ChangingChartValues();
  organization_ = v;
  Notify(ChartChange::Document);
}

void BlocksHolderModel::SetFileName(const std::string& v) {
  fileName_ = v;
  Notify(ChartChange::Document);
}

void BlocksHolderModel::SetViewOnly(bool v) {
  viewOnly_ = v;
  if (!v) return;
  HeldNotices hold(*this);
  drawingLineByHand_ = drawingMLineByHand_ = drawingBlockByHand_ = false;
  SetActiveBlock(0);
  DoActiveBlockChanged();
}

void BlocksHolderModel::SetHorzResolution(std::int64_t v) {
  horzResolution_ = std::max<std::int64_t>(v, 1);
  NotifyView(ViewChange::Sheet);
}

void BlocksHolderModel::SetVertResolution(std::int64_t v) {
  vertResolution_ = std::max<std::int64_t>(v, 1);
  NotifyView(ViewChange::Sheet);
}

void BlocksHolderModel::SetSheetWidth(std::int64_t v) {
  v = std::max<std::int64_t>(v, 1);
  if (v != sheetWidth_) ChangingChartValues();
  sheetWidth_ = v;
  NotifyView(ViewChange::Sheet);
}

void BlocksHolderModel::SetSheetHeight(std::int64_t v) {
  v = std::max<std::int64_t>(v, 1);
  if (v != sheetHeight_) ChangingChartValues();
  sheetHeight_ = v;
  NotifyView(ViewChange::Sheet);
}

void BlocksHolderModel::SetZoomPercents(std::int64_t v) {
  zoomPercents_ = std::max<std::int64_t>(v, 1);
  NotifyView(ViewChange::Zoom);
}

void BlocksHolderModel::SetSheetColor(TColor v) {
  if (v != sheetColor_) ChangingChartValues();
  sheetColor_ = v;
  NotifyView(ViewChange::Sheet);
}

void BlocksHolderModel::SetSheetMargins(const SheetMargins& margins) {
  if (margins != sheetMargins_) ChangingChartValues();
  sheetMargins_ = margins;
  NotifyView(ViewChange::Sheet);
}

void BlocksHolderModel::SetRulers(TRulers v) {
  rulers_ = v;
  NotifyView(ViewChange::Sheet);
}

void BlocksHolderModel::SetDocumentPages(std::int32_t v) {
  v = std::max<std::int32_t>(v, 1);
  if (v == documentPages_) return;
  ChangingChartValues();
  documentPages_ = v;
  NotifyView(ViewChange::Sheet);
}

void BlocksHolderModel::SetPosGridSize(std::int64_t v) { posGridSize_ = std::max<std::int64_t>(v, 1); }

void BlocksHolderModel::SetDrawingLineByHand(bool v) {
  drawingLineByHand_ = v && !viewOnly_;
  if (!drawingLineByHand_) drawingMLineByHand_ = false;
}

void BlocksHolderModel::SetDrawingMLineByHand(bool v) {
  drawingMLineByHand_ = v && !viewOnly_;
  drawingLineByHand_ = drawingMLineByHand_;
}

void BlocksHolderModel::SetDrawingBlockByHand(bool v) { drawingBlockByHand_ = v && !viewOnly_; }

std::int64_t BlocksHolderModel::IndexOfBlock(const TBlock* block) const {
  if (!block) return 0;
  if (block->ListSlot < blocks_.size() && blocks_[block->ListSlot].get() == block) return block->ListSlot + 1;
  for (std::size_t i = 0; i < blocks_.size(); ++i)
    if (blocks_[i].get() == block) return static_cast<std::int64_t>(i) + 1;
  return 0;
}

void BlocksHolderModel::SetActiveBlock(std::int64_t n) {
  if (n == activeBlock_) return;
  activeBlock_ = n;
  NotifyView(ViewChange::Selection);
}

TBlock* BlocksHolderModel::ActiveBlockPtr() {
  return activeBlock_ >= 1 && activeBlock_ <= BlockCount() ? &Blocks(activeBlock_) : nullptr;
}

const TBlock* BlocksHolderModel::ActiveBlockPtr() const {
  return activeBlock_ >= 1 && activeBlock_ <= BlockCount() ? &Blocks(activeBlock_) : nullptr;
}

std::int64_t BlocksHolderModel::AddBlock(const NewBlock& wanted) {
  HeldNotices hold(*this);
  Changing();
  DissolveMultiSelection();
  AppendBlock(BlockOf(wanted));
  SetModified(true);
  NotifyStructure(StructureChange::Added);
  return BlockCount();
}

std::unique_ptr<TBlock> BlocksHolderModel::BlockOf(const NewBlock& wanted) const {
  auto block = std::make_unique<TBlock>();
  block->BT = wanted.Type;
  block->X = wanted.Rect.X;
  block->Y = wanted.Rect.Y;
  block->W = wanted.Rect.W;
  block->H = wanted.Rect.H;
  block->MC = wanted.FillColor;
  block->FS = wanted.FillStyle;
  block->BC = wanted.LineColor;
  block->BW = wanted.LineWidth;
  block->BS = wanted.LineStyle;
  block->TF = defBlockFont_;
  block->Text = wanted.Text;
  block->TA = defBlockTextAlign_;
  block->TP = defBlockPlace_;
  block->LineArrows = wanted.LineArrows;
  return block;
}

NewBlock BlocksHolderModel::DefaultLook(std::uint8_t type, const BlockRect& rect) const {
  return {.Type = static_cast<TBlockType>(type),
          .Rect = rect,
          .FillColor = defBlockColor_,
          .FillStyle = defBlockFillStyle_,
          .LineColor = defBlockBorderColor_,
          .LineStyle = defBlockBorderStyle_,
          .LineWidth = defBlockBorderWidth_,
          .Text = {},
          .LineArrows = type == btLine ? defLineArrows_ : blaSimple};
}

std::int64_t BlocksHolderModel::AddDefaultBlock(std::uint8_t type, std::int64_t x, std::int64_t y, std::int64_t w,
                                                std::int64_t h) {
  return AddBlock(DefaultLook(type, {x, y, w, h}));
}

const TBlock* BlocksHolderModel::MultiSelection() const {
  return !blocks_.empty() && blocks_.back()->Compl == ckMultiSelection ? blocks_.back().get() : nullptr;
}

void BlocksHolderModel::DissolveMultiSelection() {
  if (!MultiSelection()) return;
  RemoveBlocks(false, BlockCount());
  NotifyStructure(StructureChange::Deleted);
}

void BlocksHolderModel::MakeMultiSelection(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h,
                                           const std::vector<std::int64_t>& members) {
  // Numbers are taken to identities first: the old selection goes, and is
  // then no block to select any more. A block that belongs to a group stays
  // with it: the group is what a selection takes along.
  HeldNotices hold(*this);
  const TBlock* dissolved = MultiSelection();
  std::vector<TBlock*> found;
  for (std::int64_t n : members)
    if (n >= 1 && n <= BlockCount() && &Blocks(n) != dissolved && (!Blocks(n).Owner || Blocks(n).Owner == dissolved))
      found.push_back(&Blocks(n));
  DissolveMultiSelection();
  TBlock& container = AppendBlock(BlockOf(DefaultLook(btSelection, {x, y, w, h})));
  container.Compl = ckMultiSelection;
  for (TBlock* member : found) {
    container.Members.push_back(member);
    member->Owner = &container;
  }
  NotifyStructure(StructureChange::Added);
  SetActiveBlock(BlockCount());
  DoActiveBlockChanged();
  DoDebug("Создан блок \"мультивыделение\"");
}

bool BlocksHolderModel::DeleteBlock(bool withMembers, std::int64_t n) {
  if (n < 1 || n > BlockCount()) return false;
  Changing();
  RemoveBlocks(withMembers, n);
  if (!blocks_.empty()) SetModified(true);
  NotifyStructure(StructureChange::Deleted);
  return true;
}

void BlocksHolderModel::RemoveBlocks(bool withMembers, std::int64_t n) {
  TBlock* removed = &Blocks(n);

  // The removed block and, with members, every block owned by it or by a
  // container that goes with it, however deep the nesting.
  std::unordered_set<const TBlock*> doomed{removed};
  if (withMembers && removed->IsContainer()) {
    std::unordered_multimap<const TBlock*, TBlock*> ownedBy;
    for (auto& b : blocks_)
      if (b->Owner) ownedBy.emplace(b->Owner, b.get());
    std::vector<const TBlock*> containers{removed};
    while (!containers.empty()) {
      const TBlock* c = containers.back();
      containers.pop_back();
      auto [first, last] = ownedBy.equal_range(c);
      for (auto it = first; it != last; ++it) {
        if (!doomed.insert(it->second).second) continue;
        if (it->second->IsContainer()) containers.push_back(it->second);
      }
    }
  }

  // Survivors must not name a removed block, whichever container listed it.
  std::vector<std::unique_ptr<TBlock>> kept;
  kept.reserve(blocks_.size());
  for (auto& b : blocks_)
    if (!doomed.count(b.get())) kept.push_back(std::move(b));
  // The version before the edit still has the removed blocks.
  for (auto& b : blocks_)
    if (b && openEdit_) openEdit_->Removed(std::move(b));
  blocks_ = std::move(kept);
  std::erase_if(attachedLines_, [&](const AttachedLine& l) { return doomed.count(l.line) != 0; });
  const auto isDoomed = [&](const TBlock* m) { return doomed.count(m) != 0; };
  for (auto& b : blocks_) {
    const bool ownerGoes = b->Owner && isDoomed(b->Owner);
    if (!ownerGoes && std::ranges::none_of(b->Members, isDoomed)) continue;
    if (openEdit_) Changing(*b);
    if (ownerGoes) b->Owner = nullptr;
    std::erase_if(b->Members, isDoomed);
  }
}

bool BlocksHolderModel::DeleteActiveBlock(bool withMembers) {
  HeldNotices hold(*this);
  bool deleted = false;
  if (activeBlock_ != 0) deleted = DeleteBlock(withMembers, activeBlock_);
  SetActiveBlock(0);
  SetModified(true);
  DoActiveBlockChanged();
  return deleted;
}

TBlock& BlocksHolderModel::AppendBlock(std::unique_ptr<TBlock> block) {
  blocks_.push_back(std::move(block));
  return *blocks_.back();
}

}  // namespace quobrix
