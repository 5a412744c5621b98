// The counted loop wizard: input and a calculation before the loop, the
// loop's expression, a calculation and an output in the loop, and a
// calculation and an output after it.
#pragma once

#include "chart/wizards/LoopChart.h"
#include "wizards/WizardDialog.h"

namespace quobrix {

class TWizForForm : public WizardDialog {
  Q_OBJECT

 public:
  explicit TWizForForm(QWidget* parent = nullptr);

  LoopChartInput Input() const;
  void AppendChart(BlocksHolderModel& chart) const override;

  QCheckBox* chInput;
  CodePageLineEdit* edInput;
  QCheckBox* chProcess;
  CodePageMemo* mProcess;
  QCheckBox* chFor;
  CodePageLineEdit* edFor;
  QCheckBox* chProcessFor;
  CodePageMemo* mProcessFor;
  QCheckBox* chOutputFor;
  CodePageLineEdit* edOutputFor;
  QCheckBox* chProcessR;
  CodePageMemo* mProcessR;
  QCheckBox* chOutputR;
  CodePageLineEdit* edOutputR;
};

}  // namespace quobrix
