#include "chart/BlocksHolderModel.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace quobrix {

BlocksHolderModel::BlocksHolderModel() = default;

BlocksHolderModel::~BlocksHolderModel() { DeleteUndoFiles(); }

void BlocksHolderModel::ApplyChartWindowValues() {
  sheetColor_ = clWhite;
  DefBlockFont = TBlockFont{};
  DefBlockFont.Name = "Arial";
  DefBlockFont.Height = -13;
  DefBlockFont.Color = clWindowText;
  DefBlockFont.Charset = RUSSIAN_CHARSET;
}

void BlocksHolderModel::Repaint() const {
  if (OnRepaint) OnRepaint();
}

void BlocksHolderModel::DoActiveBlockChanged() {
  if (OnActiveBlockChanged) OnActiveBlockChanged(*this, activeBlock_);
}

void BlocksHolderModel::DoDebug(const std::string& msg) const {
  if (FDebugMessages && OnDebug) OnDebug(msg);
}

const std::string& BlocksHolderModel::ComponentVersion() const {
  static const std::string version = "TBlocksHolder 1.50 (Quobrix)";
  return version;
}

void BlocksHolderModel::SetViewOnly(bool v) {
  viewOnly_ = v;
  if (!v) return;
  drawingLineByHand_ = drawingMLineByHand_ = drawingBlockByHand_ = false;
  SetActiveBlock(0);
  DoActiveBlockChanged();
}

void BlocksHolderModel::SetHorzResolution(std::int64_t v) {
  horzResolution_ = std::max<std::int64_t>(v, 1);
  Repaint();
}

void BlocksHolderModel::SetVertResolution(std::int64_t v) {
  vertResolution_ = std::max<std::int64_t>(v, 1);
  Repaint();
}

void BlocksHolderModel::SetSheetWidth(std::int64_t v) {
  sheetWidth_ = std::max<std::int64_t>(v, 1);
  Repaint();
}

void BlocksHolderModel::SetSheetHeight(std::int64_t v) {
  sheetHeight_ = std::max<std::int64_t>(v, 1);
  Repaint();
}

void BlocksHolderModel::SetZoomPercents(std::int64_t v) {
  zoomPercents_ = std::max<std::int64_t>(v, 1);
  Repaint();
  if (OnZoomChanged) OnZoomChanged(*this);
}

void BlocksHolderModel::SetSheetColor(TColor v) {
  sheetColor_ = v;
  Repaint();
}

void BlocksHolderModel::SetRulers(TRulers v) {
  rulers_ = v;
  Repaint();
}

void BlocksHolderModel::SetDocumentPages(std::int32_t v) {
  v = std::max<std::int32_t>(v, 1);
  if (v == documentPages_) return;
  documentPages_ = v;
  Repaint();
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
  for (std::size_t i = 0; i < blocks_.size(); ++i)
    if (blocks_[i].get() == block) return static_cast<std::int64_t>(i) + 1;
  return 0;
}

void BlocksHolderModel::SetActiveBlock(std::int64_t n) {
  if (n == activeBlock_) return;
  activeBlock_ = n;
  Repaint();
}

TBlock* BlocksHolderModel::ActiveBlockPtr() {
  return activeBlock_ >= 1 && activeBlock_ <= BlockCount() ? &Blocks(activeBlock_) : nullptr;
}

const TBlock* BlocksHolderModel::ActiveBlockPtr() const {
  return activeBlock_ >= 1 && activeBlock_ <= BlockCount() ? &Blocks(activeBlock_) : nullptr;
}

std::int64_t BlocksHolderModel::AddBlock(std::uint8_t type, TColor fillColor, std::uint8_t lineStyle,
                                         std::int64_t lineWidth, std::uint8_t fillStyle, const std::string& text,
                                         TColor lineColor, std::int64_t x, std::int64_t y, std::int64_t w,
                                         std::int64_t h) {
  DissolveMultiSelection();
  auto block = std::make_unique<TBlock>();
  block->BT = type;
  block->X = x;
  block->Y = y;
  block->W = w;
  block->H = h;
  block->MC = fillColor;
  block->FS = fillStyle;
  block->BC = lineColor;
  block->BW = lineWidth;
  block->BS = lineStyle;
  block->TF = DefBlockFont;
  block->Text = text;
  block->TA = DefBlockTextAlign;
  block->TP = DefBlockPlace;
  blocks_.push_back(std::move(block));
  Repaint();
  FModified = true;
  return BlockCount();
}

std::int64_t BlocksHolderModel::AddDefaultBlock(std::uint8_t type, std::int64_t x, std::int64_t y, std::int64_t w,
                                                std::int64_t h) {
  return AddBlock(type, DefBlockColor, DefBlockBorderStyle, DefBlockBorderWidth, DefBlockFillStyle, std::string(),
                  DefBlockBorderColor, x, y, w, h);
}

void BlocksHolderModel::DissolveMultiSelection() {
  if (!blocks_.empty() && blocks_.back()->Compl == ckMultiSelection) DeleteBlock(false, BlockCount());
}

void BlocksHolderModel::MakeMultiSelection(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h,
                                           const std::vector<std::int64_t>& members) {
  // Numbers are taken to identities first: adding dissolves an old selection,
  // which then is no block to select any more.
  const TBlock* dissolved = !blocks_.empty() && blocks_.back()->Compl == ckMultiSelection ? blocks_.back().get() : nullptr;
  std::vector<TBlock*> found;
  for (std::int64_t n : members)
    if (n >= 1 && n <= BlockCount() && &Blocks(n) != dissolved) found.push_back(&Blocks(n));
  const std::int64_t n = AddDefaultBlock(btSelection, x, y, w, h);
  TBlock& container = Blocks(n);
  SetActiveBlock(n);
  container.Compl = ckMultiSelection;
  DoActiveBlockChanged();
  for (TBlock* member : found) {
    container.Members.push_back(member);
    member->Owner = &container;
  }
  DoDebug("Создан блок \"мультивыделение\"");
}

bool BlocksHolderModel::DeleteBlock(bool withMembers, std::int64_t n) {
  if (n < 1 || n > BlockCount()) return false;
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
  std::vector<std::unique_ptr<TBlock>> gone;
  gone.reserve(doomed.size());
  for (auto& b : blocks_)
    if (b) gone.push_back(std::move(b));
  blocks_ = std::move(kept);
  for (auto& b : blocks_) {
    if (b->Owner && doomed.count(b->Owner)) b->Owner = nullptr;
    if (!b->Members.empty())
      std::erase_if(b->Members, [&](const TBlock* m) { return doomed.count(m) != 0; });
  }

  if (!blocks_.empty()) FModified = true;
  Repaint();
  return true;
}

bool BlocksHolderModel::DeleteActiveBlock(bool withMembers) {
  bool deleted = false;
  if (activeBlock_ != 0) deleted = DeleteBlock(withMembers, activeBlock_);
  SetActiveBlock(0);
  FModified = true;
  DoActiveBlockChanged();
  return deleted;
}

void BlocksHolderModel::ClearBlocks() {
  activeBlock_ = 0;
  blocks_.clear();
}

TBlock& BlocksHolderModel::AppendBlock(std::unique_ptr<TBlock> block) {
  blocks_.push_back(std::move(block));
  return *blocks_.back();
}

}  // namespace quobrix
