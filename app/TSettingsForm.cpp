#include "app/TSettingsForm.h"

#include <QAction>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>

#include "app/AboutPicture.h"
#include "app/SettingsFile.h"
#include "app/TranslateWindow.h"
#include "app/WrappingCheckBox.h"
#include "platform/ProfileFile.h"

namespace quobrix {

namespace {

constexpr QSize kClientSize(425, 306);

// The languages that have language files, in the order of the list.
const char* const kLanguages[] = {"English", "Русский", "Украинский"};

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

TSettingsForm::TSettingsForm(QWidget& owner, ProgramSettings& settings, const QAction& menuItem,
                             std::function<void(const QString&)> useLanguage)
    : QDialog(&owner), settings_(settings), useLanguage_(std::move(useLanguage)) {
  setObjectName(QStringLiteral("SettingsForm"));
  setWindowTitle(menuItem.text());
  connect(&menuItem, &QAction::changed, this, [this, &menuItem] { setWindowTitle(menuItem.text()); });
  setFixedSize(kClientSize);

  auto* picture = Named(new QLabel(this), "Image1");
  picture->setPixmap(QPixmap::fromImage(FlowchartPictogram(40)));
  LabelCaption = Named(new QLabel(QStringLiteral("Настройки"), this), "LabelCaption");
  QFont heading = LabelCaption->font();
  heading.setPointSizeF(heading.pointSizeF() * 1.5);
  heading.setBold(true);
  LabelCaption->setFont(heading);
  auto* headingRow = new QHBoxLayout;
  headingRow->addWidget(picture);
  headingRow->addWidget(LabelCaption, 1);

  Pages = Named(new QStackedWidget(this), "Pages");
  pGeneral = Named(new QWidget(Pages), "pGeneral");
  pExpert = Named(new QWidget(Pages), "pExpert");
  pLines = Named(new QWidget(Pages), "pLines");
  Pages->addWidget(pGeneral);
  Pages->addWidget(pExpert);
  Pages->addWidget(pLines);
  BuildGeneralPage();
  BuildExpertPage();
  BuildLinesPage();

  auto* pageColumn = new QVBoxLayout;
  auto* group = new QButtonGroup(this);
  SpeedButton1 = AddPageButton(*pageColumn, "SpeedButton1", "Основные", *pGeneral);
  SpeedButton2 = AddPageButton(*pageColumn, "SpeedButton2", "Дополнительно", *pExpert);
  SpeedButton3 = AddPageButton(*pageColumn, "SpeedButton3", "Линии", *pLines);
  group->addButton(SpeedButton1);
  group->addButton(SpeedButton2);
  group->addButton(SpeedButton3);
  SpeedButton1->setChecked(true);
  pageColumn->addStretch();
  auto* middle = new QHBoxLayout;
  middle->addLayout(pageColumn);
  auto* divider = new QFrame(this);
  divider->setFrameShape(QFrame::VLine);
  divider->setFrameShadow(QFrame::Sunken);
  middle->addWidget(divider);
  middle->addWidget(Pages, 1);

  bOK = Named(new QPushButton(QStringLiteral("Применить"), this), "bOK");
  bOK->setDefault(true);
  bCancel = Named(new QPushButton(QStringLiteral("Отмена"), this), "bCancel");
  connect(bOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(bOK);
  buttons->addWidget(bCancel);

  auto* rule = new QFrame(this);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(headingRow);
  layout->addWidget(rule);
  layout->addLayout(middle, 1);
  layout->addLayout(buttons);
}

QToolButton* TSettingsForm::AddPageButton(QBoxLayout& column, const char* name, const char* caption, QWidget& page) {
  auto* button = Named(new QToolButton(this), name);
  button->setText(QString::fromUtf8(caption));
  button->setCheckable(true);
  button->setAutoRaise(true);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  connect(button, &QToolButton::toggled, this, [this, &page](bool on) {
    if (on) Pages->setCurrentWidget(&page);
  });
  column.addWidget(button);
  return button;
}

void TSettingsForm::AddCheckBox(QBoxLayout& page, const char* name, const char* caption, bool ProgramOptions::*option,
                                bool shown) {
  auto* box = Named(new WrappingCheckBox(QString::fromUtf8(caption), this), name);
  box->setVisible(shown);
  page.addWidget(box);
  controls_.push_back({[box, option](const ProgramOptions& options) { box->setChecked(options.*option); },
                       [box, option](ProgramOptions& options) { options.*option = box->isChecked(); }});
}

void TSettingsForm::AddSecondsBox(QBoxLayout& page, const char* labelName, const char* caption, const char* name,
                                  int ProgramOptions::*option) {
  constexpr int kLongestInterval = 24 * 60 * 60;
  auto* label = Named(new QLabel(QString::fromUtf8(caption), this), labelName);
  label->setWordWrap(true);
  auto* box = Named(new QSpinBox(this), name);
  box->setRange(0, kLongestInterval);
  label->setBuddy(box);
  auto* row = new QHBoxLayout;
  row->addWidget(label, 1);
  row->addWidget(box);
  page.addLayout(row);
  controls_.push_back({[box, option](const ProgramOptions& options) { box->setValue(options.*option); },
                       [box, option](ProgramOptions& options) { options.*option = box->value(); }});
}

void TSettingsForm::BuildGeneralPage() {
  auto* page = new QVBoxLayout(pGeneral);
  page->setContentsMargins(0, 0, 0, 0);
  AddCheckBox(*page, "chCenterSheme", "Центрировать схему в окне", &ProgramOptions::CenterChartInWindow);
  AddCheckBox(*page, "chShowHint", "Отображать свойства выделенного символа возле курсора",
              &ProgramOptions::ShowActiveSymbolHint);
  AddCheckBox(*page, "chShowRulers", "Отображать линейки в окне схемы", &ProgramOptions::ShowRulersInWin);
  AddCheckBox(*page, "chShowStatus", "Отображать строку статуса в окне схемы", &ProgramOptions::ShowStatusInWin);
  AddCheckBox(*page, "chShowColorLine", "Отображать палитру для выбора цвета в окне схемы",
              &ProgramOptions::ShowColorLineInWin);
  page->addSpacing(8);
  LabelLanguage = Named(new QLabel(QStringLiteral("Язык интерфейса программы:"), pGeneral), "LabelLanguage");
  cbLanguage = Named(new QComboBox(pGeneral), "cbLanguage");
  for (const char* language : kLanguages) cbLanguage->addItem(QString::fromUtf8(language));
  LabelLanguage->setBuddy(cbLanguage);
  page->addWidget(LabelLanguage);
  page->addWidget(cbLanguage);
  page->addStretch();
}

void TSettingsForm::BuildExpertPage() {
  auto* page = new QVBoxLayout(pExpert);
  page->setContentsMargins(0, 0, 0, 0);
  // Kept and written back; nothing else in the program reads it.
  AddCheckBox(*page, "chMDIMode", "Однодокументный режим", &ProgramOptions::MDIMode, false);
  AddCheckBox(*page, "chShowSplash", "Показывать заставку при запуске программы", &ProgramOptions::ShowSplash);
  AddCheckBox(*page, "chSaveWindowPos", "Сохранять размещение окон", &ProgramOptions::SaveWindowsPos);
  AddCheckBox(*page, "chInspectorSaveMode", "\"Безопасный\" режим работы Редактора свойств",
              &ProgramOptions::InspectorSaveMode);
  AddCheckBox(*page, "chWheelUpZoomsIn", "Ctrl + колесо мыши от себя увеличивает масштаб",
              &ProgramOptions::WheelUpZoomsIn);
  AddCheckBox(*page, "chCtrlFOpensSearch", "Ctrl+F открывает окно поиска", &ProgramOptions::CtrlFOpensSearch);
  AddCheckBox(*page, "chSingleWindow", "Одно окно", &ProgramOptions::SingleWindow);
  page->addSpacing(8);
  AddSecondsBox(*page, "LabelAutoSave", "Интервал автосохранения в секундах (0 — выключено):",
                "seAutoSaveSeconds", &ProgramOptions::AutoSaveSeconds);
  page->addStretch();
}

// How lines drawn by hand are made.
void TSettingsForm::BuildLinesPage() {
  auto* page = new QVBoxLayout(pLines);
  page->setContentsMargins(0, 0, 0, 0);
  AddCheckBox(*page, "chNewLinesWithArrow", "Новые линии заканчиваются стрелкой", &ProgramOptions::NewLinesWithArrow);
  AddCheckBox(*page, "chRouteNewLines", "Линии между символами обходят символы", &ProgramOptions::RouteNewLines);
  page->addStretch();
}

// The list shows the language in use: the built-in texts are Russian, and a
// language without an entry leaves the list empty. Applying the dialog with
// the list as it was keeps that language, whatever else changed.
void TSettingsForm::PresetLanguage(const QString& language) {
  presetLanguageIndex_ = cbLanguage->findText(language.isEmpty() ? QString::fromUtf8("Русский") : language);
  cbLanguage->setCurrentIndex(presetLanguageIndex_);
}

void TSettingsForm::Execute() {
  TranslateWindow(settings_.LanguageFile(), *this);
  const ProgramOptions& options = settings_.Options();
  for (const OptionControl& control : controls_) control.preset(options);
  PresetLanguage(options.Language);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  if (exec() == QDialog::Accepted) bOKClick();
}

void TSettingsForm::bOKClick() {
  settings_.ChangeOptions([this](ProgramOptions& options) {
    for (const OptionControl& control : controls_) control.take(options);
  });
  cbLanguageChange();
}

void TSettingsForm::cbLanguageChange() {
  const QString language =
      cbLanguage->currentIndex() == presetLanguageIndex_ ? settings_.Options().Language : cbLanguage->currentText();
  ProfileFile::WriteValue(SettingsFilePath(), kMainSection, kLanguageKey, language);
  settings_.ChangeOptions([&language](ProgramOptions& options) { options.Language = language; });
  useLanguage_(language);
}

}  // namespace quobrix
