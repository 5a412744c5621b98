// The folders the program writes to, once it has started: what killed saves
// and the undo folders of killed earlier versions left there go, and one
// message names the folders that cannot be written.
#include <QFileInfo>

#include "app/FolderCheck.h"
#include "app/TMainForm.h"
#include "chart/LeftOverUndoFolders.h"
#include "platform/LanguageTable.h"
#include "platform/ProgramFolders.h"

namespace quobrix {

void TMainForm::CheckFoldersAtStart() {
  QStringList folders = {SettingsDir(), UserLibraryDir()};
  for (const QString& chart : RecentFiles()) folders.append(QFileInfo(chart).absolutePath());
  for (const char* desktopFolder : {"applications", "mime/packages", "icons/hicolor/scalable/apps"})
    folders.append(XdgDataHome() + QString::fromLatin1(desktopFolder));
  folders.removeDuplicates();
  RemoveAbandonedSaves(folders);
  RemoveLeftOverUndoFolders(OldUndoDir().toStdString());

  const QStringList unwritable = UnwritableFolderLines({
      {LanguageText(TextKey::FOLDER_USE_AUTOSAVE), RecoveryDir()},
      {LanguageText(TextKey::FOLDER_USE_USER_LIBRARY), UserLibraryDir()},
  });
  if (!unwritable.isEmpty()) ShowError(LanguageText(TextKey::FOLDERS_UNWRITABLE_MSG) + u'\n' + unwritable.join(u'\n'));
}

}  // namespace quobrix
