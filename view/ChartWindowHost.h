// What a chart window needs from the main window around it. The chart
// window lives below the shell, so it reaches the program's commands and
// the main window's state only through this interface.
#pragma once

#include <QString>
#include <cstdint>

namespace quobrix {

class CommandTable;
class THolderForm;
class TBlocksHolder;

class ChartWindowHost {
 public:
  virtual ~ChartWindowHost() = default;

  // The program's commands, whose actions the window's menus show.
  virtual CommandTable& Commands() = 0;

  // Saves the chart of `window` as the main window's Save does; false when
  // the user cancelled the save dialog or the save failed.
  virtual bool SaveChart(THolderForm& window) = 0;

  virtual void ChartWindowActivated(THolderForm& window) = 0;
  // The window is about to be freed: it no longer is the active one.
  virtual void ChartWindowClosed(THolderForm& window) = 0;
  virtual void AddRecentFile(const QString& path) = 0;

  // Shows the block in the property inspector.
  virtual void ShowBlockInInspector(TBlocksHolder& canvas, std::int64_t block) = 0;

  // The text of the hint over `canvas`, made from the hint the platform would
  // show; empty for no hint.
  virtual QString ActiveSymbolHint(const TBlocksHolder& canvas, const QString& platformHint) const = 0;

  virtual void BringMainWindowToFront() = 0;

  // Title of the save prompt, and the language texts the window shows.
  virtual QString MainCaption() const = 0;
  virtual QString SavePromptText(const THolderForm& window) const = 0;
  virtual QString MillimetreText() const = 0;
  // What the status line calls the window's chart: its file's name, or the
  // numbered name in the interface language of a chart never saved.
  virtual QString ShownChartName(const THolderForm& window) const = 0;
};

}  // namespace quobrix
