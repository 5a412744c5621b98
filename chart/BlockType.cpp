#include "chart/BlockType.h"

#include <cstdlib>

namespace quobrix {

namespace {

constexpr int kScreenPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;

// a * b / c rounded half away from zero, as the desktop's font arithmetic does.
int MulDiv(int a, int b, int c) {
  const long long p = static_cast<long long>(a) * b;
  const long long q = (std::llabs(p) * 2 + c) / (2LL * c);
  return static_cast<int>(p < 0 ? -q : q);
}

}  // namespace

int TBlockFont::Size() const { return -MulDiv(Height, kPointsPerInch, kScreenPixelsPerInch); }

void TBlockFont::SetSize(int points) { Height = -MulDiv(points, kScreenPixelsPerInch, kPointsPerInch); }

const std::string& SparseText::str() const {
  static const std::string empty;
  return text_ ? *text_ : empty;
}

}  // namespace quobrix
