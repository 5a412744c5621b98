// The user library: chart fragments the user keeps between runs, shown as
// thumbnails. Add keeps the active block of the active chart window; an
// item dragged onto a chart window is pasted there and follows the mouse.
#pragma once

#include <vector>

#include "platform/UserLibraryFiles.h"
#include "tools/ToolWindow.h"

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
  // Writes the library when it changed in this run. A library that could
  // not be read keeps its files, which are first copied aside when the
  // changed library is written over them.
  bool SaveUserLibrary();

  // Keys UserLib, UserLibX, UserLibY, UserLibW, UserLibH and UserLibIcoSize
  // of "WinPos".
  void LoadLayout(const ProfileFile& settings) override;
  void SaveLayout(ProfileFile& settings) const override;

 private:
  void BuildToolBar();
  void Append(const LibraryEntry& entry);

  bool changed_ = false;
  // Until the files have been read, or found absent, whatever is there is
  // kept.
  bool keepFilesFound_ = true;
};

}  // namespace quobrix
