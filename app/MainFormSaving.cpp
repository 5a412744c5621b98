// Saving charts, and exporting them as pictures from the save dialog.
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>

#include "app/DocumentSupport.h"
#include "app/TMainForm.h"
#include "app/WorkProgressDialog.h"
#include "chart/ChartFormat.h"
#include "platform/FileDialogFilter.h"
#include "platform/LanguageTable.h"
#include "render/ChartPicture.h"

namespace quobrix {

namespace {

bool IsChartFileName(const QString& path) { return UpperExtension(LocalPath(path)) == ".QBS"; }

// What the save dialog offers first: the chart's own name, as a chart file.
QString ProposedName(const THolderForm& window) {
  const QString name = ChartFileName(window);
  if (!window.Document().HasFile() || IsChartFileName(name)) return name;
  const QFileInfo file(name);
  return file.dir().filePath(file.completeBaseName() + QStringLiteral(".qbs"));
}

}  // namespace

bool TMainForm::Save() {
  THolderForm* window = ActiveChartWindow();
  if (!window) return false;
  // A chart read from a file of another name is saved only under a chart
  // file's name the user has confirmed.
  const QString name = ChartFileName(*window);
  if (!window->Document().HasFile() || !IsChartFileName(name)) return SaveAs(*window);
  return SaveChartAs(*window, name);
}

bool TMainForm::SaveAs() { return ActiveChartWindow() && SaveAs(*ActiveChartWindow()); }

bool TMainForm::SaveAs(THolderForm& window) {
  SaveDialog->setOption(QFileDialog::DontUseNativeDialog);
  SaveDialog->setAcceptMode(QFileDialog::AcceptSave);
  SaveDialog->setFileMode(QFileDialog::AnyFile);
  SaveDialog->setNameFilters(DialogNameFilters(LanguageText(TextKey::FILE_SAVE_FILTER) + ExtraPictureFilters()));
  SaveDialog->setDefaultSuffix(FilterSuffix(SaveDialog->selectedNameFilter()));
  SaveDialog->selectFile(ProposedName(window));
  const QString path = ChosenFile(*SaveDialog);
  if (path.isEmpty()) return false;
  if (IsChartFileName(path)) return SaveChartAs(window, path);
  ExportPicture(window, path);
  return false;
}

bool TMainForm::SaveChartAs(THolderForm& window, const QString& path) {
  if (path == window.Document().DamagedOriginal && !ConfirmReplacingDamagedOriginal()) return false;
  if (path == ChartFileName(window) && window.bh->Model().FileOnDisk() == DiskState::Changed)
    return SaveOverChangedFile(window);
  return WriteChart(window, path);
}

bool TMainForm::WriteChart(THolderForm& window, const QString& path) {
  const auto saved = WithinMemory([&] { return window.bh->Model().SaveToFile(LocalPath(path)); });
  if (!saved || !*saved) {
    ShowError(LanguageText(saved ? TextKey::FILE_SAVE_ERROR_MSG : TextKey::NOT_ENOUGH_MEMORY_MSG));
    return false;
  }
  window.Document().DamagedOriginal.clear();
  return true;
}

// What was not read of a damaged file would be gone once it is replaced.
bool TMainForm::ConfirmReplacingDamagedOriginal() {
  QMessageBox box(QMessageBox::Warning, MainCaption(), LanguageText(TextKey::FILE_DAMAGED_SAVE_MSG),
                  QMessageBox::Yes | QMessageBox::No, this);
  box.setObjectName(QStringLiteral("DamagedOriginalBox"));
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

void TMainForm::ExportPicture(THolderForm& window, const QString& path) {
  if (SheetIsEmpty(window.bh->Model())) {
    ShowError(LanguageText(TextKey::SHEET_EMPTY_MSG));
    return;
  }
  bool cancelled = false;
  const auto exported = WithinMemory([&] {
    WorkProgressDialog progress(window, LanguageText(TextKey::EXPORT_PROGRESS_MSG).arg(QFileInfo(path).fileName()));
    const bool written = window.bh->Model().SaveToFile(LocalPath(path), &context_.Pictures());
    cancelled = progress.Cancelled();
    return written;
  });
  if (cancelled) return;
  if (!exported || !*exported) {
    ShowError(LanguageText(exported ? TextKey::FILE_SAVE_ERROR_MSG : TextKey::NOT_ENOUGH_MEMORY_MSG));
    return;
  }
  window.StatusPanel(1)->setText(LanguageText(TextKey::PICTURE_EXPORTED_MSG).arg(QFileInfo(path).fileName()));
}

void TMainForm::SaveAll() {
  // Each chart is saved as the active one; the one the user was in stays active.
  const QPointer<THolderForm> active = ActiveChartWindow();
  for (THolderForm* window : ChartWindows()) {
    active_.Set(window);
    Save();
  }
  active_.Set(active);
}

}  // namespace quobrix
