// Creating, opening, saving and closing charts.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>

#include "app/AutoSave.h"
#include "app/BackgroundChartRead.h"
#include "app/ChartCascade.h"
#include "app/ChartFileWatch.h"
#include "app/DocumentSupport.h"
#include "app/ReachableWindow.h"
#include "app/SingleWindowWorkspace.h"
#include "app/TMainForm.h"
#include "app/TranslateWindow.h"
#include "chart/ChartFileReader.h"
#include "chart/FileIO.h"
#include "platform/FileDialogFilter.h"
#include "platform/LanguageTable.h"
#include "platform/ProgramFolders.h"
#include "view/AppContext.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"
#include "view/ZoomLimits.h"

namespace quobrix {

namespace {

void PrepareOpenDialog(QFileDialog& dialog, const QString& title) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setWindowTitle(title);
  dialog.setNameFilters(DialogNameFilters(LanguageText(TextKey::FILE_OPEN_FILTER)));
}


}  // namespace

// Every new window is numbered among the charts never saved: the number shows
// only while its chart is one of them.
THolderForm* TMainForm::NewChartWindow() {
  auto* window = new THolderForm(*this, context_, debug_);
  NumberUntitledChart(*window);
  if (workspace_) workspace_->Adopt(*window);
  TranslateWindow(context_.Settings().LanguageFile(), *window);
  charts_.emplace_back(window);
  autoSave_->Follow(*window);
  fileWatch_->Follow(*window);
  return window;
}

void TMainForm::ShowChartWindow(THolderForm& window, bool applyPlacement) {
  if (applyPlacement) ApplyChartPlacement(window);
  if (workspace_) {
    workspace_->Show(window);
  } else {
    window.show();
    window.activateWindow();
  }
  window.FormActivate();
  window.UpdateZoomDisplay();
}

void TMainForm::ShowError(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok, this);
  box.setObjectName(QStringLiteral("ErrorBox"));
  box.exec();
}

void TMainForm::NumberUntitledChart(THolderForm& window) {
  std::vector<int> taken;
  for (const THolderForm* other : ChartWindows())
    if (other != &window && other->Document().IsUntitled()) taken.push_back(other->Document().UntitledNumber());
  window.Document().SetUntitledNumber(FreeUntitledNumber(std::move(taken)));
}

THolderForm* TMainForm::CreateNewSheme() {
  THolderForm* window = NewChartWindow();
  ShowChartWindow(*window, true);
  return window;
}

void TMainForm::mNewFromTemplateClick() {
  OpenDialog->setDirectory(TemplateDir(context_.Settings().LanguageFile()));
  PrepareOpenDialog(*OpenDialog, LanguageText(TextKey::TEMPLATE_OPEN_TITLE));
  const QString path = ChosenFile(*OpenDialog);
  if (!path.isEmpty()) {
    THolderForm* window = NewChartWindow();
    // A template that does not load leaves an empty chart.
    window->bh->Model().LoadFromFile(LocalPath(path));
    window->bh->Model().SetFileName(kUntitled);
    window->bh->Model().SetModified(false);
    ShowChartWindow(*window, true);
  }
  OpenDialog->setWindowTitle(LanguageText(TextKey::FILE_OPEN_TITLE));
}

void TMainForm::Open() {
  PrepareOpenDialog(*OpenDialog, LanguageText(TextKey::FILE_OPEN_TITLE));
  const QString path = ChosenFile(*OpenDialog);
  if (!path.isEmpty()) OpenChart(path);
}

THolderForm* TMainForm::OpenChart(const QString& path, bool applyPlacement) {
  if (RegularFileSize(LocalPath(path)).value_or(0) >= backgroundReadFrom_)
    return OpenChartInBackground(path, applyPlacement);
  THolderForm* window = NewChartWindow();
  ChartReadReport report;
  const auto loaded = WithinMemory([&] { return window->bh->Model().LoadFromFile(LocalPath(path), &report); });
  if (!loaded || !*loaded) {
    // The window was never shown: the chart the user was in stays the active one.
    delete window;
    ShowError(OpenFailureText(loaded, report));
    return nullptr;
  }
  ShowChartWindow(*window, applyPlacement);
  ReportDamage(*window, report);
  return window;
}

QString TMainForm::OpenFailureText(std::optional<bool> loaded, const ChartReadReport& report) const {
  const bool outOfMemory = !loaded || report.Failure == ChartReadFailure::OutOfMemory;
  return LanguageText(outOfMemory ? TextKey::NOT_ENOUGH_MEMORY_MSG : TextKey::FILE_OPEN_ERROR_MSG);
}

THolderForm* TMainForm::OpenChartInBackground(const QString& path, bool applyPlacement) {
  THolderForm* window = NewChartWindow();
  const QString name = QFileInfo(path).fileName();
  window->Document().SetOpening(path);
  ShowChartWindow(*window, applyPlacement);
  const QPointer<THolderForm> opened(window);
  new BackgroundChartRead(*window, LanguageText(TextKey::FILE_OPENING_MSG).arg(name), LocalPath(path),
                          [this, opened, path, applyPlacement](std::optional<ChartFileContents> read, FileStamp stamp) {
                            if (opened) TakeBackgroundRead(*opened, path, std::move(read), std::move(stamp), applyPlacement);
                          });
  return window;
}

void TMainForm::TakeBackgroundRead(THolderForm& window, const QString& path, std::optional<ChartFileContents> read,
                                   FileStamp stamp, bool applyPlacement) {
  if (read && read->Failure == ChartReadFailure::Cancelled) return DropOpeningWindow(window);
  ChartReadReport report;
  const auto loaded = read ? WithinMemory([&] {
    return window.bh->Model().LoadRead(LocalPath(path), std::move(*read), std::move(stamp), &report);
  })
                           : std::nullopt;
  if (!loaded || !*loaded) {
    DropOpeningWindow(window);
    ShowError(OpenFailureText(loaded, report));
    return;
  }
  if (applyPlacement) ApplyPlacementZoom(window);
  window.UpdateZoomDisplay();
  ReportDamage(window, report);
}

void TMainForm::DropOpeningWindow(THolderForm& window) {
  // Later: the reader that got here is the window's child and still running.
  ChartWindowClosed(window);
  window.hide();
  window.deleteLater();
}

void TMainForm::ReportDamage(THolderForm& window, const ChartReadReport& report) {
  window.Document().DamagedOriginal = report.DamagedAtLine != 0 ? ChartFileName(window) : QString();
  if (report.DamagedAtLine != 0)
    ShowError(LanguageText(TextKey::FILE_DAMAGED_MSG).arg(report.DamagedAtLine).arg(report.BlocksRead));
}

void TMainForm::mOpenHistoryClick(QAction& entry) {
  OpenChart(entry.toolTip());
  // The file comes back to the end of the list when its window closes.
  mOpenHistory->removeAction(&entry);
  entry.deleteLater();
}

void TMainForm::CloseSheme() {
  THolderForm* window = ActiveChartWindow();
  if (!window) return;
  if (!(workspace_ ? workspace_->Frame(*window) : *window).close()) {
    CloseCancelled = true;
    return;
  }
  ChartWindowClosed(*window);
}

void TMainForm::CloseAll() {
  CloseCancelled = false;
  for (auto open = ChartWindows(); !open.empty(); open = ChartWindows()) {
    active_.Set(open.front());
    CloseSheme();
    if (CloseCancelled) return;
  }
}

void TMainForm::AppExit() {
  CloseCancelled = false;
  CloseAll();
  if (!CloseCancelled) close();
}

void TMainForm::ApplyChartPlacement(THolderForm& window) {
  if (workspace_) return ApplyPlacementZoom(window);
  const ChartPlacement& placement = context_.Settings().LastChartPlacement();
  window.resize(placement.Width, placement.Height);
  window.move(placement.Left, placement.Top);
  KeepReachable(window);
  std::vector<QPoint> taken;
  for (const THolderForm* other : ChartWindows())
    if (other != &window) taken.push_back(other->pos());
  const QScreen* screen = QGuiApplication::screenAt(window.pos());
  const QRect workArea = (screen ? screen : QGuiApplication::primaryScreen())->availableGeometry();
  window.move(CascadedPosition(window.pos(), window.frameGeometry().size(), workArea, taken));
  ApplyPlacementZoom(window);
}

void TMainForm::ApplyPlacementZoom(THolderForm& window) {
  const auto zoom = context_.Settings().LastChartPlacement().Zoom;
  window.bh->Model().SetZoomPercents(std::clamp(zoom, kSmallestZoom, kLargestZoom));
}

void TMainForm::DropFiles(const QStringList& paths) {
  if (paths.isEmpty()) return;
  if (QFileInfo(paths.first()).suffix().toUpper() == QStringLiteral("QBS")) OpenChart(paths.first());
}

void TMainForm::BindDocumentCommands() {
  commands_.Bind(CommandId::New, [this](QAction&) { CreateNewSheme(); });
  commands_.Bind(CommandId::NewFromTemplate, [this](QAction&) { mNewFromTemplateClick(); });
  commands_.Bind(CommandId::Open, [this](QAction&) { Open(); });
  commands_.Bind(CommandId::Save, [this](QAction&) { Save(); });
  commands_.Bind(CommandId::SaveAs, [this](QAction&) { SaveAs(); });
  commands_.Bind(CommandId::SaveAll, [this](QAction&) { SaveAll(); });
  commands_.Bind(CommandId::Close, [this](QAction&) { CloseSheme(); });
  commands_.Bind(CommandId::CloseAll, [this](QAction&) { CloseAll(); });
  commands_.Bind(CommandId::Exit, [this](QAction&) { AppExit(); });
}

}  // namespace quobrix
