// The wizard that draws a program's flowchart from its text: the text typed,
// pasted or opened from a file, its language, the symbol size, and the chart
// drawn anew shortly after each change. A text the reader refuses names the
// line and column of the fault under the preview and cannot be finished.
#pragma once

#include <string>

#include "chart/wizards/CodeChart.h"
#include "wizards/WizardDialog.h"

class QComboBox;
class QPlainTextEdit;
class QScrollArea;
class QTimer;

namespace quobrix {

class CodeChartPreview;

class TWizCodeForm : public WizardDialog {
  Q_OBJECT

 public:
  explicit TWizCodeForm(QWidget* parent = nullptr);

  // Program files longer than this are refused.
  static constexpr qint64 kMaxProgramBytes = 256 * 1024;

  CodeChartOptions Options(std::int64_t sheetWidth, std::int64_t sheetHeight) const;
  void AppendChart(BlocksHolderModel& chart) const override;

  // Puts the UTF-8 text of the file into the text area and takes the
  // language its extension names; tells the user why when it cannot.
  bool OpenProgram(const QString& path);
  // Draws the preview from the text now rather than when typing pauses.
  void RefreshPreview();
  // A text changed just before "Готово" is read first; one with a fault keeps the dialog open.
  void accept() override;

  QLabel* LabelProgram;
  QPlainTextEdit* mProgram;
  QPushButton* bOpenProgram;
  QLabel* LabelLanguage;
  QComboBox* cbLanguage;
  QLabel* LabelPreview;
  QScrollArea* PreviewArea;
  CodeChartPreview* Preview;
  QLabel* LabelStatus;  // the reader's fault, empty while the text draws
  QFileDialog* OpenProgramDlg;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::string ProgramText() const;
  void MarkFault(const CodeError* error);
  void bOpenProgramClick();
  // Tells the user why a file was not opened; false.
  bool Refuse(const QString& message);

  QTimer* previewTimer_;
};

}  // namespace quobrix
