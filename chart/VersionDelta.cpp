#include "chart/VersionDelta.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <unordered_map>

namespace quobrix {

VersionDelta::VersionDelta() = default;
VersionDelta::~VersionDelta() = default;
VersionDelta::VersionDelta(VersionDelta&&) noexcept = default;
VersionDelta& VersionDelta::operator=(VersionDelta&&) noexcept = default;

void VersionDelta::KeepValues(const TBlock& block) {
  if (block.Compl == ckMultiSelection || !valuesKept_.insert(&block).second) return;
  TBlock kept = block;
  if (kept.Owner && kept.Owner->Compl == ckMultiSelection) kept.Owner = nullptr;
  values_.emplace_back(const_cast<TBlock*>(&block), std::move(kept));
}

void VersionDelta::KeepOrder(const BlockList& list) {
  if (!ChangesOrder()) fullOrder_ = EditedOrder(list);
}

void VersionDelta::KeepChartValues(const BlocksHolderModel& chart) {
  if (!chart_) chart_ = ValuesOf(chart);
}

std::vector<const TBlock*> VersionDelta::Blocks() const {
  std::vector<const TBlock*> blocks;
  blocks.reserve(values_.size());
  for (const auto& kept : values_) blocks.push_back(kept.first);
  return blocks;
}

void VersionDelta::KeepRemoved(std::unique_ptr<TBlock> block) { removed_.push_back(std::move(block)); }

void VersionDelta::Finish(const BlockList& list) {
  if (!fullOrder_) return;
  order_ = Difference(*fullOrder_, EditedOrder(list));
  fullOrder_.reset();
}

bool VersionDelta::LeadsTo(const BlocksHolderModel& chart) const {
  if (order_ || (chart_ && *chart_ != ValuesOf(chart))) return false;
  return std::ranges::all_of(values_, [](const auto& kept) {
    TBlock now = *kept.first;
    now.ListSlot = kept.second.ListSlot;
    return now == kept.second;
  });
}

VersionDelta VersionDelta::ApplyTo(BlocksHolderModel& chart) {
  VersionDelta back;
  back.values_.reserve(values_.size());
  for (auto& [block, values] : values_) {
    values.ListSlot = block->ListSlot;
    std::swap(*block, values);
    back.valuesKept_.insert(block);
    back.values_.emplace_back(block, std::move(values));
  }
  values_.clear();
  valuesKept_.clear();
  if (chart_) {
    back.chart_ = ValuesOf(chart);
    PutValues(chart, *chart_);
  }
  ApplyOrder(chart.blocks_, back);
  return back;
}

void VersionDelta::ApplyOrder(BlockList& list, VersionDelta& back) {
  if (!order_) {
    back.removed_ = std::move(removed_);
    return;
  }
  const Stretch& stretch = *order_;
  if (stretch.first + stretch.replaced > list.size())
    throw std::logic_error("an undo step does not fit the chart's block list");
  std::unordered_map<TBlock*, std::unique_ptr<TBlock>> loose;
  loose.reserve(stretch.replaced + removed_.size());
  const auto begin = list.begin() + static_cast<std::ptrdiff_t>(stretch.first);
  const auto end = begin + static_cast<std::ptrdiff_t>(stretch.replaced);
  for (auto it = begin; it != end; ++it) loose.emplace(it->get(), nullptr);
  for (const auto& block : removed_) loose.emplace(block.get(), nullptr);
  if (!std::ranges::all_of(stretch.blocks, [&](TBlock* b) { return loose.contains(b); }))
    throw std::logic_error("an undo step names a block it does not hold");

  Stretch backStretch{stretch.first, stretch.blocks.size(), {}};
  backStretch.blocks.reserve(stretch.replaced);
  for (auto it = begin; it != end; ++it) {
    backStretch.blocks.push_back(it->get());
    loose[it->get()] = std::move(*it);
  }
  for (auto& block : removed_) loose[block.get()] = std::move(block);
  removed_.clear();

  std::vector<std::unique_ptr<TBlock>> middle;
  middle.reserve(stretch.blocks.size());
  for (TBlock* b : stretch.blocks) {
    auto found = loose.find(b);
    middle.push_back(std::move(found->second));
    loose.erase(found);
  }
  const auto at = list.erase(begin, end);
  list.insert(at, std::make_move_iterator(middle.begin()), std::make_move_iterator(middle.end()));
  for (auto& [pointer, block] : loose) back.removed_.push_back(std::move(block));
  back.order_ = std::move(backStretch);
  order_.reset();
}

void VersionDelta::Absorb(VersionDelta&& newer, const BlockList& list) {
  for (auto& [block, values] : newer.values_)
    if (valuesKept_.insert(block).second) values_.emplace_back(block, std::move(values));
  if (!chart_) chart_ = std::move(newer.chart_);
  for (auto& block : newer.removed_) removed_.push_back(std::move(block));
  if (!newer.order_) return;
  if (!order_) {
    order_ = std::move(newer.order_);
    return;
  }
  // Both changed the order: go back through the version between them.
  const Order now = EditedOrder(list);
  order_ = Difference(Applied(*order_, Applied(*newer.order_, now)), now);
}

VersionDelta::Order VersionDelta::EditedOrder(const BlockList& list) {
  Order order;
  order.reserve(list.size());
  for (const auto& block : list) order.push_back(block.get());
  if (!order.empty() && order.back()->Compl == ckMultiSelection) order.pop_back();
  return order;
}

std::optional<VersionDelta::Stretch> VersionDelta::Difference(const Order& other, const Order& now) {
  const std::size_t shorter = std::min(other.size(), now.size());
  std::size_t first = 0;
  while (first < shorter && other[first] == now[first]) ++first;
  if (first == other.size() && first == now.size()) return std::nullopt;
  std::size_t last = 0;
  while (last < shorter - first && other[other.size() - 1 - last] == now[now.size() - 1 - last]) ++last;
  const auto from = other.begin() + static_cast<std::ptrdiff_t>(first);
  const auto to = other.end() - static_cast<std::ptrdiff_t>(last);
  return Stretch{first, now.size() - first - last, Order(from, to)};
}

VersionDelta::Order VersionDelta::Applied(const Stretch& stretch, Order order) {
  const auto begin = order.begin() + static_cast<std::ptrdiff_t>(stretch.first);
  const auto at = order.erase(begin, begin + static_cast<std::ptrdiff_t>(stretch.replaced));
  order.insert(at, stretch.blocks.begin(), stretch.blocks.end());
  return order;
}

VersionDelta::ChartValues VersionDelta::ValuesOf(const BlocksHolderModel& chart) {
  return {chart.description_, chart.author_,       chart.organization_, chart.documentPages_,
          chart.sheetColor_,  chart.sheetWidth_,   chart.sheetHeight_,  chart.sheetMargins_};
}

void VersionDelta::PutValues(BlocksHolderModel& chart, const ChartValues& values) {
  chart.description_ = values.description;
  chart.author_ = values.author;
  chart.organization_ = values.organization;
  chart.documentPages_ = values.documentPages;
  chart.sheetColor_ = values.sheetColor;
  chart.sheetWidth_ = values.sheetWidth;
  chart.sheetHeight_ = values.sheetHeight;
  chart.sheetMargins_ = values.margins;
}

}  // namespace quobrix
