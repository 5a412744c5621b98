// In-place typing into the active block at the program-wide caret. Each key
// is an edit of its own; the canvas ties a stretch of typing into one undo
// point with an EditKey.
#include "chart/BlocksHolderModel.h"
#include "chart/ChartEdit.h"
#include "chart/TextCaretEditing.h"

namespace quobrix {

void BlocksHolderModel::TypingInto(ChartEdit& edit, TBlock& block) const {
  // The text of a multi-selection goes with the selection, which is no edit.
  if (&block != MultiSelection()) edit.Changing({&block});
}

bool BlocksHolderModel::InsertTextAtCaret(char ch) {
  TBlock* a = ActiveBlockPtr();
  if (!a) return false;
  ChartEdit edit(*this);
  TypingInto(edit, *a);
  InsertAtCaret(a->Text, textCaretPos_, ch);
  NotifyBlocksChanged({a});
  return true;
}

bool BlocksHolderModel::EditTextAtCaret(TextKey key) {
  TBlock* a = ActiveBlockPtr();
  if (!a) return false;
  std::string text = a->Text;
  switch (key) {
    case TextKey::LineBreak:
      InsertLineBreakAtCaret(text, textCaretPos_);
      break;
    case TextKey::Backspace:
      DeleteBeforeCaret(text, textCaretPos_);
      break;
    case TextKey::Delete:
      DeleteAtCaret(text, textCaretPos_);
      break;
  }
  // A key at the end of its way (Backspace at the start, Delete at the end)
  // is no edit.
  if (text == a->Text) return true;
  ChartEdit edit(*this);
  TypingInto(edit, *a);
  a->Text = std::move(text);
  NotifyBlocksChanged({a});
  return true;
}

}  // namespace quobrix
