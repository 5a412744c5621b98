// The blocks of each printed page, found through one ordering of the blocks
// by their top edge made for a whole print job, so that printing costs the
// blocks printed rather than every block of the chart for every page.
#pragma once

#include <cstdint>
#include <vector>

namespace quobrix {

class BlocksHolderModel;

class PageBlocks {
 public:
  // Valid while the chart's blocks and page geometry stay as they are.
  explicit PageBlocks(const BlocksHolderModel& chart);

  // The numbers of the blocks IsBlockOnPage puts on page p, in list order.
  std::vector<std::int64_t> OnPage(std::int32_t page) const;

 private:
  struct Entry {
    std::int64_t top;
    std::int64_t n;
  };

  const BlocksHolderModel& chart_;
  // Blocks whose vertical extent is at most reach_, by their top edge.
  std::vector<Entry> byTop_;
  std::int64_t reach_ = 0;
  // Blocks taller than a page, and every block when the page bands cannot be
  // computed without overflow: looked at for every page.
  std::vector<std::int64_t> tall_;
};

}  // namespace quobrix
