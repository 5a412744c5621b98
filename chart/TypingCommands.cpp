// In-place typing into the active block at the program-wide caret. Typing
// records no undo point; it marks the chart modified, so closing asks to
// save the typed text.
#include "chart/BlocksHolderModel.h"
#include "chart/TextCaret.h"
#include "chart/TextCaretEditing.h"

namespace quobrix {

bool BlocksHolderModel::InsertTextAtCaret(char ch) {
  TBlock* a = ActiveBlockPtr();
  if (!a) return false;
  HeldNotices hold(*this);
  InsertAtCaret(a->Text, TextCaretPos, ch);
  SetModified(true);
  NotifyBlocksChanged({a});
  return true;
}

bool BlocksHolderModel::EditTextAtCaret(TextKey key) {
  TBlock* a = ActiveBlockPtr();
  if (!a) return false;
  const std::string before = a->Text;
  switch (key) {
    case TextKey::LineBreak:
      InsertLineBreakAtCaret(a->Text, TextCaretPos);
      break;
    case TextKey::Backspace:
      DeleteBeforeCaret(a->Text, TextCaretPos);
      break;
    case TextKey::Delete:
      DeleteAtCaret(a->Text, TextCaretPos);
      break;
  }
  // A key at the end of its way (Backspace at the start, Delete at the end)
  // is no edit.
  if (a->Text == before) return true;
  HeldNotices hold(*this);
  SetModified(true);
  NotifyBlocksChanged({a});
  return true;
}

}  // namespace quobrix
