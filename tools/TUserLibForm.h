// The user library: chart fragments the user keeps between runs, shown as
// thumbnails. Add keeps the active block of the active chart window; an
// item dragged onto a chart window is pasted there and follows the mouse.
// Every change is written at once, merged with the changes other copies of
// the program made to the same files, and their changes show here as the
// files change.
#pragma once

#include <QStringList>
#include <vector>

#include "platform/SharedUserLibrary.h"
#include "tools/ToolWindow.h"

class QFileSystemWatcher;

class QAction;
class QListWidget;
class QToolButton;

namespace quobrix {

class TUserLibForm : public ToolWindow {
  Q_OBJECT

 public:
  TUserLibForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry);

  QListWidget* LvUserLib = nullptr;
  QAction* tbAdd = nullptr;
  QAction* tbDel = nullptr;
  QToolButton* tbSize = nullptr;

  // Keeps the active block of the active chart window with its picture.
  // A fragment its file line could not bring back whole is refused with a
  // beep.
  void Add();
  // Removes the selected item.
  void Remove();
  // The icons' width and height, in pixels.
  int IconSize() const;
  void SetIconSize(int size);
  std::vector<LibraryEntry> Entries() const;

  // Reads the files of the user-library folder; false when there is no
  // library there or it cannot be read, which leaves the list empty.
  bool LoadUserLibrary();
  // After a load that failed, the files to blame; empty otherwise.
  const QStringList& DamagedFiles() const { return damaged_; }
  // Whether the copy of the library the last write replaced is there, and
  // puts it in place of the files and in the list.
  bool HasBackup() const { return library_.HasBackup(); }
  bool RestoreBackup();
  // Writes the changes not written yet (the last write failed). A library
  // that could not be read keeps its files, which are first copied aside
  // when the changed library is written over them.
  bool SaveUserLibrary();

  // Keys UserLib, UserLibX, UserLibY, UserLibW, UserLibH and UserLibIcoSize
  // of "WinPos".
  void LoadLayout(const ProfileFile& settings) override;
  void SaveLayout(ProfileFile& settings) const override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildToolBar();
  void PlaceAtBottomRight();
  void Append(const LibraryEntry& entry);
  void Show(const std::vector<LibraryEntry>& entries);
  // The user changed the list: written at once.
  void Changed();
  // Another program may have written the files.
  void FolderChanged();

  SharedUserLibrary library_;
  QFileSystemWatcher* watcher_;
  bool changed_ = false;  // changes not written yet
  bool placed_ = false;
  QStringList damaged_;
};

}  // namespace quobrix
