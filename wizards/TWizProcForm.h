// The process wizard: a list of sections (operations, delays, inputs and
// outputs, operations under a condition, loops of operations) and the size
// of their symbols. Each list item keeps its section's kind and texts
// beside the text it shows.
#pragma once

#include "chart/wizards/ProcessChart.h"
#include "wizards/WizardDialog.h"

class QGroupBox;
class QListWidget;
class QStackedWidget;

namespace quobrix {

class TWizProcForm : public WizardDialog {
  Q_OBJECT

 public:
  explicit TWizProcForm(QWidget* parent = nullptr);

  // The sections, and the symbol size for a sheet of the given size.
  ProcessChartInput Input(std::int64_t sheetWidth, std::int64_t sheetHeight) const;
  void AppendChart(BlocksHolderModel& chart) const override;

  QLabel* LabelSections;
  QListWidget* LBox;
  QGroupBox* GroupBox1;
  QPushButton* bOperation;
  QPushButton* bDelay;
  QPushButton* bIf;
  QPushButton* bCycle;
  QPushButton* bInOut;
  QPushButton* bDeleteSection;
  QPushButton* bMoveUp;
  QPushButton* bMoveDown;

  // The panel a section is typed into, shown in place of the section buttons.
  QGroupBox* PanelSection;
  QLabel* LabelCondition;
  QLabel* LabelExpression;
  CodePageLineEdit* edCondition;
  QLabel* LabelOperation;
  CodePageMemo* mOperation;
  QPushButton* bSectionOK;
  QPushButton* bSectionCancel;

 private:
  QPushButton* SectionButton(const char* name, const char* caption, ProcessSectionKind kind);
  QPushButton* ListButton(const char* name, const char* caption, void (TWizProcForm::*click)());
  void ShowPanel(ProcessSectionKind kind, const QString& title);
  void HidePanel();
  void bSectionOKClick();
  void bDeleteSectionClick();
  void bMoveUpClick();
  void bMoveDownClick();
  void MoveSelected(int by);

  QStackedWidget* sectionTools_;
  ProcessSectionKind panelKind_ = ProcessSectionKind::Operation;
};

}  // namespace quobrix
