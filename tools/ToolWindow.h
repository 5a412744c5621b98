// The frame every tool window shares: created at program start and kept for
// the run, a tool window that stays above the other windows, shown, raised
// and hidden by its command, whose check mark (and with it the pressed state of
// its tool-bar button) follows the window's visibility however the window
// is shown or hidden. Its title is the caption of that command's menu item,
// translated or not. It joins the registry for its placement keys while it
// exists; a tool window fills in LoadLayout and SaveLayout.
#pragma once

#include <QWidget>

#include "tools/ToolWindowLayout.h"
#include "view/CommandId.h"

class QAction;

namespace quobrix {

class CommandTable;

class ToolWindow : public QWidget, public ToolWindowLayout {
  Q_OBJECT

 public:
  // `owner` is the main window; `toggle` the command that shows and hides
  // the window. The commands and the registry outlive the window.
  ToolWindow(QWidget& owner, CommandTable& commands, CommandId toggle, ToolWindowRegistry& registry);
  ~ToolWindow() override;

  // What the command does: shows the window when it is hidden, raises it
  // when another tool window covers part of it, and hides it otherwise. A
  // window that has to do more first extends it.
  virtual void Toggle();

  // Raises the shown tool windows above a window that came up since, such
  // as a new chart window, in their order among themselves.
  static void RaiseShown();

 protected:
  // The program's commands, and through them the active chart window.
  CommandTable& Commands() const { return commands_; }
  // Writes the window's keys of the settings file's "WinPos" section: `name`
  // (shown or not), nameX, nameY and, for a window the user sizes, nameW
  // and nameH.
  enum class Sized : bool { No, Yes };
  void SavePlacement(ProfileFile& settings, const QString& name, Sized sized) const;
  // Moves (and sizes) the window as those keys say, brought onto the
  // screens there are; a missing key keeps the window's own value.
  void LoadPlacement(const ProfileFile& settings, const QString& name, Sized sized);
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  CommandTable& commands_;
  CommandId toggleId_;
  QAction& toggle_;
  ToolWindowRegistry& registry_;
};

}  // namespace quobrix
