// What the benchmark programs share: a scratch folder and a large sample chart.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "chart/BlocksHolderModel.h"

namespace quobrix::bench {

// A folder under the temporary directory, made on first use.
inline std::string BenchFolder(const std::string& name) {
  const auto p = std::filesystem::temp_directory_path() / name;
  std::filesystem::create_directories(p);
  return p.string();
}

// Symbols with two-line texts and joining lines, down the sheet; every tenth
// block groups the nine before it.
inline void FillSampleChart(BlocksHolderModel& chart, std::int64_t blocks) {
  for (std::int64_t i = 1; i <= blocks; ++i) {
    if (i % 10 == 0) {
      std::vector<std::int64_t> members;
      for (std::int64_t k = i - 9; k < i; ++k) members.push_back(k);
      chart.MakeMultiSelection(0, i * 100, 9000, 900, members);
      chart.Blocks(i).Compl = ckGroup;
      continue;
    }
    const auto type = static_cast<std::uint8_t>(i % 3 == 0 ? int{btLine} : 3 + int(i % 30));
    const auto n = chart.AddDefaultBlock(type, (i % 7) * 2500, i * 100, 2000, 900);
    chart.Blocks(n).Text = "Step " + std::to_string(i) + "\r\nx := x + 1";
  }
}

}  // namespace quobrix::bench
