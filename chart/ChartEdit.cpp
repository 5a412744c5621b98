#include "chart/ChartEdit.h"

#include <exception>
#include <utility>

#include "chart/BlocksHolderModel.h"

namespace quobrix {

ChartEdit::ChartEdit(BlocksHolderModel& chart, EditKey key)
    : chart_(chart), joined_(chart.openEdit_), key_(key), exceptionsAtOpen_(std::uncaught_exceptions()) {
  if (joined_) return;
  chart_.openEdit_ = this;
  before_.heldNotices = chart_.HoldNotices();
  before_.modified = chart_.FModified();
  before_.activeBlock = chart_.ActiveBlock();
  mark_ = chart_.History().Mark();
}

ChartEdit::~ChartEdit() {
  const bool throwing = std::uncaught_exceptions() > exceptionsAtOpen_;
  if (joined_) {
    if (throwing) joined_->failed_ = true;
    return;
  }
  chart_.openEdit_ = nullptr;
  if (throwing || failed_)
    RollBack();
  else
    Commit();
  chart_.ReleaseNotices();
}

void ChartEdit::Changing() {
  ChartEdit& edit = Outermost();
  edit.Open();
  edit.back_.KeepOrder(chart_.List());
  edit.back_.KeepChartValues(chart_);
}

void ChartEdit::ChangingChartValues() {
  ChartEdit& edit = Outermost();
  edit.Open();
  edit.back_.KeepChartValues(chart_);
}

void ChartEdit::Changing(const std::vector<TBlock*>& blocks) {
  ChartEdit& edit = Outermost();
  edit.Open();
  for (const TBlock* block : blocks) edit.back_.KeepValues(*block);
}

void ChartEdit::Removed(std::unique_ptr<TBlock> block) { Outermost().back_.KeepRemoved(std::move(block)); }

void ChartEdit::Open() {
  if (std::exchange(changed_, true)) return;
  before_.sharesPoint = chart_.History().OpenPoint(key_);
  // The version before the edit has no selection: its members belong to nothing there.
  if (const TBlock* selection = chart_.MultiSelection())
    for (const TBlock* member : selection->Members) back_.KeepValues(*member);
}

void ChartEdit::Commit() {
  if (!changed_) return;
  back_.Finish(chart_.List());
  UndoHistory& history = chart_.History();
  if (back_.LeadsTo(chart_)) {
    // Changes that undid themselves (a selection deleted without its members) are no edit.
    history.EditFailed(mark_);
    if (!before_.modified) chart_.SetModified(false);
    return;
  }
  history.EditCommitted(std::move(back_), key_, before_.sharesPoint, mark_);
}

void ChartEdit::RollBack() {
  if (!changed_) return;
  back_.Finish(chart_.List());
  chart_.DissolveMultiSelection();
  back_.ApplyTo(chart_);
  chart_.History().EditFailed(mark_);
  chart_.attachedLines_.clear();
  chart_.activeBlock_ = before_.activeBlock <= chart_.BlockCount() ? before_.activeBlock : 0;
  chart_.modified_ = before_.modified;
  chart_.NotifyStructure(StructureChange::Loaded);
  chart_.DropNoticesFrom(before_.heldNotices);
}

}  // namespace quobrix
