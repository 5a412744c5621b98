#include "chart/wizards/PageConnectors.h"

#include <algorithm>

namespace quobrix {

namespace {

// Room between a page's edge and a connector standing in its margin.
constexpr std::int64_t kEdgeGap = 100;

// 1 -> "A", 26 -> "Z", 27 -> "AA".
std::string LabelOf(std::size_t number) {
  std::string label;
  for (; number > 0; number = (number - 1) / 26) label.insert(label.begin(), char('A' + (number - 1) % 26));
  return label;
}

// The top of a connector at the bottom of page p's band, or above the page's
// edge where the margin is narrower than the gap.
std::int64_t LowestOnPage(std::int64_t page, const SheetArea& sheet) {
  return std::min(BandBottom(page, sheet), (page + 1) * sheet.height - kEdgeGap) - kOffPageSize;
}

std::int64_t HighestOnPage(std::int64_t page, const SheetArea& sheet) {
  return std::max(BandTop(page, sheet), page * sheet.height + kEdgeGap);
}

PlannedBlock Connector(std::int64_t axis, std::int64_t top, const std::string& label) {
  return {btOffPageConnector, axis - kOffPageSize / 2, top, kOffPageSize, kOffPageSize, label, blaSimple, btpInside};
}

PlannedBlock Upright(const PlannedBlock& line, std::int64_t from, std::int64_t to) {
  PlannedBlock piece = line;
  piece.y = from;
  piece.h = to - from;
  return piece;
}

}  // namespace

void ConnectAcrossPages(std::vector<PlannedBlock>& blocks, const SheetArea& sheet) {
  std::vector<PlannedBlock> out;
  out.reserve(blocks.size());
  std::size_t pairs = 0;
  for (PlannedBlock& block : blocks) {
    const std::int64_t from = block.y, to = block.y + block.h;
    const std::int64_t first = PageOf(from, sheet), last = PageOf(to, sheet);
    if (block.type != btLine || block.w != 0 || first == last) {
      out.push_back(std::move(block));
      continue;
    }
    const std::string label = LabelOf(++pairs);
    // The flow leaves a connector at the edge of the page it comes from and
    // enters one at the edge of the page it goes to, the edges facing the way it runs.
    const bool down = to > from;
    const std::int64_t leave = down ? LowestOnPage(first, sheet) : HighestOnPage(first, sheet);
    const std::int64_t enter = down ? HighestOnPage(last, sheet) : LowestOnPage(last, sheet);
    PlannedBlock before = Upright(block, from, down ? leave : leave + kOffPageSize);
    before.arrows = blaEndArrow;
    PlannedBlock after = Upright(block, down ? enter + kOffPageSize : enter, to);
    after.text.clear();
    after.place = btpInside;
    out.push_back(std::move(before));
    out.push_back(Connector(block.x, leave, label));
    out.push_back(Connector(block.x, enter, label));
    out.push_back(std::move(after));
  }
  blocks = std::move(out);
}

}  // namespace quobrix
