#include "view/ProgramWide.h"

namespace quobrix {

ProgramOptions& Options() {
  static ProgramOptions options;
  return options;
}

QString& LanguageFile() {
  static QString path;
  return path;
}

ChartPlacement& LastChartPlacement() {
  static ChartPlacement placement;
  return placement;
}

int& LastLibrarySymbol() {
  static int symbol = -1;
  return symbol;
}

}  // namespace quobrix
