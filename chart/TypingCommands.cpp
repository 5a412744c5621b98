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
  HeldNotices hold(*this);
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
  SetModified(true);
  NotifyBlocksChanged({a});
  return true;
}

}  // namespace quobrix
