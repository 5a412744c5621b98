// What every chart wizard's dialog has: its sections above, then the row
// that names a template chart for the new chart, and "Готово" and "Отмена".
// A wizard derives from it, lays out its sections and turns what the user
// typed into blocks; the main window runs it and opens the result.
#pragma once

#include <QDialog>
#include <QList>
#include <QPair>

#include "chart/BlocksHolderModel.h"
#include "chart/wizards/SymbolText.h"
#include "chart/wizards/WizardChart.h"
#include "platform/LanguageTable.h"

class QCheckBox;
class QFileDialog;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace quobrix {

class CodePageLineEdit;
class CodePageMemo;

class WizardDialog : public QDialog {
  Q_OBJECT

 public:
  // The path typed or chosen in the template row.
  QString TemplatePath() const;
  // Appends the chart the dialog describes.
  virtual void AppendChart(BlocksHolderModel& chart) const = 0;

  QLabel* LabelTemplate = nullptr;
  QLineEdit* edTemplate = nullptr;
  QPushButton* bOpen = nullptr;
  QPushButton* bOK = nullptr;
  QPushButton* bCancel = nullptr;
  QFileDialog* OpenDlg = nullptr;
  // The symbol size row, in wizards that have one.
  QLabel* LabelSize = nullptr;
  QLineEdit* edSW = nullptr;
  QLineEdit* edSH = nullptr;

 protected:
  explicit WizardDialog(QWidget* parent);

  // The place for the wizard's own controls, above the template row.
  QVBoxLayout& Body() { return *body_; }
  // Adds the template row and the buttons below the wizard's controls, last
  // in the order of the Tab key; the constructor of every wizard ends with it.
  void AddTemplateRowAndButtons();

  // The row that takes the width and height of the symbols in millimetres,
  // showing `typed` at first.
  QHBoxLayout* SymbolSizeRow(SymbolSize typed, SymbolSize fallback);
  // The typed size in chart units; a side that is no whole number of
  // millimetres, or does not fit the sheet, takes its fallback.
  SymbolSize TypedSymbolSize(std::int64_t sheetWidth, std::int64_t sheetHeight) const;

  // A dialog that picks one existing file, and the path it picked (empty
  // when cancelled) under the title and filters of the current language.
  QFileDialog* FileToOpenDialog(const char* name);
  static QString ChooseFile(QFileDialog& dialog, TextKey title, TextKey filter);

  // A section's check box, ticked.
  QCheckBox* Check(const char* name, const char* caption);
  // The section's text control: usable while its check box is ticked, and
  // named for assistive tools by the check box's caption.
  CodePageLineEdit* Edit(const char* name, QCheckBox* section);
  CodePageMemo* Memo(const char* name, QCheckBox* section);
  // A label that names `buddy`, when given.
  QLabel* Label(const char* name, const char* text, QWidget* buddy);
  // A hint under or above a control, which it also names.
  QLabel* Hint(const char* name, const char* text, QWidget* buddy);

  static WizardSection Section(const QCheckBox& check, const CodePageLineEdit& edit);
  static WizardSection Section(const QCheckBox& check, const CodePageMemo& memo);
  // The words of the current language that label the symbols.
  static WizardWords Words();

  void showEvent(QShowEvent* event) override;

 private:
  void bOpenClick();
  void Tie(QCheckBox* section, QWidget* control);

  QVBoxLayout* layout_ = nullptr;
  QVBoxLayout* body_ = nullptr;
  QList<QPair<QCheckBox*, QWidget*>> sections_;
  SymbolSize fallbackSize_;
};

}  // namespace quobrix
