// The commands that change blocks after they exist. Each acts on the active
// block; when that is a container, most properties go to its direct members
// instead, and position and text to the container itself.
#include <algorithm>
#include <iterator>
#include <limits>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartEdit.h"
#include "chart/DeviceGeometry.h"
#include "chart/LineFollow.h"

namespace quobrix {

namespace {

// Moves the block at `from` to `to` (0-based), shifting those in between.
void MoveInList(BlockList& list, std::size_t from, std::size_t to) {
  if (from < to)
    std::rotate(list.begin() + static_cast<std::ptrdiff_t>(from), list.begin() + static_cast<std::ptrdiff_t>(from) + 1,
                list.begin() + static_cast<std::ptrdiff_t>(to) + 1);
  else
    std::rotate(list.begin() + static_cast<std::ptrdiff_t>(to), list.begin() + static_cast<std::ptrdiff_t>(from),
                list.begin() + static_cast<std::ptrdiff_t>(from) + 1);
}

// Whether `change` would leave `block` different; the block is tried in its
// place, so a change may tell blocks apart by identity, and put back.
bool WouldChange(const std::function<void(TBlock&)>& change, TBlock& block) {
  TBlock before = block;
  change(block);
  const bool changed = !(block == before);
  block = std::move(before);
  return changed;
}

}  // namespace

enum class BlocksHolderModel::EditTargets : std::uint8_t { Itself, Members, MembersAndItself };

void BlocksHolderModel::EditActiveBlock(EditTargets targets, const std::function<void(TBlock&)>& change,
                                        bool reshapes) {
  TBlock* active = ActiveBlockPtr();
  if (!active) return;
  std::vector<TBlock*> reached;
  if (active->BT != btSelection || targets != EditTargets::Members) reached.push_back(active);
  if (active->BT == btSelection && targets != EditTargets::Itself)
    reached.insert(reached.end(), active->Members.begin(), active->Members.end());
  // An edit that changes nothing records no undo point and leaves the
  // modified flag alone; nor does reshaping a selection's rectangle alone.
  const TBlock* selection = MultiSelection();
  const bool edits =
      std::ranges::any_of(reached, [&](TBlock* b) { return b != selection && WouldChange(change, *b); });
  const bool reshapesSelection = !reached.empty() && reached.front() == selection && WouldChange(change, *reached.front());
  if (!edits && !reshapesSelection) return;
  const LineFollow follow(*this, reshapes ? reached : std::vector<TBlock*>{}, reached);
  ChartEdit edit(*this);
  if (edits) edit.Changing(reached);
  for (TBlock* b : reached) change(*b);
  std::vector<const TBlock*> changed = ItselfAndMembers(*active);
  std::ranges::copy(follow.Follow(edit), std::back_inserter(changed));
  NotifyBlocksChanged(changed);
}

void BlocksHolderModel::SetBlockX(std::int64_t v) {
  EditActiveBlock(
      EditTargets::Itself, [&](TBlock& b) { b.X = v; }, true);
}

void BlocksHolderModel::SetBlockY(std::int64_t v) {
  EditActiveBlock(
      EditTargets::Itself, [&](TBlock& b) { b.Y = v; }, true);
}

void BlocksHolderModel::SetBlockW(std::int64_t v) {
  EditActiveBlock(
      EditTargets::Members, [&](TBlock& b) { b.W = v; }, true);
}

void BlocksHolderModel::SetBlockH(std::int64_t v) {
  EditActiveBlock(
      EditTargets::Members, [&](TBlock& b) { b.H = v; }, true);
}

void BlocksHolderModel::SetBlockMC(TColor v) {
  EditActiveBlock(EditTargets::Members, [&](TBlock& b) { b.MC = v; });
}

void BlocksHolderModel::SetBlockBC(TColor v) {
  EditActiveBlock(EditTargets::Members, [&](TBlock& b) { b.BC = v; });
}

void BlocksHolderModel::SetBlockFS(TBrushStyle v) {
  EditActiveBlock(EditTargets::Members, [&](TBlock& b) { b.FS = v; });
}

void BlocksHolderModel::SetBlockBS(TPenStyle v) {
  EditActiveBlock(EditTargets::Members, [&](TBlock& b) { b.BS = v; });
}

void BlocksHolderModel::SetBlockBW(std::int64_t v) {
  EditActiveBlock(EditTargets::Members, [&](TBlock& b) { b.BW = v; });
}

void BlocksHolderModel::SetBlockTA(TAlignment v) {
  EditActiveBlock(EditTargets::Members, [&](TBlock& b) { b.TA = v; });
}

void BlocksHolderModel::SetBlockTP(TBlockTextPlacement v) {
  EditActiveBlock(EditTargets::Members, [&](TBlock& b) { b.TP = v; });
}

void BlocksHolderModel::SetBlockLineArrows(TBlocksLineArrows v) {
  EditActiveBlock(EditTargets::MembersAndItself, [&](TBlock& b) { b.LineArrows = v; });
}

void BlocksHolderModel::SetBlockFont(const TBlockFont& font) {
  EditActiveBlock(EditTargets::Members, [&](TBlock& b) { b.TF = font; });
}

void BlocksHolderModel::SetBlockFontColor(TColor v) {
  EditActiveBlock(EditTargets::Members, [&](TBlock& b) { b.TF.Color = v; });
}

std::string BlocksHolderModel::BlockText() const {
  const TBlock* active = ActiveBlockPtr();
  return active ? active->Text : std::string();
}

void BlocksHolderModel::SetBlockText(const std::string& text) {
  if (!ActiveBlockPtr()) return;
  EditActiveBlock(EditTargets::Itself, [&](TBlock& b) { b.Text = text; });
  PutCaretAfter(text);
}

void BlocksHolderModel::PutCaretAfter(const std::string& text) {
  constexpr std::size_t maxCaret = std::numeric_limits<decltype(textCaretPos_)>::max();
  textCaretPos_ = static_cast<decltype(textCaretPos_)>(std::min(text.size() + 1, maxCaret));
}

bool BlocksHolderModel::Block(TBlock& dest) const {
  const TBlock* active = ActiveBlockPtr();
  if (!active) return false;
  dest = *active;
  return true;
}

void BlocksHolderModel::SetBlock(const TBlock& record) {
  const TBlock* active = ActiveBlockPtr();
  if (!active) return;
  if (active->BT != btSelection) {
    EditActiveBlock(EditTargets::Itself, [&](TBlock& b) {
      // The links tie the block into the list; a record cannot move it
      // between containers or turn it into one.
      TBlock* owner = b.Owner;
      std::vector<TBlock*> members = std::move(b.Members);
      const std::uint8_t compl_ = b.Compl;
      b = record;
      b.Owner = owner;
      b.Members = std::move(members);
      b.Compl = compl_;
    }, true);
    return;
  }
  // The container's own values say which of the record's differ, so they are
  // read before anything changes.
  const TBlock container = *active;
  EditActiveBlock(EditTargets::MembersAndItself, [&](TBlock& b) {
    if (&b == active) {
      b.X = record.X;
      b.Y = record.Y;
      return;
    }
    b.W = record.W;
    b.H = record.H;
    if (record.MC != container.MC) b.MC = record.MC;
    if (record.BC != container.BC) b.BC = record.BC;
    if (record.TA != container.TA) b.TA = record.TA;
    if (record.TP != container.TP) b.TP = record.TP;
    if (record.TF != container.TF) b.TF = record.TF;
  }, true);
}

const TBlockFont* BlocksHolderModel::GetBlockFont() const {
  const TBlock* active = ActiveBlockPtr();
  return active ? &active->TF : nullptr;
}

void BlocksHolderModel::GroupSelection() {
  TBlock* active = ActiveBlockPtr();
  if (!active || active->Compl != ckMultiSelection) return;
  ChartEdit edit(*this);
  edit.Changing();
  // The members belonged to no group before: the selection is no part of a version.
  edit.Changing(active->Members);
  active->Compl = ckGroup;
  SetModified(true);
  NotifyStructure(StructureChange::Grouped);
  DoActiveBlockChanged();
}

void BlocksHolderModel::UngroupBlock() {
  const TBlock* active = ActiveBlockPtr();
  if (!active || active->Compl != ckGroup) return;
  ChartEdit edit(*this);
  edit.Changing();
  DeleteBlock(false, activeBlock_);
  SetActiveBlock(0);
  SetModified(true);
  DoActiveBlockChanged();
}

void BlocksHolderModel::BringToFront(std::int64_t n) {
  const TBlock* active = ActiveBlockPtr();
  if (!active || n < 1 || n >= BlockCount()) return;
  ChartEdit edit(*this);
  edit.Changing();
  MoveInList(blocks_, static_cast<std::size_t>(n - 1), blocks_.size() - 1);
  // The active block stays the same block, wherever the move put it.
  activeBlock_ = IndexOfBlock(active);
  NotifyStructure(StructureChange::Reordered);
}

void BlocksHolderModel::SendToBack(std::int64_t n) {
  const TBlock* active = ActiveBlockPtr();
  if (!active || n <= 1 || n > BlockCount()) return;
  ChartEdit edit(*this);
  edit.Changing();
  MoveInList(blocks_, static_cast<std::size_t>(n - 1), 0);
  activeBlock_ = IndexOfBlock(active);
  NotifyStructure(StructureChange::Reordered);
}

// Wrapping sums: a damaged chart may hold any numbers.
void BlocksHolderModel::AlignSelection(int kind) {
  const TBlock* container = ActiveBlockPtr();
  if (!container || container->BT != btSelection) return;
  const std::function<void(TBlock&)> align = [&](TBlock& member) {
    switch (kind) {
      case 0:
        member.X = container->X;
        break;
      case 1:
        member.X = WrapSub(WrapAdd(container->X, container->W), member.W);
        break;
      case 2:
        member.Y = container->Y;
        break;
      case 3:
        member.Y = WrapSub(WrapAdd(container->Y, container->H), member.H);
        break;
      default:
        break;
    }
  };
  std::vector<TBlock*> moving;
  for (TBlock* member : container->Members)
    if ((member->BT != btLine || alignLines_) && WouldChange(align, *member)) moving.push_back(member);
  if (moving.empty()) return;
  const LineFollow follow(*this, moving, container->Members);
  ChartEdit edit(*this);
  edit.Changing(moving);
  for (TBlock* member : moving) align(*member);
  std::vector<const TBlock*> changed = ItselfAndMembers(*container);
  std::ranges::copy(follow.Follow(edit), std::back_inserter(changed));
  NotifyBlocksChanged(changed);
}

}  // namespace quobrix
