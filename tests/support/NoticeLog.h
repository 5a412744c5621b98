// Listens to a chart and keeps every notice it sends, for tests that check
// what a change announced.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "chart/BlocksHolderModel.h"

namespace quobrix::test {

class NoticeLog {
 public:
  explicit NoticeLog(BlocksHolderModel& chart)
      : subscription_(chart.Subscribe([this](const ChartNotice& n) { notices.push_back(n); })) {}
  NoticeLog(const NoticeLog&) = delete;
  NoticeLog& operator=(const NoticeLog&) = delete;

  std::vector<ChartNotice> notices;

  long Count(ChartChange kind) const { return CountIf([&](const ChartNotice& n) { return n.Kind == kind; }); }
  long Count(StructureChange how) const {
    return CountIf([&](const ChartNotice& n) { return n.Kind == ChartChange::Structure && n.Structure == how; });
  }
  long Count(ViewChange what) const {
    return CountIf([&](const ChartNotice& n) { return n.Kind == ChartChange::View && n.View == what; });
  }
  // NewActiveBlock of every OnActiveBlockChanged, in order.
  std::vector<std::int64_t> ActiveBlocks() const {
    std::vector<std::int64_t> out;
    for (const ChartNotice& n : notices)
      if (n.Kind == ChartChange::ActiveBlock) out.push_back(n.NewActiveBlock);
    return out;
  }
  std::vector<std::string> DebugMessages() const {
    std::vector<std::string> out;
    for (const ChartNotice& n : notices)
      if (n.Kind == ChartChange::Debug) out.push_back(n.Message);
    return out;
  }
  void Clear() { notices.clear(); }

 private:
  ChartSubscription subscription_;

  template <typename Pred>
  long CountIf(Pred pred) const {
    return static_cast<long>(std::count_if(notices.begin(), notices.end(), pred));
  }
};

// Calls `f(NewActiveBlock)` on every OnActiveBlockChanged of the chart.
template <typename F>
[[nodiscard]] ChartSubscription OnActiveBlockChanged(BlocksHolderModel& chart, F f) {
  return chart.Subscribe([f](const ChartNotice& n) {
    if (n.Kind == ChartChange::ActiveBlock) f(n.NewActiveBlock);
  });
}

// Calls `f(message)` on every OnDebug message of the chart.
template <typename F>
[[nodiscard]] ChartSubscription OnDebug(BlocksHolderModel& chart, F f) {
  return chart.Subscribe([f](const ChartNotice& n) {
    if (n.Kind == ChartChange::Debug) f(n.Message);
  });
}

}  // namespace quobrix::test
