// The user library at the first showing: a library that cannot be read is
// named, and the copy its last change kept is offered in its place.
#include <QMessageBox>

#include "app/TMainForm.h"
#include "platform/LanguageTable.h"
#include "tools/TUserLibForm.h"

namespace quobrix {

void TMainForm::LoadUserLibrary() {
  if (userLib_->LoadUserLibrary() || userLib_->DamagedFiles().isEmpty()) return;
  const QString files = userLib_->DamagedFiles().join(QStringLiteral(", "));
  if (userLib_->HasBackup()) {
    QMessageBox box(QMessageBox::Warning, MainCaption(), LanguageText(TextKey::USERLIB_RESTORE_MSG).arg(files),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(QStringLiteral("RestoreUserLibraryBox"));
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() == QMessageBox::Yes && userLib_->RestoreBackup()) return;
  }
  ShowError(LanguageText(TextKey::USERLIB_DAMAGED_MSG).arg(files));
}

}  // namespace quobrix
