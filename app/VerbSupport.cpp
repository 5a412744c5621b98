#include "app/VerbSupport.h"

#include <iostream>

#include "chart/FileIO.h"

namespace quobrix {

int Fail(const std::string& reason) {
  std::cerr << "quobrix: " << reason << '\n';
  return 1;
}

std::optional<std::string> LoadChart(BlocksHolderModel& chart, const std::string& path) {
  if (!IsRegularFile(path)) return "no such file: " + path;
  if (!chart.LoadFromFile(path)) return "not a chart file or damaged: " + path;
  return std::nullopt;
}

}  // namespace quobrix
