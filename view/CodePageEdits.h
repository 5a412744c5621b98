// Text controls for texts that go into blocks: a character the chart's code
// page cannot hold is refused as it is typed or pasted, with a beep, so what
// the user sees is what the chart gets.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <string>

namespace quobrix {

class CodePageLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit CodePageLineEdit(QWidget* parent = nullptr);
  // The text in the chart's code page.
  std::string ChartText() const;
};

class CodePageMemo : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit CodePageMemo(QWidget* parent = nullptr);
  // The text in the chart's code page, lines separated by CR LF.
  std::string ChartText() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace quobrix
