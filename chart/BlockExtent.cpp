#include "chart/BlockExtent.h"

#include <algorithm>
#include <cmath>

namespace quobrix {

double DrawingMargin(const TBlock& block) {
  const double size = std::max(std::fabs(static_cast<double>(block.W)), std::fabs(static_cast<double>(block.H)));
  const double pen = static_cast<double>(std::max(block.BW, kThinLineWidth));
  return size / 2 + 13 * pen;
}

}  // namespace quobrix
