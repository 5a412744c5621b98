#include "app/VerbSupport.h"

#include <iostream>

#include "chart/AvailableMemory.h"
#include "chart/ChartFileReader.h"
#include "chart/FileIO.h"

namespace quobrix {

namespace {

std::string MiB(std::int64_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

std::string OutOfMemoryToRead(const std::string& path) {
  const std::int64_t needed = MemoryToReadChart(RegularFileSize(path).value_or(0));
  const auto available = AvailableMemory();
  return "out of memory: reading " + path + " needs about " + MiB(needed) +
         (available ? ", " + MiB(*available) + " are available" : "");
}

}  // namespace

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
      case ChartReadFailure::OutOfMemory: return OutOfMemoryToRead(path);
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
