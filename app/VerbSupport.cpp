#include "app/VerbSupport.h"

#include <iostream>

#include "chart/ChartFileReader.h"
#include "chart/FileIO.h"

namespace quobrix {

int Fail(const std::string& reason) {
  std::cerr << "quobrix: " << reason << '\n';
  return 1;
}

std::optional<std::string> LoadChart(BlocksHolderModel& chart, const std::string& path) {
  if (!IsRegularFile(path)) return "no such file: " + path;
  ChartReadReport report;
  if (!chart.LoadFromFile(path, &report)) {
    switch (report.Failure) {
      case ChartReadFailure::WrongHeader: return "not a chart file: " + path;
      case ChartReadFailure::TooLarge:
        return "too large to be a chart: " + path + " (over " + std::to_string(kLargestReadableFile >> 30) + " GiB)";
      case ChartReadFailure::BadChartSection: return "damaged chart file: " + path;
      default: return "cannot read " + path;
    }
  }
  if (report.DamagedAtLine != 0)
    std::cerr << "quobrix: warning: " << path << ": damaged at line " << report.DamagedAtLine
              << ", reading stopped there with " << report.BlocksRead << " block(s) read\n";
  return std::nullopt;
}

}  // namespace quobrix
