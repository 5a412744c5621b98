// The branch wizard: input, a condition, and a calculation and an output
// for each of its outcomes.
#pragma once

#include "chart/wizards/BranchChart.h"
#include "wizards/WizardDialog.h"

namespace quobrix {

class TWizIFForm : public WizardDialog {
  Q_OBJECT

 public:
  explicit TWizIFForm(QWidget* parent = nullptr);

  BranchChartInput Input() const;
  void AppendChart(BlocksHolderModel& chart) const override;

  QCheckBox* chInput;
  CodePageLineEdit* edInput;
  QCheckBox* chIf;
  CodePageLineEdit* edIf;
  QCheckBox* chProcess1;
  CodePageMemo* mProcess1;
  QCheckBox* chOutput1;
  CodePageLineEdit* edOutput1;
  QCheckBox* chProcess2;
  CodePageMemo* mProcess2;
  QCheckBox* chOutput2;
  CodePageLineEdit* edOutput2;
};

}  // namespace quobrix
