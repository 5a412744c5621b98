#include "tools/TShemeInfoForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "chart/BlocksHolderModel.h"
#include "platform/Cp1251Codec.h"
#include "tools/CommandCaption.h"
#include "tools/DialogPlacement.h"
#include "view/CodePageEdits.h"
#include "view/CommandTable.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

namespace {

QLabel* Label(QWidget* parent, const char* name, const char* caption, QWidget* buddy) {
  auto* label = new QLabel(QString::fromUtf8(caption), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setBuddy(buddy);
  return label;
}

template <class W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

TShemeInfoForm::TShemeInfoForm(QWidget& owner, CommandTable& commands) : QDialog(&owner) {
  setObjectName(QStringLiteral("ShemeInfoForm"));
  edAuthor = Named(new CodePageLineEdit(this), "edAuthor");
  edOrg = Named(new CodePageLineEdit(this), "edOrg");
  mDescr = Named(new CodePageMemo(this), "mDescr");
  Label1 = Label(this, "Label1", "Автор", edAuthor);
  Label2 = Label(this, "Label2", "Организация", edOrg);
  Label3 = Label(this, "Label3", "Описание схемы", mDescr);
  bOK = Named(new QPushButton(QStringLiteral("ОК"), this), "bOK");
  bOK->setDefault(true);
  bCancel = Named(new QPushButton(QStringLiteral("Отмена"), this), "bCancel");
  connect(bOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QGridLayout(this);
  layout->addWidget(Label1, 0, 0);
  layout->addWidget(edAuthor, 1, 0);
  layout->addWidget(Label2, 2, 0);
  layout->addWidget(edOrg, 3, 0);
  layout->addWidget(Label3, 4, 0);
  layout->addWidget(mDescr, 5, 0);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(bOK);
  buttons->addWidget(bCancel);
  layout->addLayout(buttons, 6, 0);
  resize(360, 320);

  TitleAfterCommand(*this, commands.Action(CommandId::ChartInfo));
  commands.BindChart(CommandId::ChartInfo, [self = QPointer(this)](THolderForm& w, QAction&) {
    if (self) {
      CentreOver(*self, w);
      self->EditInfo(w.bh->Model());
    }
  });
}

void TShemeInfoForm::EditInfo(BlocksHolderModel& chart) {
  edAuthor->setText(Cp1251ToUnicode(chart.Author()));
  edOrg->setText(Cp1251ToUnicode(chart.Organization()));
  // The memo breaks lines at LF; the chart keeps CR LF.
  mDescr->setPlainText(Cp1251ToUnicode(chart.Description()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  edAuthor->setFocus();
  if (exec() == QDialog::Accepted)
    chart.ChangeDocumentInfo(edAuthor->ChartText(), edOrg->ChartText(), mDescr->ChartText());
}

}  // namespace quobrix
