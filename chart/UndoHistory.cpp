#include "chart/UndoHistory.h"

#include <string>
#include <utility>

#include "chart/BlocksHolderModel.h"
#include "chart/VersionDelta.h"

namespace quobrix {

UndoHistory::UndoHistory(BlocksHolderModel& chart) : chart_(chart) {}

UndoHistory::~UndoHistory() = default;

std::size_t UndoHistory::NewestPointCopies() const { return undo_.empty() ? 0 : undo_.front().delta->CopiedBlocks(); }

bool UndoHistory::OpenPoint(EditKey key) {
  if (!key) key = gestureKey_;
  const bool shares = key && key == lastKey_ && CanUndo();
  chart_.SetModified(true);
  return shares;
}

void UndoHistory::EditCommitted(VersionDelta delta, EditKey key, bool shares, const EditMark& mark) {
  if (shares) {
    undo_.front().delta->Absorb(std::move(delta), chart_.List());
  } else {
    undo_.insert(undo_.begin(), Point{std::make_unique<VersionDelta>(std::move(delta)), mark.version});
    lastKey_ = key ? key : gestureKey_;
    Trim();
  }
  ForgetRedo();
  chart_.Notify(ChartChange::History);
}

void UndoHistory::EditFailed(const EditMark& mark) {
  version_ = mark.version;
  lastKey_ = mark.lastKey;
}

void UndoHistory::Trim() {
  while (undo_.size() > kUndoDepth) undo_.pop_back();
}

void UndoHistory::Undo() { RollBack(); }

bool UndoHistory::RollBack() {
  if (!CanUndo()) return false;
  BlocksHolderModel::HeldNotices hold(chart_);
  Step(undo_, redo_, StructureChange::Undone);
  chart_.DoDebug("К-во блоков = " + std::to_string(chart_.BlockCount()));
  return true;
}

void UndoHistory::Redo() { RollForward(); }

bool UndoHistory::RollForward() { return CanRedo() && Step(redo_, undo_, StructureChange::Redone); }

bool UndoHistory::Step(Points& from, Points& to, StructureChange how) {
  BlocksHolderModel::HeldNotices hold(chart_);
  // A selection is no part of any version.
  chart_.DissolveMultiSelection();
  Point landing = std::move(from.front());
  from.erase(from.begin());
  // What follows a step starts an undo point of its own.
  lastKey_ = {};
  landing_ = true;
  const bool chartValues = landing.delta->ChangesChartValues();
  const bool orderKept = !landing.delta->ChangesOrder();
  VersionDelta back = landing.delta->ApplyTo(chart_);
  ChartNotice notice;
  notice.Kind = ChartChange::Structure;
  notice.Structure = how;
  // Where the list kept its order, the notice names the blocks the step changed.
  if (orderKept)
    for (const TBlock* block : back.Blocks()) notice.ChangedBlocks.push_back(chart_.IndexOfBlock(block));
  to.insert(to.begin(), Point{std::make_unique<VersionDelta>(std::move(back)), version_});
  version_ = landing.version;
  chart_.activeBlock_ = 0;
  chart_.attachedLines_.clear();
  chart_.Notify(std::move(notice));
  if (chartValues) {
    chart_.NotifyView(ViewChange::Sheet);
    chart_.Notify(ChartChange::Document);
  }
  chart_.SetModified(version_ != savedVersion_);
  landing_ = false;
  Trim();
  chart_.Notify(ChartChange::History);
  return true;
}

void UndoHistory::ChartMarkedSaved() {
  savedVersion_ = version_;
  // Undo comes back to the saved chart, whatever the edits after it share.
  lastKey_ = {};
}

void UndoHistory::ChartEdited() {
  if (landing_) return;
  version_ = NewVersion();
  // An open edit forgets the redo list when it ends well.
  if (!chart_.EditOpen()) ForgetRedo();
}

void UndoHistory::ChartChangedUnrecorded() {
  lastKey_ = {};
  if (undo_.empty() && redo_.empty()) return;
  undo_.clear();
  redo_.clear();
  chart_.Notify(ChartChange::History);
}

void UndoHistory::ForgetRedo() {
  if (redo_.empty()) return;
  redo_.clear();
  chart_.Notify(ChartChange::History);
}

}  // namespace quobrix
