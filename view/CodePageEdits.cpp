#include "view/CodePageEdits.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QValidator>

#include "platform/Cp1251Codec.h"

namespace quobrix {

namespace {

bool Representable(const QString& text) { return UnicodeToCp1251(text).has_value(); }

// Refuses the edit that would bring in a character outside the code page.
bool Refused(const QString& text) {
  if (Representable(text)) return false;
  QApplication::beep();
  return true;
}

class CodePageValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override { return Refused(input) ? Invalid : Acceptable; }
};

std::string ChartBytes(const QString& text) { return UnicodeToCp1251(text).value_or(std::string{}); }

}  // namespace

CodePageLineEdit::CodePageLineEdit(QWidget* parent) : QLineEdit(parent) {
  setValidator(new CodePageValidator(this));
}

std::string CodePageLineEdit::ChartText() const { return ChartBytes(text()); }

CodePageMemo::CodePageMemo(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
}

std::string CodePageMemo::ChartText() const {
  QString text = toPlainText();
  text.replace(u'\n', QStringLiteral("\r\n"));
  return ChartBytes(text);
}

void CodePageMemo::keyPressEvent(QKeyEvent* event) {
  if (Refused(event->text())) return;
  QPlainTextEdit::keyPressEvent(event);
}

void CodePageMemo::inputMethodEvent(QInputMethodEvent* event) {
  if (Refused(event->commitString())) return;
  QPlainTextEdit::inputMethodEvent(event);
}

bool CodePageMemo::canInsertFromMimeData(const QMimeData* source) const { return source->hasText(); }

void CodePageMemo::insertFromMimeData(const QMimeData* source) {
  if (Refused(source->text())) return;
  insertPlainText(source->text());
}

}  // namespace quobrix
