#include "app/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSet>

#include "app/AutoSave.h"
#include "app/ChartFileWatch.h"
#include "app/ChartPrinting.h"
#include "app/DocumentSupport.h"
#include "app/FileDialogFilter.h"
#include "app/LanguageTable.h"
#include "app/ScreenSnap.h"
#include "app/TAboutForm.h"
#include "app/TranslateWindow.h"
#include "chart/UndoSnapshotFolder.h"
#include "platform/ProgramFolders.h"
#include "tools/TColorForm.h"
#include "tools/TInspectorForm.h"
#include "tools/TLibraryForm.h"
#include "tools/TPreviewForm.h"
#include "tools/TSearchForm.h"
#include "tools/TSheetSizeForm.h"
#include "tools/TShemeInfoForm.h"
#include "tools/TUserLibForm.h"
#include "tools/ToolWindow.h"
#include "view/ChartCommands.h"
#include "view/ProgramSettings.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

TMainForm::TMainForm(QStringList commandLine) : commandLine_(std::move(commandLine)) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Quobrix"));
  BuildMainMenu1();
  BuildToolBars();
  FollowUnsavedChanges();
  BindDocumentCommands();
  BindViewCommands();
  BindDialogCommands();
  BindWizardCommands();
  BindHelpCommands();
  BindChartCommands(commands_);
  BindPageCountCommand();
  connect(&Settings(), &ProgramSettings::LanguageFileChanged, this, &TMainForm::TranslateChartWindows);
  OpenDialog = new QFileDialog(this);
  OpenDialog->setObjectName(QStringLiteral("OpenDialog"));
  SaveDialog = new QFileDialog(this);
  SaveDialog->setObjectName(QStringLiteral("SaveDialog"));
  // A name typed without an extension takes the chosen format's.
  connect(SaveDialog, &QFileDialog::filterSelected, SaveDialog,
          [this](const QString& filter) { SaveDialog->setDefaultSuffix(FilterSuffix(filter)); });
  FormCreate();
  CreateToolWindows();
}

// In the order their placements are read and written.
void TMainForm::CreateToolWindows() {
  inspector_ = new TInspectorForm(*this, commands_, toolWindows_);
  library_ = new TLibraryForm(*this, commands_, toolWindows_);
  new TPreviewForm(*this, commands_, toolWindows_);
  new TShemeInfoForm(*this, commands_);
  new TSearchForm(*this, commands_, toolWindows_, [this] {
    std::vector<BlocksHolderModel*> charts;
    for (THolderForm* window : ChartWindows()) charts.push_back(&window->bh->Model());
    return charts;
  });
  new TSheetSizeForm(*this, commands_);
  new TColorForm(*this, commands_, toolWindows_);
  userLib_ = new TUserLibForm(*this, commands_, toolWindows_);
  new ChartPrinting(*this, commands_);
}

TMainForm::~TMainForm() {
  // Chart windows are top-level windows of their own; they go with the program.
  for (THolderForm* chart : ChartWindows()) delete chart;
  // Tool windows are children, which would outlive the commands and the
  // registry they use.
  qDeleteAll(findChildren<ToolWindow*>(Qt::FindDirectChildrenOnly));
}

void TMainForm::FormCreate() {
  QApplication::setApplicationDisplayName(QString());
  QApplication::setApplicationName(windowTitle());
  LoadSettings();
  // Tests and scripts start the editor often; they switch the splash off.
  if (Settings().Options().ShowSplash && qEnvironmentVariableIsEmpty("QUOBRIX_NO_SPLASH"))
    PlaySplash(Settings().Options().Language);
  SetUndoSnapshotFolder(UndoSnapshotDir().toStdString());
  DeleteUndoTempFiles();
  autoSave_ = std::make_unique<AutoSave>(RecoveryDir());
  fileWatch_ = std::make_unique<ChartFileWatch>([this](THolderForm& window) { OfferReload(window); });
  setAcceptDrops(true);
  // A small window of fixed size in the top-left corner of the work area.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  // Wide enough for the whole menu bar, which does not wrap as it should.
  setFixedSize(std::max(295, menuBar()->sizeHint().width()), 85 + menuBar()->sizeHint().height());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) move(screen->availableGeometry().topLeft());
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

// Dragged near an edge of the work area, the window snaps to it.
void TMainForm::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  SnapToWorkAreaEdges(*this);
}

void TMainForm::FormShow() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  UseLanguage(Settings().Options().Language);
  OpenStartupChart();
  LoadWindowLayout();
  LoadUserLibrary();
  KeepSettingsUpToDate();
  QApplication::restoreOverrideCursor();
}

QString TMainForm::ProgramTitle() { return LanguageText(TextKey::Program) + QStringLiteral(" 1.50"); }

void TMainForm::OpenStartupChart() {
  if (!commandLine_.isEmpty()) {
    OpenChart(commandLine_.first(), false);
    return;
  }
  mRegisterFileTypeClick();
  if (THolderForm* chart = CreateNewSheme()) FillWorkAreaRightOfMainWindow(*chart);
}

// The start-up chart takes the rest of the work area right of the main window.
void TMainForm::FillWorkAreaRightOfMainWindow(THolderForm& chart) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect work = screen->availableGeometry();
  const QSize frame = chart.frameGeometry().size() - chart.size();
  const int width = std::max(screen->geometry().width() - frameGeometry().width() - frame.width(), 100);
  const int height = std::max(work.height() - frame.height(), 100);
  ChartPlacement placement = Settings().LastChartPlacement();
  placement.Width = width;
  placement.Height = height;
  Settings().SetLastChartPlacement(placement);
  chart.resize(width, height);
  chart.move(work.right() + 1 - width - frame.width(), work.bottom() + 1 - height - frame.height());
  chart.UpdateZoomDisplay();
}

// The settings and the user library are written even when a chart window
// refuses to close.
void TMainForm::closeEvent(QCloseEvent* event) {
  CloseAll();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  SaveSettings();
  userLib_->SaveUserLibrary();
  QApplication::restoreOverrideCursor();
  event->setAccepted(!CloseCancelled);
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls()) paths.append(url.toLocalFile());
  event->acceptProposedAction();
  DropFiles(paths);
}

// ----- what the chart windows ask of the main window

bool TMainForm::SaveChart(THolderForm& window) {
  ChartWindowActivated(window);
  return Save();
}

void TMainForm::ChartWindowActivated(THolderForm& window) {
  active_.Set(&window);
  fileWatch_->CheckSoon(window);
}

void TMainForm::ChartWindowClosed(THolderForm& window) {
  std::erase_if(charts_, [&window](const QPointer<THolderForm>& chart) { return chart == &window || !chart; });
  active_.Set(nullptr);
}

void TMainForm::ShowBlockInInspector(TBlocksHolder& canvas, std::int64_t block) {
  // A chart named on the command line opens before the tool windows exist.
  if (inspector_) inspector_->ShowBlock(canvas, block);
}

QString TMainForm::ActiveSymbolHint(const TBlocksHolder& canvas, const QString& platformHint) const {
  QString hint = platformHint;
  AppShowHint(hint, &canvas);
  return hint;
}

void TMainForm::BringMainWindowToFront() {
  showNormal();
  raise();
  activateWindow();
}

QString TMainForm::MainCaption() const { return windowTitle(); }

QString TMainForm::SavePromptText(const THolderForm& window) const {
  return LanguageText(TextKey::FILE_SAVE_MSG).arg(ChartName(window));
}

QString TMainForm::MillimetreText() const { return LanguageText(TextKey::DIMENSION_MM); }

void TMainForm::TranslateChartWindows() {
  for (THolderForm* chart : ChartWindows()) TranslateWindow(Settings().LanguageFile(), *chart);
}

std::vector<THolderForm*> TMainForm::ChartWindows() const {
  std::vector<THolderForm*> open;
  for (const QPointer<THolderForm>& chart : charts_)
    if (chart) open.push_back(chart);
  return open;
}

}  // namespace quobrix
