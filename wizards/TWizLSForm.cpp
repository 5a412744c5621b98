#include "wizards/TWizLSForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

#include "view/CodePageEdits.h"

namespace quobrix {

TWizLSForm::TWizLSForm(QWidget* parent)
    : WizardDialog(parent),
      chInput(Check("chInput", "Ввод начальных значений")),
      edInput(Edit("edInput", chInput)),
      chProcess(Check("chProcess", "Вычисление результатов")),
      mProcess(Memo("mProcess", chProcess)),
      chOutput(Check("chOutput", "Вывод результатов")),
      edOutput(Edit("edOutput", chOutput)) {
  setObjectName(QStringLiteral("WizLSForm"));
  QVBoxLayout& body = Body();
  body.addWidget(chInput);
  body.addWidget(edInput);
  body.addWidget(Hint("Label1", "Например: A, B, C, X", edInput));
  body.addSpacing(8);
  body.addWidget(chProcess);
  body.addWidget(Hint("Label2",
                      "Впишите формулу (или несколько формул), по которым рассчитывается результат "
                      "(например: Y = A*X*X+B*X+C)",
                      mProcess));
  body.addWidget(mProcess);
  body.addSpacing(8);
  body.addWidget(chOutput);
  body.addWidget(edOutput);
  body.addWidget(Hint("Label3", "Например: Y", edOutput));
  AddTemplateRowAndButtons();
  resize(420, 460);
}

LinearChartInput TWizLSForm::Input() const {
  return {Section(*chInput, *edInput), Section(*chProcess, *mProcess), Section(*chOutput, *edOutput)};
}

void TWizLSForm::AppendChart(BlocksHolderModel& chart) const { AppendLinearChart(chart, Words(), Input()); }

}  // namespace quobrix
