// Going to a block found and replacing the texts of blocks.
#include "chart/BlocksHolderModel.h"
#include "chart/ChartEdit.h"

namespace quobrix {

void BlocksHolderModel::GoToBlock(std::int64_t n) {
  if (n < 1 || n > BlockCount()) return;
  HeldNotices hold(*this);
  if (n != BlockCount()) DissolveMultiSelection();
  SetActiveBlock(n);
  DoActiveBlockChanged();
}

void BlocksHolderModel::ReplaceBlockTexts(const BlockTexts& texts) {
  std::vector<TBlock*> changed;
  for (const auto& [n, text] : texts)
    if (n >= 1 && n <= BlockCount() && Blocks(n).Text != text) changed.push_back(&Blocks(n));
  if (changed.empty()) return;
  ChartEdit edit(*this);
  edit.Changing(changed);
  for (const auto& [n, text] : texts)
    if (n >= 1 && n <= BlockCount()) Blocks(n).Text = text;
  SetModified(true);
  NotifyBlocksChanged({changed.begin(), changed.end()});
}

}  // namespace quobrix
