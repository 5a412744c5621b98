#include "wizards/TWizForForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "view/CodePageEdits.h"

namespace quobrix {

TWizForForm::TWizForForm(QWidget* parent)
    : WizardDialog(parent),
      chInput(Check("chInput", " Ввод нач. значений")),
      edInput(Edit("edInput", chInput)),
      chProcess(Check("chProcess", " Вычисления")),
      mProcess(Memo("mProcess", chProcess)),
      chFor(Check("chFor", "Выражение в цикле")),
      edFor(Edit("edFor", chFor)),
      chProcessFor(Check("chProcessFor", " Вычисления в цикле")),
      mProcessFor(Memo("mProcessFor", chProcessFor)),
      chOutputFor(Check("chOutputFor", " Вывод в цикле")),
      edOutputFor(Edit("edOutputFor", chOutputFor)),
      chProcessR(Check("chProcessR", " Вычисления")),
      mProcessR(Memo("mProcessR", chProcessR)),
      chOutputR(Check("chOutputR", " Вывод")),
      edOutputR(Edit("edOutputR", chOutputR)) {
  setObjectName(QStringLiteral("WizForForm"));
  // The loop header is drawn whatever its box says, so its expression stays editable.
  chFor->disconnect(edFor);
  // Before the loop, the loop, after the loop: top to bottom as in the chart.
  QVBoxLayout& body = Body();
  auto* before = new QGridLayout;
  before->addWidget(chInput, 0, 0);
  before->addWidget(edInput, 1, 0);
  before->addWidget(chProcess, 0, 1);
  before->addWidget(mProcess, 1, 1, 2, 1);
  body.addLayout(before);
  body.addSpacing(8);
  body.addWidget(chFor);
  body.addWidget(edFor);
  body.addWidget(Hint("Label1", "Например: I:=X1,X2,1 (ДЛЯ I=X1 ДО X2 ШАГ 1)", edFor));
  auto* inLoop = new QGridLayout;
  inLoop->addWidget(chProcessFor, 0, 0);
  inLoop->addWidget(mProcessFor, 1, 0, 3, 1);
  inLoop->addWidget(chOutputFor, 0, 1);
  inLoop->addWidget(edOutputFor, 1, 1);
  inLoop->addWidget(Hint("Label2", "Например: I", edOutputFor), 2, 1);
  body.addLayout(inLoop);
  body.addSpacing(8);
  auto* after = new QGridLayout;
  after->addWidget(chProcessR, 0, 0);
  after->addWidget(mProcessR, 1, 0, 3, 1);
  after->addWidget(chOutputR, 0, 1);
  after->addWidget(edOutputR, 1, 1);
  after->addWidget(Hint("Label3", "Например: Y", edOutputR), 2, 1);
  body.addLayout(after);
  AddTemplateRowAndButtons();
  resize(520, 560);
}

LoopChartInput TWizForForm::Input() const {
  return {Section(*chInput, *edInput),         Section(*chProcess, *mProcess),      edFor->ChartText(),
          Section(*chProcessFor, *mProcessFor), Section(*chOutputFor, *edOutputFor), Section(*chProcessR, *mProcessR),
          Section(*chOutputR, *edOutputR)};
}

void TWizForForm::AppendChart(BlocksHolderModel& chart) const { AppendLoopChart(chart, Words(), Input()); }

}  // namespace quobrix
