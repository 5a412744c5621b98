// Small helpers that build charts for tests.
#pragma once

#include <string>
#include <vector>

#include "chart/BlocksHolderModel.h"

namespace quobrix::test {

inline std::int64_t AddRect(BlocksHolderModel& chart, std::int64_t x, std::int64_t y, std::int64_t w = 2000,
                            std::int64_t h = 1000, std::uint8_t type = btRectangle) {
  return chart.AddDefaultBlock(type, x, y, w, h);
}

// Joins lines with CR LF, the last one included.
inline std::string CrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) out += line + "\r\n";
  return out;
}

}  // namespace quobrix::test
