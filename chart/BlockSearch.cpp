// Finding blocks by their text and going to one of them.
#include "chart/BlocksHolderModel.h"

namespace quobrix {

std::vector<std::int64_t> BlocksHolderModel::FindBlocksByText(const std::string& text) const {
  std::vector<std::int64_t> found;
  if (text.empty()) return found;
  for (std::int64_t n = 1; n <= BlockCount(); ++n)
    if (Blocks(n).Text.find(text) != std::string::npos) found.push_back(n);
  return found;
}

void BlocksHolderModel::GoToBlock(std::int64_t n) {
  if (n < 1 || n > BlockCount()) return;
  HeldNotices hold(*this);
  if (n != BlockCount()) DissolveMultiSelection();
  SetActiveBlock(n);
  DoActiveBlockChanged();
}

}  // namespace quobrix
