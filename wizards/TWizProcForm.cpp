#include "wizards/TWizProcForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "platform/Cp1251Codec.h"
#include "platform/LanguageTable.h"
#include "view/CodePageEdits.h"

namespace quobrix {

namespace {

enum ItemRole { KindRole = Qt::UserRole, ConditionRole, OperationRole };

bool HasCondition(ProcessSectionKind kind) {
  return kind == ProcessSectionKind::Condition || kind == ProcessSectionKind::Loop;
}

QString Prefix(ProcessSectionKind kind) {
  switch (kind) {
    case ProcessSectionKind::Operation: return LanguageText(TextKey::WIZARD_OPERATION);
    case ProcessSectionKind::Delay: return LanguageText(TextKey::WIZARD_DELAY);
    case ProcessSectionKind::Condition: return LanguageText(TextKey::WIZARD_IF);
    case ProcessSectionKind::Loop: return LanguageText(TextKey::WIZARD_CYCLE);
    case ProcessSectionKind::InputOutput: return LanguageText(TextKey::WIZARD_INOUT);
  }
  return {};
}

// The list shows a section as its kind's word, then its texts.
QString ShownText(ProcessSectionKind kind, const QString& condition, const QString& operation) {
  if (HasCondition(kind)) return Prefix(kind) + QStringLiteral(" - /") + condition + QStringLiteral("/  ") + operation;
  return Prefix(kind) + QStringLiteral(" - ") + operation;
}

std::string ChartText(QString text) {
  text.replace(u'\n', QStringLiteral("\r\n"));
  return UnicodeToCp1251(text).value_or(std::string{});
}

ProcessSection SectionOf(const QListWidgetItem& item) {
  return {static_cast<ProcessSectionKind>(item.data(KindRole).toInt()), ChartText(item.data(ConditionRole).toString()),
          ChartText(item.data(OperationRole).toString())};
}

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QLabel* NamedLabel(const char* name, const char* text, QWidget* parent) {
  return Named(new QLabel(QString::fromUtf8(text), parent), name);
}

}  // namespace

TWizProcForm::TWizProcForm(QWidget* parent)
    : WizardDialog(parent),
      LabelSections(NamedLabel("LabelSections", "Cекции новой схемы:", this)),
      LBox(Named(new QListWidget(this), "LBox")),
      GroupBox1(Named(new QGroupBox(QStringLiteral("Добавить секцию:"), this), "GroupBox1")),
      bOperation(SectionButton("bOperation", "Операция (действие)", ProcessSectionKind::Operation)),
      bDelay(SectionButton("bDelay", "Пауза (задержка)", ProcessSectionKind::Delay)),
      bIf(SectionButton("bIf", "Операция по условию", ProcessSectionKind::Condition)),
      bCycle(SectionButton("bCycle", "Цикл операций", ProcessSectionKind::Loop)),
      bInOut(SectionButton("bInOut", "Ввод / Вывод", ProcessSectionKind::InputOutput)),
      bDeleteSection(ListButton("bDeleteSection", "Удалить секцию", &TWizProcForm::bDeleteSectionClick)),
      bMoveUp(ListButton("bMoveUp", "Переместить вверх", &TWizProcForm::bMoveUpClick)),
      bMoveDown(ListButton("bMoveDown", "Переместить вниз", &TWizProcForm::bMoveDownClick)),
      PanelSection(Named(new QGroupBox(this), "PanelSection")),
      LabelCondition(NamedLabel("LabelCondition", "Условие", PanelSection)),
      LabelExpression(NamedLabel("LabelExpression", "Выражение в цикле", PanelSection)),
      edCondition(Named(new CodePageLineEdit(PanelSection), "edCondition")),
      LabelOperation(NamedLabel("LabelOperation", "Операция", PanelSection)),
      mOperation(Named(new CodePageMemo(PanelSection), "mOperation")),
      bSectionOK(Named(new QPushButton(QStringLiteral("OK"), PanelSection), "bSectionOK")),
      bSectionCancel(Named(new QPushButton(QStringLiteral("Отмена"), PanelSection), "bSectionCancel")),
      sectionTools_(new QStackedWidget(this)) {
  setObjectName(QStringLiteral("WizProcForm"));
  LabelSections->setBuddy(LBox);
  LBox->setSelectionMode(QAbstractItemView::SingleSelection);

  auto* add = new QVBoxLayout(GroupBox1);
  for (QPushButton* button : {bOperation, bDelay, bIf, bCycle, bInOut}) add->addWidget(button);
  auto* tools = new QWidget;
  auto* toolsLayout = new QVBoxLayout(tools);
  toolsLayout->setContentsMargins(0, 0, 0, 0);
  toolsLayout->addWidget(GroupBox1);
  for (QPushButton* button : {bDeleteSection, bMoveUp, bMoveDown}) toolsLayout->addWidget(button);
  toolsLayout->addStretch(1);

  LabelCondition->setBuddy(edCondition);
  LabelOperation->setBuddy(mOperation);
  auto* panel = new QVBoxLayout(PanelSection);
  for (QWidget* widget : std::initializer_list<QWidget*>{LabelCondition, LabelExpression, edCondition, LabelOperation})
    panel->addWidget(widget);
  panel->addWidget(mOperation, 1);
  auto* panelButtons = new QHBoxLayout;
  panelButtons->addStretch(1);
  panelButtons->addWidget(bSectionOK);
  panelButtons->addWidget(bSectionCancel);
  panel->addLayout(panelButtons);
  connect(bSectionOK, &QPushButton::clicked, this, &TWizProcForm::bSectionOKClick);
  connect(bSectionCancel, &QPushButton::clicked, this, &TWizProcForm::HidePanel);

  sectionTools_->addWidget(tools);
  sectionTools_->addWidget(PanelSection);
  auto* list = new QVBoxLayout;
  list->addWidget(LabelSections);
  list->addWidget(LBox, 1);
  list->addLayout(SymbolSizeRow({6000, 2000}, {8000, 3000}));
  // The size is typed right after the list, before the section buttons.
  setTabOrder(LBox, edSW);
  setTabOrder(edSW, edSH);
  auto* columns = new QHBoxLayout;
  columns->addLayout(list, 1);
  columns->addWidget(sectionTools_);
  Body().addLayout(columns);
  AddTemplateRowAndButtons();
  resize(600, 420);
}

QPushButton* TWizProcForm::SectionButton(const char* name, const char* caption, ProcessSectionKind kind) {
  auto* button = Named(new QPushButton(QString::fromUtf8(caption), this), name);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [this, button, kind] { ShowPanel(kind, button->text()); });
  return button;
}

QPushButton* TWizProcForm::ListButton(const char* name, const char* caption, void (TWizProcForm::*click)()) {
  auto* button = Named(new QPushButton(QString::fromUtf8(caption), this), name);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, click);
  return button;
}

void TWizProcForm::ShowPanel(ProcessSectionKind kind, const QString& title) {
  panelKind_ = kind;
  edCondition->clear();
  mOperation->clear();
  PanelSection->setTitle(title);
  LabelCondition->setVisible(kind == ProcessSectionKind::Condition);
  LabelExpression->setVisible(kind == ProcessSectionKind::Loop);
  edCondition->setVisible(HasCondition(kind));
  LabelOperation->setVisible(HasCondition(kind));
  edCondition->setAccessibleName(kind == ProcessSectionKind::Loop ? LabelExpression->text() : LabelCondition->text());
  mOperation->setAccessibleName(HasCondition(kind) ? LabelOperation->text() : title);
  sectionTools_->setCurrentWidget(PanelSection);
  if (HasCondition(kind))
    edCondition->setFocus();
  else
    mOperation->setFocus();
}

void TWizProcForm::HidePanel() { sectionTools_->setCurrentIndex(0); }

// The new section goes before the selected one, or last when none is selected.
void TWizProcForm::bSectionOKClick() {
  const QString condition = edCondition->text();
  const QString operation = mOperation->toPlainText();
  auto* item = new QListWidgetItem(ShownText(panelKind_, condition, operation));
  item->setData(KindRole, static_cast<int>(panelKind_));
  item->setData(ConditionRole, condition);
  item->setData(OperationRole, operation);
  const QList<QListWidgetItem*> selected = LBox->selectedItems();
  LBox->insertItem(selected.isEmpty() ? LBox->count() : LBox->row(selected.first()), item);
  HidePanel();
}

void TWizProcForm::bDeleteSectionClick() { qDeleteAll(LBox->selectedItems()); }

void TWizProcForm::bMoveUpClick() { MoveSelected(-1); }

void TWizProcForm::bMoveDownClick() { MoveSelected(1); }

void TWizProcForm::MoveSelected(int by) {
  const QList<QListWidgetItem*> selected = LBox->selectedItems();
  if (selected.isEmpty()) return;
  const int row = LBox->row(selected.first());
  const int to = row + by;
  if (to < 0 || to >= LBox->count()) return;
  LBox->insertItem(to, LBox->takeItem(row));
  LBox->setCurrentRow(to);
}

ProcessChartInput TWizProcForm::Input(std::int64_t sheetWidth, std::int64_t sheetHeight) const {
  ProcessChartInput in;
  for (int i = 0; i < LBox->count(); ++i) in.sections.push_back(SectionOf(*LBox->item(i)));
  const SymbolSize size = TypedSymbolSize(sheetWidth, sheetHeight);
  in.symbolWidth = size.width;
  in.symbolHeight = size.height;
  return in;
}

void TWizProcForm::AppendChart(BlocksHolderModel& chart) const {
  AppendProcessChart(chart, Input(chart.SheetWidth(), chart.SheetHeight()));
}

}  // namespace quobrix
