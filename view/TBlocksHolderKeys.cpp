// The keyboard: in-place text editing at the caret, Escape and the keypad
// zoom keys. Keys that are shortcuts of commands (Ctrl+Delete ...) reach the
// command table, never the canvas.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include "chart/ChartEdit.h"
#include "chart/TextCaretEditing.h"
#include "platform/Cp1251Codec.h"
#include "view/ArmDrawing.h"
#include "view/TBlocksHolder.h"
#include "view/ZoomLimits.h"

namespace quobrix {

void TBlocksHolder::keyPressEvent(QKeyEvent* event) {
  if (CaretKeyDown(event->key())) return;
  CanvasKeyDown(event->key(), event->modifiers());
  if (FKeyHandled) return;
  for (char32_t ch : event->text().toUcs4()) CanvasKeyPress(ch);
}

bool TBlocksHolder::CaretKeyDown(int key) {
  if (model_.ViewOnly()) return false;
  FKeyHandled = false;
  const TBlock* a = model_.ActiveBlockPtr();
  if (!a || a->Text.empty() || (key != Qt::Key_Left && key != Qt::Key_Right)) return false;
  if (key == Qt::Key_Left)
    CaretLeft(a->Text, model_.TextCaretPos());
  else
    CaretRight(a->Text, model_.TextCaretPos());
  FKeyHandled = true;
  update();
  return true;
}

void TBlocksHolder::CanvasKeyDown(int key, Qt::KeyboardModifiers shift) {
  if (model_.ViewOnly()) return;
  FKeyHandled = false;
  const bool keypad = shift.testFlag(Qt::KeypadModifier);
  if (key == Qt::Key_Escape) {
    FKeyHandled = true;
    Disarm(model_);
    drawRect_ = {};
    if (FStatusPanel) FStatusPanel->clear();
    if (model_.ActiveBlock() != 0) {
      model_.SetActiveBlock(0);
      model_.DissolveMultiSelection();
      DoActiveBlockChanged();
    }
    update();
    emit DrawingDisarmed();
  } else if ((key == Qt::Key_Minus || key == Qt::Key_Plus) && keypad) {
    FKeyHandled = true;
    const std::int64_t zoom = SteppedZoom(model_.ZoomPercents(), key == Qt::Key_Minus ? -10 : 10);
    if (zoom != model_.ZoomPercents()) model_.SetZoomPercents(zoom);
  } else {
    EditTextKey(key);
  }
}

EditKey TBlocksHolder::TypingKey() {
  // A stretch of typing goes on while the keys reach the same block.
  const TBlock* target = model_.ActiveBlockPtr();
  if (target != typingBlock_ || !typingKey_) typingKey_ = EditKey::New();
  typingBlock_ = target;
  return typingKey_;
}

bool TBlocksHolder::EditTextKey(int key) {
  using TextKey = BlocksHolderModel::TextKey;
  if (model_.ViewOnly() || !model_.ActiveBlockPtr()) return false;
  ChartEdit edit(model_, TypingKey());
  if (key == Qt::Key_Backspace)
    model_.EditTextAtCaret(TextKey::Backspace);
  else if (key == Qt::Key_Return || key == Qt::Key_Enter)
    model_.EditTextAtCaret(TextKey::LineBreak);
  else if (key == Qt::Key_Delete)
    model_.EditTextAtCaret(TextKey::Delete);
  else
    return false;
  FKeyHandled = true;
  return true;
}

void TBlocksHolder::CanvasKeyPress(char32_t ch) {
  if (FKeyHandled || model_.ViewOnly() || !model_.ActiveBlockPtr()) return;
  // Control characters of shortcut keys are no text.
  if (ch < 0x20 || ch == 0x7F) return;
  const auto byte = UnicodeToCp1251(ch);
  if (!byte) {
    QApplication::beep();
    return;
  }
  ChartEdit edit(model_, TypingKey());
  model_.InsertTextAtCaret(*byte);
}

}  // namespace quobrix
