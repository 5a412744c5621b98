#include "app/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSet>
#include <QStyle>

#include "app/AutoSave.h"
#include "app/ChartFileWatch.h"
#include "app/ChartPrinting.h"
#include "app/DocumentSupport.h"
#include "app/MainWindowWidth.h"
#include "app/SingleWindowWorkspace.h"
#include "app/TAboutForm.h"
#include "app/TranslateWindow.h"
#include "platform/FileDialogFilter.h"
#include "platform/LanguageTable.h"
#include "platform/ProgramFolders.h"
#include "tools/TChartProgramForm.h"
#include "tools/TColorForm.h"
#include "tools/TPropertyEditorForm.h"
#include "tools/TLibraryForm.h"
#include "tools/TPreviewForm.h"
#include "tools/TSearchForm.h"
#include "tools/TSheetSizeForm.h"
#include "tools/TShemeInfoForm.h"
#include "tools/TUserLibForm.h"
#include "tools/ToolWindow.h"
#include "view/AppContext.h"
#include "view/ChartCommands.h"
#include "view/ScreenSnap.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

TMainForm::TMainForm(AppContext& context, QStringList commandLine)
    : context_(context), commandLine_(std::move(commandLine)) {
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
  connect(&context_.Settings(), &ProgramSettings::LanguageFileChanged, this, &TMainForm::TranslateChartWindows);
  OpenDialog = new QFileDialog(this);
  OpenDialog->setObjectName(QStringLiteral("OpenDialog"));
  SaveDialog = new QFileDialog(this);
  SaveDialog->setObjectName(QStringLiteral("SaveDialog"));
  // A name typed without an extension takes the chosen format's.
  connect(SaveDialog, &QFileDialog::filterSelected, SaveDialog,
          [this](const QString& filter) { SaveDialog->setDefaultSuffix(FilterSuffix(filter)); });
  FormCreate();
  CreateToolWindows();
  MakeWorkspace();
  // Before the first showing, which takes the width the captions need.
  UseLanguage(context_.Settings().Options().Language);
}

// In the order their placements are read and written.
void TMainForm::CreateToolWindows() {
  inspector_ = new TInspectorForm(*this, commands_, toolWindows_, context_);
  library_ = new TLibraryForm(*this, commands_, toolWindows_, context_);
  new TPreviewForm(*this, commands_, toolWindows_, context_);
  new TShemeInfoForm(*this, commands_);
  new TSearchForm(*this, commands_, toolWindows_, [this] {
    std::vector<BlocksHolderModel*> charts;
    for (THolderForm* window : ChartWindows()) charts.push_back(&window->bh->Model());
    return charts;
  });
  new TSheetSizeForm(*this, commands_);
  new TColorForm(*this, commands_, toolWindows_);
  userLib_ = new TUserLibForm(*this, commands_, toolWindows_);
  new TChartProgramForm(*this, commands_, toolWindows_);
  new ChartPrinting(*this, commands_);
  CreateHelpWindow();
}

TMainForm::~TMainForm() {
  // Chart windows are top-level windows of their own; they go with the program.
  for (THolderForm* chart : ChartWindows()) delete chart;
  // Tool windows are children, or in docks, which would outlive the commands
  // and the registry they use.
  qDeleteAll(findChildren<ToolWindow*>());
}

void TMainForm::FormCreate() {
  QApplication::setApplicationDisplayName(QString());
  QApplication::setApplicationName(windowTitle());
  LoadSettings();
  // Tests and scripts start the editor often; they switch the splash off.
  if (context_.Settings().Options().ShowSplash && qEnvironmentVariableIsEmpty("QUOBRIX_NO_SPLASH"))
    PlaySplash(context_.Settings().Options().Language);
  autoSave_ = std::make_unique<AutoSave>(RecoveryDir(), context_.Settings());
  fileWatch_ = std::make_unique<ChartFileWatch>([this](THolderForm& window) { OfferReload(window); });
  setAcceptDrops(true);
  // A small window of fixed size in the top-left corner of the work area.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  FitToCaptions();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) move(screen->availableGeometry().topLeft());
}

void TMainForm::FitToCaptions() {
  const int width = std::max(295, WidthShowingEveryItem(*this));
  if (workspace_)
    setMinimumWidth(width);
  else
    setFixedSize(width, 85 + menuBar()->sizeHint().height());
}

void TMainForm::MakeWorkspace() {
  if (!context_.Settings().Options().SingleWindow) return;
  setWindowFlags(Qt::Window);
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  workspace_ = new SingleWindowWorkspace(*this);
  for (ToolWindow* window : findChildren<ToolWindow*>(Qt::FindDirectChildrenOnly)) workspace_->Dock(*window);
  connect(workspace_, &SingleWindowWorkspace::ChartActivated, this, [](THolderForm& window) { window.FormActivate(); });
  FitToCaptions();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) resize(screen->availableGeometry().size() * 9 / 10);
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
  PlaceStartupChart();
  CreateNewSheme();
}

// The start-up chart takes the work area between the main window's column,
// which the symbol palette shares, and the column of the property inspector
// and the user library. The placement is set before the window first shows:
// a window manager places a window moved while it maps it by its inside.
void TMainForm::PlaceStartupChart() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect work = screen->availableGeometry();
  // The chart window's frame is taken to be as large as the main window's, or,
  // before the window manager tells it, as a title bar and borders: a frame
  // taken too small would push the chart window's right border under the
  // inspector.
  QSize frame = frameGeometry().size() - size();
  if (frame.isNull()) {
    const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    frame = QSize(2 * border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + border);
  }
  const int rightColumn = std::max(inspector_->width(), userLib_->width()) + frame.width();
  ChartPlacement placement = context_.Settings().LastChartPlacement();
  placement.Left = work.left() + frameGeometry().width();
  placement.Top = work.top();
  placement.Width = std::max(work.width() - frameGeometry().width() - rightColumn - frame.width(), 100);
  placement.Height = std::max(work.height() - frame.height(), 100);
  context_.Settings().SetLastChartPlacement(placement);
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
  // Some window managers keep a tool window above its owner only.
  ToolWindow::RaiseShown();
  fileWatch_->CheckSoon(window);
}

void TMainForm::ChartWindowClosed(THolderForm& window) {
  std::erase_if(charts_, [&window](const QPointer<THolderForm>& chart) { return chart == &window || !chart; });
  // A tab that closes has brought the next one forward already.
  if (active_.Window() == &window) active_.Set(nullptr);
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
  return LanguageText(TextKey::FILE_SAVE_MSG).arg(window.Document().Name());
}

QString TMainForm::MillimetreText() const { return LanguageText(TextKey::DIMENSION_MM); }

void TMainForm::TranslateChartWindows() {
  for (THolderForm* chart : ChartWindows()) TranslateWindow(context_.Settings().LanguageFile(), *chart);
}

std::vector<THolderForm*> TMainForm::ChartWindows() const {
  std::vector<THolderForm*> open;
  for (const QPointer<THolderForm>& chart : charts_)
    if (chart) open.push_back(chart);
  return open;
}

}  // namespace quobrix
