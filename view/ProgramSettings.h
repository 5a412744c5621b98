// The program-wide values that the chart windows, the main window and the
// tool windows share: the options (held with their defaults until the
// settings file is read), the language file, the placement of new chart
// windows and the symbol last chosen in the symbol palette. Windows read
// them here and follow the signals, so a change reaches every open window.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace quobrix {

struct ProgramOptions {
  QString Language;  // name of the interface language; empty = built-in texts
  bool MDIMode = true;
  bool ShowSplash = true;
  bool SaveWindowsPos = true;
  bool CenterChartInWindow = true;
  bool ShowActiveSymbolHint = true;
  bool ShowRulersInWin = true;
  bool ShowStatusInWin = true;
  bool ShowColorLineInWin = true;
  bool InspectorSaveMode = true;
  // How often charts with unsaved changes are copied to the recovery
  // folder; 0 switches it off.
  int AutoSaveSeconds = 60;
  // For users of other editors: Ctrl + wheel up zooms in rather than out,
  // and Ctrl+F opens the search window.
  bool WheelUpZoomsIn = false;
  bool CtrlFOpensSearch = false;
  // The chart windows are tabs of the main window, the tool windows dock at
  // its sides; taken at the next start.
  bool SingleWindow = false;
  // Lines drawn in a new chart window end with an arrow; the window's
  // default line ends (the Format menu) start from it.
  bool NewLinesWithArrow = false;
  // A line drawn from one symbol to another goes around the symbols between.
  bool RouteNewLines = false;
  bool operator==(const ProgramOptions&) const = default;
};

// Screen placement and zoom given to every new chart window.
struct ChartPlacement {
  int Left = 20;
  int Top = 20;
  int Width = 691;
  int Height = 549;
  int Zoom = 100;
};

class ProgramSettings : public QObject {
  Q_OBJECT

 public:
  const ProgramOptions& Options() const { return options_; }
  // Takes the options; OptionsChanged follows when they differ.
  void SetOptions(const ProgramOptions& options);
  // Changes some options in place, as one change.
  void ChangeOptions(const std::function<void(ProgramOptions&)>& change);

  // Full path of the current language file; empty for the built-in texts.
  const QString& LanguageFile() const { return languageFile_; }
  void SetLanguageFile(const QString& path);

  const ChartPlacement& LastChartPlacement() const { return lastChartPlacement_; }
  void SetLastChartPlacement(const ChartPlacement& placement) { lastChartPlacement_ = placement; }

  // The block type code last chosen in the symbol palette; -1 for none yet.
  int LastLibrarySymbol() const { return lastLibrarySymbol_; }
  void SetLastLibrarySymbol(int type) { lastLibrarySymbol_ = type; }

 signals:
  // `before` holds the options as they were, so a follower acts only on
  // the values that changed.
  void OptionsChanged(const ProgramOptions& before);
  // The language table has been read from the new file; windows translate
  // their texts.
  void LanguageFileChanged();

 private:
  ProgramOptions options_;
  QString languageFile_;
  ChartPlacement lastChartPlacement_;
  int lastLibrarySymbol_ = -1;
};

}  // namespace quobrix
