// The symbol palette: a tool window with one flat button per symbol type
// and the drawing switches. Pressing a symbol button arms the active chart
// window's canvas to draw that symbol with the mouse.
#pragma once

#include "tools/ToolWindow.h"

class QAction;

namespace quobrix {

class AppContext;
struct PaletteButton;

class TLibraryForm : public ToolWindow {
  Q_OBJECT

 public:
  TLibraryForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry, AppContext& context);

  // The buttons, in palette order, each showing one of the window's actions
  // named after its button.
  QWidget* aToolBar1 = nullptr;
  QAction& Button(const char* name) const;

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
  void ButtonClick(const PaletteButton& button, const QAction& action);
  void PassMultiInsertToActiveCanvas();
  void PlaceAtBottomLeft();

  QAction* multiInsert_ = nullptr;
  bool placed_ = false;
};

}  // namespace quobrix
