// Charts whose files another program changed while they were open.
#include <QMessageBox>
#include <QPointer>

#include "app/DocumentSupport.h"
#include "app/TMainForm.h"
#include "chart/ChartFileReader.h"
#include "platform/LanguageTable.h"

namespace quobrix {

bool TMainForm::SaveOverChangedFile(THolderForm& window) {
  QMessageBox box(QMessageBox::Warning, MainCaption(),
                  LanguageText(TextKey::FILE_CHANGED_SAVE_MSG).arg(ChartFileName(window)),
                  QMessageBox::Save | QMessageBox::Apply | QMessageBox::Discard | QMessageBox::Cancel, &window);
  box.setObjectName(QStringLiteral("ChangedFileBox"));
  box.button(QMessageBox::Save)->setText(LanguageText(TextKey::FILE_OVERWRITE_BUTTON));
  box.button(QMessageBox::Apply)->setText(LanguageText(TextKey::FILE_SAVE_AS_BUTTON));
  box.button(QMessageBox::Discard)->setText(LanguageText(TextKey::FILE_RELOAD_BUTTON));
  box.setDefaultButton(QMessageBox::Cancel);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Save:
      return WriteChart(window, ChartFileName(window));
    case QMessageBox::Apply:
      return SaveAs(window);
    case QMessageBox::Discard:
      ReloadChart(window);
      return false;
    default:
      return false;
  }
}

void TMainForm::OfferReload(THolderForm& window) {
  const QPointer<THolderForm> asked = &window;
  QMessageBox box(QMessageBox::Question, MainCaption(),
                  LanguageText(TextKey::FILE_CHANGED_RELOAD_MSG).arg(ChartFileName(window)),
                  QMessageBox::Yes | QMessageBox::No, &window);
  box.setObjectName(QStringLiteral("ReloadBox"));
  if (box.exec() == QMessageBox::Yes && asked) ReloadChart(*asked);
}

void TMainForm::ReloadChart(THolderForm& window) {
  ChartReadReport report;
  const auto loaded = WithinMemory([&] { return window.bh->Model().ReloadFromFile(&report); });
  if (loaded && *loaded)
    ReportDamage(window, report);
  else
    ShowError(LanguageText(loaded ? TextKey::FILE_OPEN_ERROR_MSG : TextKey::NOT_ENOUGH_MEMORY_MSG));
}

}  // namespace quobrix
