// The linear chart wizard: input, calculation and output between begin and end.
#pragma once

#include "chart/wizards/LinearChart.h"
#include "wizards/WizardDialog.h"

namespace quobrix {

class TWizLSForm : public WizardDialog {
  Q_OBJECT

 public:
  explicit TWizLSForm(QWidget* parent = nullptr);

  LinearChartInput Input() const;
  void AppendChart(BlocksHolderModel& chart) const override;

  QCheckBox* chInput;
  CodePageLineEdit* edInput;
  QCheckBox* chProcess;
  CodePageMemo* mProcess;
  QCheckBox* chOutput;
  CodePageLineEdit* edOutput;
};

}  // namespace quobrix
