#include "wizards/WizardDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "chart/wizards/ProcessChart.h"
#include "platform/FileDialogFilter.h"
#include "platform/LanguageTable.h"
#include "platform/ProgramFolders.h"
#include "view/CodePageEdits.h"
#include "view/ProgramSettings.h"
#include "wizards/LanguageWords.h"

namespace quobrix {

WizardDialog::WizardDialog(QWidget* parent) : QDialog(parent) {
  layout_ = new QVBoxLayout(this);
  body_ = new QVBoxLayout;
  layout_->addLayout(body_);
}

void WizardDialog::AddTemplateRowAndButtons() {
  LabelTemplate = new QLabel(QStringLiteral("Шаблон для новой блок-схемы:"), this);
  LabelTemplate->setObjectName(QStringLiteral("LabelTemplate"));
  edTemplate = new QLineEdit(this);
  edTemplate->setObjectName(QStringLiteral("edTemplate"));
  LabelTemplate->setBuddy(edTemplate);
  bOpen = new QPushButton(QStringLiteral("..."), this);
  bOpen->setObjectName(QStringLiteral("bOpen"));
  bOpen->setAutoDefault(false);
  connect(bOpen, &QPushButton::clicked, this, &WizardDialog::bOpenClick);
  auto* templateRow = new QHBoxLayout;
  templateRow->addWidget(edTemplate, 1);
  templateRow->addWidget(bOpen);
  layout_->addSpacing(8);
  layout_->addWidget(LabelTemplate);
  layout_->addLayout(templateRow);

  bOK = new QPushButton(QStringLiteral("Готово"), this);
  bOK->setObjectName(QStringLiteral("bOK"));
  bOK->setDefault(true);
  bCancel = new QPushButton(QStringLiteral("Отмена"), this);
  bCancel->setObjectName(QStringLiteral("bCancel"));
  bCancel->setAutoDefault(false);
  connect(bOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(bOK);
  buttons->addWidget(bCancel);
  layout_->addLayout(buttons);

  OpenDlg = FileToOpenDialog("OpenDlg");
}

QFileDialog* WizardDialog::FileToOpenDialog(const char* name) {
  auto* dialog = new QFileDialog(this);
  dialog->setObjectName(QString::fromLatin1(name));
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  return dialog;
}

QString WizardDialog::ChooseFile(QFileDialog& dialog, TextKey title, TextKey filter) {
  dialog.setWindowTitle(LanguageText(title));
  dialog.setNameFilters(DialogNameFilters(LanguageText(filter)));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString WizardDialog::TemplatePath() const { return edTemplate->text(); }

QHBoxLayout* WizardDialog::SymbolSizeRow(SymbolSize typed, SymbolSize fallback) {
  fallbackSize_ = fallback;
  auto mm = [](std::int64_t side) { return QString::number(side / 100); };
  LabelSize = Label("LabelSize", "Габариты символов:", nullptr);
  edSW = new QLineEdit(mm(typed.width), this);
  edSW->setObjectName(QStringLiteral("edSW"));
  LabelSize->setBuddy(edSW);
  edSH = new QLineEdit(mm(typed.height), this);
  edSH->setObjectName(QStringLiteral("edSH"));
  // Room for four digits, not the whole row.
  const int editWidth = edSW->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16;
  for (QLineEdit* edit : {edSW, edSH}) edit->setMaximumWidth(editWidth);
  auto* row = new QHBoxLayout;
  row->addWidget(LabelSize);
  row->addWidget(edSW);
  row->addWidget(Label("LabelX", "x", edSH));
  row->addWidget(edSH);
  row->addWidget(Label("LabelMM", "мм", nullptr));
  row->addStretch(1);
  return row;
}

SymbolSize WizardDialog::TypedSymbolSize(std::int64_t sheetWidth, std::int64_t sheetHeight) const {
  return {SymbolSideFromText(edSW->text().toStdString(), fallbackSize_.width / 100, sheetWidth),
          SymbolSideFromText(edSH->text().toStdString(), fallbackSize_.height / 100, sheetHeight)};
}

QCheckBox* WizardDialog::Check(const char* name, const char* caption) {
  auto* check = new QCheckBox(QString::fromUtf8(caption), this);
  check->setObjectName(QString::fromLatin1(name));
  check->setChecked(true);
  return check;
}

CodePageLineEdit* WizardDialog::Edit(const char* name, QCheckBox* section) {
  auto* edit = new CodePageLineEdit(this);
  edit->setObjectName(QString::fromLatin1(name));
  Tie(section, edit);
  return edit;
}

CodePageMemo* WizardDialog::Memo(const char* name, QCheckBox* section) {
  auto* memo = new CodePageMemo(this);
  memo->setObjectName(QString::fromLatin1(name));
  Tie(section, memo);
  return memo;
}

QLabel* WizardDialog::Label(const char* name, const char* text, QWidget* buddy) {
  auto* label = new QLabel(QString::fromUtf8(text), this);
  label->setObjectName(QString::fromLatin1(name));
  label->setBuddy(buddy);
  return label;
}

QLabel* WizardDialog::Hint(const char* name, const char* text, QWidget* buddy) {
  QLabel* label = Label(name, text, buddy);
  label->setWordWrap(true);
  return label;
}

void WizardDialog::Tie(QCheckBox* section, QWidget* control) {
  sections_.append({section, control});
  connect(section, &QCheckBox::toggled, control, &QWidget::setEnabled);
}

WizardSection WizardDialog::Section(const QCheckBox& check, const CodePageLineEdit& edit) {
  return {check.isChecked(), edit.ChartText()};
}

WizardSection WizardDialog::Section(const QCheckBox& check, const CodePageMemo& memo) {
  return {check.isChecked(), memo.ChartText()};
}

WizardWords WizardDialog::Words() {
  return {LanguageWord(TextKey::WIZARD_BEGIN),   LanguageWord(TextKey::WIZARD_END), LanguageWord(TextKey::WIZARD_INPUT),
          LanguageWord(TextKey::WIZARD_OUTPUT),  LanguageWord(TextKey::WIZARD_PROCESS), LanguageWord(TextKey::WIZARD_YES),
          LanguageWord(TextKey::WIZARD_NO)};
}

// The captions are final once the dialog shows: the language has been applied.
void WizardDialog::showEvent(QShowEvent* event) {
  for (const auto& [check, control] : sections_) control->setAccessibleName(check->text().trimmed());
  bOpen->setToolTip(LanguageText(TextKey::FILE_OPEN_TITLE));
  QDialog::showEvent(event);
}

void WizardDialog::bOpenClick() {
  const QString path = ChooseFile(*OpenDlg, TextKey::FILE_OPEN_TITLE, TextKey::FILE_OPEN_FILTER);
  if (!path.isEmpty()) edTemplate->setText(path);
}

}  // namespace quobrix
