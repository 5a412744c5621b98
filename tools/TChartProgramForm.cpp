#include "tools/TChartProgramForm.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "platform/LanguageTable.h"
#include "chart/BlocksHolderModel.h"
#include "chart/wizards/ProgramWriter.h"
#include "platform/Cp1251Codec.h"
#include "platform/ProfileFile.h"
#include "tools/TLibraryForm.h"
#include "view/ActiveChart.h"
#include "view/ActiveChartFollower.h"
#include "view/CommandTable.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

namespace {

const QString kSection = QStringLiteral("WinPos");
const QString kPlacement = QStringLiteral("ChartProgram");
// Edits that come quicker than this, such as typing, write the program once:
// a chart of thousands of symbols takes a good part of a second.
constexpr int kPause = 250;

TextKey FaultText(ChartFlowFault fault) {
  static constexpr std::array kTexts = {TextKey::CHART_PROGRAM_NO_BEGIN,
                                        TextKey::CHART_PROGRAM_NO_WAY_OUT,
                                        TextKey::CHART_PROGRAM_TWO_WAYS_OUT,
                                        TextKey::CHART_PROGRAM_DECISION_WAYS,
                                        TextKey::CHART_PROGRAM_TERMINAL_IN_AND_OUT,
                                        TextKey::CHART_PROGRAM_UNCLEAR_DIRECTION,
                                        TextKey::CHART_PROGRAM_CONNECTOR_NOWHERE,
                                        TextKey::CHART_PROGRAM_UNSTRUCTURED,
                                        TextKey::CHART_PROGRAM_LEAVES_TWO_LOOPS,
                                        TextKey::CHART_PROGRAM_TOO_DEEP,
                                        TextKey::CHART_PROGRAM_LOOP_STEP};
  return kTexts.at(static_cast<std::size_t>(fault));
}

// What tells the program anew: the blocks or their texts changed.
bool ChangesTheProgram(const ChartNotice& notice) {
  return notice.Kind == ChartChange::Blocks || notice.Kind == ChartChange::Structure;
}

QString OneLine(const std::string& cp1251) { return Cp1251ToUnicode(cp1251).simplified(); }

}  // namespace

TChartProgramForm::TChartProgramForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry)
    : ToolWindow(owner, commands, CommandId::ChartProgram, registry), active_(commands.Active()) {
  setObjectName(QStringLiteral("ChartProgramForm"));
  LabelLanguage = new QLabel(QString::fromUtf8("Язык:"), this);
  LabelLanguage->setObjectName(QStringLiteral("LabelLanguage"));
  cbLanguage = new QComboBox(this);
  cbLanguage->setObjectName(QStringLiteral("cbLanguage"));
  cbLanguage->addItems({QStringLiteral("Pascal"), QStringLiteral("Python")});
  LabelLanguage->setBuddy(cbLanguage);
  lbProgram = new QListWidget(this);
  lbProgram->setObjectName(QStringLiteral("lbProgram"));
  lbProgram->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  lbProgram->setAccessibleName(windowTitle());
  connect(this, &QWidget::windowTitleChanged, lbProgram, &QWidget::setAccessibleName);
  LabelFault = new QLabel(this);
  LabelFault->setObjectName(QStringLiteral("LabelFault"));
  LabelFault->setWordWrap(true);
  LabelFault->hide();
  bClose = new QPushButton(QString::fromUtf8("Закрыть"), this);
  bClose->setObjectName(QStringLiteral("bClose"));

  auto* top = new QHBoxLayout;
  top->addWidget(LabelLanguage);
  top->addWidget(cbLanguage);
  top->addStretch();
  top->addWidget(bClose);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(LabelFault);
  layout->addWidget(lbProgram, 1);
  resize(420, 480);

  pause_ = new QTimer(this);
  pause_->setSingleShot(true);
  pause_->setInterval(kPause);
  connect(pause_, &QTimer::timeout, this, &TChartProgramForm::Refresh);
  connect(cbLanguage, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
  connect(lbProgram, &QListWidget::currentRowChanged, this, &TChartProgramForm::lbProgramClick);
  connect(bClose, &QPushButton::clicked, this, &QWidget::close);
  new ActiveChartFollower(
      active_, *this,
      [this] {
        faultShown_ = nullptr;
        Refresh();
      },
      [this](const ChartNotice& notice) {
        if (ChangesTheProgram(notice)) pause_->start();
      });
}

// The first showing is placed before the window maps, as the inspector's is.
void TChartProgramForm::setVisible(bool visible) {
  if (visible && !placed_) PlaceUnderMainWindow();
  ToolWindow::setVisible(visible);
}

// The column under the main window, down to the symbol palette at its foot,
// is the one the start-up chart and the other tool windows leave free.
void TChartProgramForm::PlaceUnderMainWindow() {
  placed_ = true;
  const QScreen* screen = this->screen();
  if (!screen) return;
  const QWidget& main = *parentWidget();
  const QRect work = screen->availableGeometry();
  // The frame is taken to be as large as the main window's, which shows.
  const QSize frame = main.frameGeometry().size() - main.size();
  int bottom = work.bottom() + 1;
  if (const auto* palette = main.findChild<const TLibraryForm*>(); palette && palette->isWindow() && palette->isVisible())
    bottom = std::min(bottom, palette->frameGeometry().top());
  const int top = main.frameGeometry().bottom() + 1;
  resize(std::max(main.frameGeometry().width() - frame.width(), minimumSizeHint().width()),
         std::max(bottom - top - frame.height(), minimumSizeHint().height()));
  move(work.left(), top);
}

void TChartProgramForm::showEvent(QShowEvent* event) {
  ToolWindow::showEvent(event);
  if (stale_) Refresh();
}

// Writing the program takes a walk over the whole chart: a hidden window
// leaves it for when it shows.
void TChartProgramForm::Refresh() {
  stale_ = !isVisible();
  if (stale_) return;
  const QSignalBlocker quiet(lbProgram);
  lbProgram->clear();
  symbols_.clear();
  const BlocksHolderModel* chart = active_.Chart();
  if (!chart) {
    LabelFault->setText(LanguageText(TextKey::CHART_PROGRAM_NO_CHART));
    LabelFault->show();
    return;
  }
  const auto language = cbLanguage->currentIndex() == 1 ? CodeLanguage::Python : CodeLanguage::Pascal;
  const auto listing = ChartProgramText(*chart, language);
  if (const auto* error = std::get_if<ChartFlowError>(&listing)) return ShowFault(*error);
  LabelFault->hide();
  faultShown_ = nullptr;
  for (const ProgramLine& line : std::get<ProgramListing>(listing).lines) {
    lbProgram->addItem(QString::fromUtf8(line.text));
    symbols_.push_back(line.symbol);
  }
}

// Selects the symbol where the structure breaks once, not again at every
// edit that leaves the chart broken there.
void TChartProgramForm::ShowFault(const ChartFlowError& error) {
  QString text = LanguageText(FaultText(error.fault));
  if (error.symbol) text += QStringLiteral(": «") + OneLine(error.symbol->Text) + QStringLiteral("»");
  LabelFault->setText(text);
  LabelFault->show();
  if (error.symbol == faultShown_) return;
  faultShown_ = error.symbol;
  Select(error.symbol);
}

void TChartProgramForm::lbProgramClick(int row) {
  if (row >= 0 && row < static_cast<int>(symbols_.size())) Select(symbols_[static_cast<std::size_t>(row)]);
}

void TChartProgramForm::Select(const TBlock* symbol) {
  THolderForm* window = active_.Window();
  if (!window || !symbol) return;
  const std::int64_t n = window->bh->Model().IndexOfBlock(symbol);
  if (n != 0) window->bh->GoToBlock(n);
}

void TChartProgramForm::LoadLayout(const ProfileFile& settings) {
  if (settings.Find(QStringLiteral("WinPos"), kPlacement + QStringLiteral("X"))) {
    LoadPlacement(settings, kPlacement, Sized::Yes);
    placed_ = true;
  }
  setVisible(settings.ReadBool(kSection, kPlacement, false));
}

void TChartProgramForm::SaveLayout(ProfileFile& settings) const { SavePlacement(settings, kPlacement, Sized::Yes); }

}  // namespace quobrix
