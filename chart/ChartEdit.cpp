#include "chart/ChartEdit.h"

#include <algorithm>
#include <exception>
#include <new>
#include <utility>

#include "chart/BlocksHolderModel.h"

namespace quobrix {

namespace {

// The values of `from` into `into`, whose links into the list stay.
void PutValuesBack(TBlock& into, const TBlock& from) {
  TBlock* owner = into.Owner;
  std::vector<TBlock*> members = std::move(into.Members);
  into = from;
  into.Owner = owner;
  into.Members = std::move(members);
}

}  // namespace

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
    chart_.History().EditCommitted();
  chart_.ReleaseNotices();
}

void ChartEdit::Changing() {
  ChartEdit& edit = Outermost();
  edit.Open();
  if (edit.before_.pointRecorded || edit.before_.text) return;
  try {
    edit.before_.text = chart_.EditedStateText();
  } catch (const std::bad_alloc&) {
    // Too little memory to keep the chart: it cannot be put back either.
    edit.before_.text.reset();
  }
}

void ChartEdit::Changing(const std::vector<TBlock*>& blocks) {
  ChartEdit& edit = Outermost();
  edit.Open();
  // Once a text is kept, the values come back from it.
  if (edit.before_.pointRecorded || edit.before_.text) return;
  for (TBlock* block : blocks) {
    const std::int64_t n = chart_.IndexOfBlock(block);
    const bool kept = std::ranges::any_of(edit.before_.blocks, [n](const auto& b) { return b.first == n; });
    if (n != 0 && !kept) edit.before_.blocks.emplace_back(n, *block);
  }
}

void ChartEdit::Open() {
  if (std::exchange(changed_, true)) return;
  before_.pointRecorded = chart_.History().OpenPoint(key_);
}

void ChartEdit::RollBack() {
  if (!changed_) return;
  UndoHistory& history = chart_.History();
  if (!history.EditFailed(mark_, before_.pointRecorded)) return;
  if (before_.text) chart_.ReplaceFromText(*before_.text, StructureChange::Loaded);
  // Newest first: a block changed twice gets its first values.
  for (auto it = before_.blocks.rbegin(); it != before_.blocks.rend(); ++it)
    if (it->first <= chart_.BlockCount()) PutValuesBack(chart_.Blocks(it->first), it->second);
  chart_.activeBlock_ = before_.activeBlock <= chart_.BlockCount() ? before_.activeBlock : 0;
  chart_.modified_ = before_.modified;
  chart_.DropNoticesFrom(before_.heldNotices);
}

}  // namespace quobrix
