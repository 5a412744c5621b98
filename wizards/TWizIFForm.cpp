#include "wizards/TWizIFForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "view/CodePageEdits.h"

namespace quobrix {

TWizIFForm::TWizIFForm(QWidget* parent)
    : WizardDialog(parent),
      chInput(Check("chInput", " Ввод начальных значений")),
      edInput(Edit("edInput", chInput)),
      chIf(Check("chIf", " Логическое условие")),
      edIf(Edit("edIf", chIf)),
      chProcess1(Check("chProcess1", " Вычисления")),
      mProcess1(Memo("mProcess1", chProcess1)),
      chOutput1(Check("chOutput1", " Вывод рез-тов")),
      edOutput1(Edit("edOutput1", chOutput1)),
      chProcess2(Check("chProcess2", " Вычисления")),
      mProcess2(Memo("mProcess2", chProcess2)),
      chOutput2(Check("chOutput2", " Вывод рез-тов")),
      edOutput2(Edit("edOutput2", chOutput2)) {
  setObjectName(QStringLiteral("WizIFForm"));
  QVBoxLayout& body = Body();
  body.addWidget(chInput);
  body.addWidget(edInput);
  body.addSpacing(8);
  body.addWidget(chIf);
  body.addWidget(edIf);
  body.addWidget(Hint("Label1", "Например: A > 0", edIf));
  body.addSpacing(8);
  // The true outcome on the left, as the chart draws it.
  auto* branches = new QGridLayout;
  branches->addWidget(Hint("Label2", "Если условие ИСТИННО", nullptr), 0, 0);
  branches->addWidget(chProcess1, 1, 0);
  branches->addWidget(mProcess1, 2, 0);
  branches->addWidget(chOutput1, 3, 0);
  branches->addWidget(edOutput1, 4, 0);
  branches->addWidget(Hint("Label3", "Если условие ЛОЖНО", nullptr), 0, 1);
  branches->addWidget(chProcess2, 1, 1);
  branches->addWidget(mProcess2, 2, 1);
  branches->addWidget(chOutput2, 3, 1);
  branches->addWidget(edOutput2, 4, 1);
  body.addLayout(branches);
  AddTemplateRowAndButtons();
  resize(520, 480);
}

BranchChartInput TWizIFForm::Input() const {
  return {Section(*chInput, *edInput),     Section(*chIf, *edIf),
          Section(*chProcess1, *mProcess1), Section(*chOutput1, *edOutput1),
          Section(*chProcess2, *mProcess2), Section(*chOutput2, *edOutput2)};
}

void TWizIFForm::AppendChart(BlocksHolderModel& chart) const { AppendBranchChart(chart, Words(), Input()); }

}  // namespace quobrix
