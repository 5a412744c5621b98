#include "tools/TSheetSizeForm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "chart/BlocksHolderModel.h"
#include "tools/CommandCaption.h"
#include "tools/DialogPlacement.h"
#include "view/CommandTable.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

namespace {

constexpr std::int64_t kHundredthsPerMillimetre = 100;

QLabel* Label(QWidget* parent, const char* name, const char* caption) {
  auto* label = new QLabel(QString::fromUtf8(caption), parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QLineEdit* Edit(QWidget* parent, const char* name, const char* text) {
  auto* edit = new QLineEdit(QString::fromLatin1(text), parent);
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

}  // namespace

std::optional<std::int64_t> ReadSheetSide(const QString& millimetres) {
  bool ok = false;
  const qlonglong mm = millimetres.trimmed().toLongLong(&ok);
  if (!ok || mm < kSmallestSheetSide / kHundredthsPerMillimetre || mm > kLargestSheetSide / kHundredthsPerMillimetre)
    return std::nullopt;
  return mm * kHundredthsPerMillimetre;
}

TSheetSizeForm::TSheetSizeForm(QWidget& owner, CommandTable& commands) : QDialog(&owner) {
  setObjectName(QStringLiteral("SheetSizeForm"));
  Label1 = Label(this, "Label1", "Задайте желаемый размер страницы (мм)");
  Label2 = Label(this, "Label2", "Ширина:");
  Label3 = Label(this, "Label3", "Высота:");
  edWidth = Edit(this, "edWidth", "210");
  edHeight = Edit(this, "edHeight", "297");
  Label2->setBuddy(edWidth);
  Label3->setBuddy(edHeight);
  bOK = new QPushButton(QStringLiteral("ОК"), this);
  bOK->setObjectName(QStringLiteral("bOK"));
  bOK->setDefault(true);
  bCancel = new QPushButton(QStringLiteral("Отмена"), this);
  bCancel->setObjectName(QStringLiteral("bCancel"));
  connect(bOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* fields = new QFormLayout;
  fields->addRow(Label2, edWidth);
  fields->addRow(Label3, edHeight);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(bOK);
  buttons->addWidget(bCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  setFixedSize(sizeHint());

  QAction& command = commands.Action(CommandId::SheetSize);
  TitleAfterCommand(*this, command);
  commands.BindChart(CommandId::SheetSize, [self = QPointer(this)](THolderForm& w, QAction&) {
    if (self) {
      CentreOver(*self, w);
      self->SetSizes(w.bh->Model());
    }
  });
}

bool TSheetSizeForm::SetSizes(BlocksHolderModel& chart) {
  edWidth->setFocus();
  if (exec() != QDialog::Accepted) return false;
  const auto width = ReadSheetSide(edWidth->text());
  const auto height = ReadSheetSide(edHeight->text());
  return width && height && chart.ChangeSheetSize(*width, *height);
}

}  // namespace quobrix
