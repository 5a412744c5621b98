#include "chart/BlockType.h"

#include <cstdlib>
#include <unordered_set>

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

std::vector<const TBlock*> FlatMembers(const TBlock& container) {
  std::vector<const TBlock*> flat;
  std::unordered_set<const TBlock*> seen{&container};
  // Depth first without recursion: a damaged chart may nest very deeply.
  std::vector<const TBlock*> pending(container.Members.rbegin(), container.Members.rend());
  while (!pending.empty()) {
    const TBlock* block = pending.back();
    pending.pop_back();
    if (!seen.insert(block).second) continue;
    if (block->BT == btSelection)
      pending.insert(pending.end(), block->Members.rbegin(), block->Members.rend());
    else
      flat.push_back(block);
  }
  return flat;
}

}  // namespace quobrix
