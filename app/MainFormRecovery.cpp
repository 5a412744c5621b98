// Autosave copies at start: offering the charts a program that ended without
// cleaning up had not saved, and opening them again; and at an end nobody
// can answer questions at, keeping them.
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "app/AutoSave.h"
#include "app/DocumentSupport.h"
#include "app/TMainForm.h"
#include "app/TRecoveryForm.h"
#include "app/TranslateWindow.h"
#include "chart/RecoveryFolder.h"
#include "platform/LanguageTable.h"
#include "platform/ProgramFolders.h"
#include "tools/TUserLibForm.h"
#include "view/AppContext.h"
#include "view/TBlocksHolder.h"

namespace quobrix {

void TMainForm::OfferRecoveredCharts() {
  LeftOverCopies copies(QFile::encodeName(QDir::cleanPath(RecoveryDir())).toStdString());
  if (copies.Charts().empty()) return;
  TRecoveryForm dialog(*this, copies, [this](const RecoveredChart& chart) { return RestoreChart(chart); });
  TranslateWindow(context_.Settings().LanguageFile(), dialog);
  dialog.exec();
}

bool TMainForm::RestoreChart(const RecoveredChart& recovered) {
  THolderForm* window = NewChartWindow();
  BlocksHolderModel& chart = window->bh->Model();
  if (!chart.LoadFromFile(recovered.CopyPath)) {
    delete window;
    ShowError(LanguageText(TextKey::FILE_OPEN_ERROR_MSG));
    return false;
  }
  chart.SetFileName(recovered.OriginalName);
  chart.SetModified(true);
  ShowChartWindow(*window, true);
  // The chart lives on in this program: its copy is written here before the
  // old one goes.
  if (autoSave_->On()) autoSave_->WriteCopyNow(*window);
  return true;
}

void TMainForm::EndSession() {
  autoSave_->KeepCopiesForNextStart();
  SaveSettings();
  userLib_->SaveUserLibrary();
  QCoreApplication::exit(0);
}

}  // namespace quobrix
