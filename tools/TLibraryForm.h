// The symbol palette: a tool window with one flat button per drawing tool
// and the multi-insert switch, each the shared command's action. Pressing a
// symbol button arms the active chart window's canvas to draw that symbol
// with the mouse.
#pragma once

#include "tools/ToolWindow.h"

namespace quobrix {

class AppContext;
struct PaletteButton;

class TLibraryForm : public ToolWindow {
  Q_OBJECT

 public:
  TLibraryForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry, AppContext& context);

  // The buttons, in palette order, each named after its button and showing
  // its command's action.
  QWidget* aToolBar1 = nullptr;

  // Keys Library, LibraryX, LibraryY, LibraryW, LibraryH of "WinPos".
  void LoadLayout(const ProfileFile& settings) override;
  void SaveLayout(ProfileFile& settings) const override;

 protected:
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  AppContext& context_;
  void AddButton(const PaletteButton& button);
  void PlaceAtBottomLeft();

  bool placed_ = false;
};

}  // namespace quobrix
