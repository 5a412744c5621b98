// The program-wide values that the chart windows, the main window and the
// tool windows share: the options (held with their defaults until the
// settings file is read), the placement of new chart windows and the symbol
// last chosen in the symbol palette.
#pragma once

#include <QString>

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
};

ProgramOptions& Options();

// Full path of the current language file; empty for the built-in texts.
QString& LanguageFile();

// Zooms a user can set; beyond this the pixel arithmetic would overflow.
constexpr int kSmallestZoom = 1;
constexpr int kLargestZoom = 10000;

// Screen placement and zoom given to every new chart window.
struct ChartPlacement {
  int Left = 20;
  int Top = 20;
  int Width = 691;
  int Height = 549;
  int Zoom = 100;
};

ChartPlacement& LastChartPlacement();

// The block type code last chosen in the symbol palette; -1 for none yet.
int& LastLibrarySymbol();

}  // namespace quobrix
