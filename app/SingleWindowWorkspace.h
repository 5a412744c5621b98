// The single-window workspace, an option: the chart windows are tabs of the
// main window and the tool windows dock at its sides. The chart windows stay
// what they are (their documents, menus of their own hidden), so every
// command, prompt and tool window works as with separate windows. The
// layout of the docks is kept in the settings file with the main window's
// size.
#pragma once

#include <QObject>

class QMainWindow;
class QMdiArea;
class QWidget;

namespace quobrix {

class ProfileFile;
class THolderForm;
class ToolWindow;

class SingleWindowWorkspace : public QObject {
  Q_OBJECT

 public:
  // Makes `main` the workspace: its centre a tab for every chart window.
  explicit SingleWindowWorkspace(QMainWindow& main);

  // Docks the window at its side of the main window; the dock shows and
  // hides with the window.
  void Dock(ToolWindow& window);
  // Takes a new chart window as a tab, not shown yet.
  void Adopt(THolderForm& window);
  // Shows the window's tab and makes it the current one.
  void Show(THolderForm& window);
  // What closes the chart window: its tab.
  QWidget& Frame(THolderForm& window) const;

  // After the tool windows have read their own keys.
  void LoadLayout(const ProfileFile& settings);
  void SaveLayout(ProfileFile& settings) const;

 signals:
  // Another tab became the current one.
  void ChartActivated(THolderForm& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QMainWindow& main_;
  QMdiArea* tabs_;
};

}  // namespace quobrix
