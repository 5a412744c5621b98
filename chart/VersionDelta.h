// What leads from one version of a chart to another, holding only what
// differs between them: the other version's values of the blocks an edit
// touched, the stretch of the block list whose order differs, the chart's
// own values when they differ, and the blocks the other version has and the
// chart has not. Every block neither touched nor moved is shared by both
// versions, so a delta costs what its edit changed.
//
// An edit builds the delta back to where it started while it changes the
// chart: each block's values are kept before its first change, the list
// order before the first change of the list (a copy of the pointers, made
// into a stretch when the edit ends), and the blocks taken out of the list
// are handed over instead of destroyed. Applying a delta puts the chart at
// the other version and returns the delta that leads back again, so undo and
// redo step through versions in memory.
//
// A version is the chart as edits see it: a multi-selection is no part of
// it. Its container is left out of the kept order and values, and its
// members' values are kept as belonging to nothing; the chart drops any
// selection before a delta is applied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "chart/BlocksHolderModel.h"

namespace quobrix {

class VersionDelta {
 public:
  VersionDelta();
  ~VersionDelta();
  VersionDelta(VersionDelta&&) noexcept;
  VersionDelta& operator=(VersionDelta&&) noexcept;

  // ----- while the edit runs; each keeps the first state only
  void KeepValues(const TBlock& block);
  void KeepOrder(const BlockList& list);
  void KeepChartValues(const BlocksHolderModel& chart);
  // A block the edit took out of the list.
  void KeepRemoved(std::unique_ptr<TBlock> block);
  // Turns the kept order into the stretch that differs from `list`, the list
  // the edit leaves.
  void Finish(const BlockList& list);

  // Whether the finished delta leads nowhere: `chart` has the order, the
  // chart values and the block values it kept.
  bool LeadsTo(const BlocksHolderModel& chart) const;
  // Puts `chart` at the version this delta leads to and returns the delta
  // back to the version it left. The chart must hold no multi-selection.
  VersionDelta ApplyTo(BlocksHolderModel& chart);
  // Takes in `newer`, finished against `list`, which leads from the version
  // after this one's start back to it: the result leads from the newest
  // version straight to this one's target.
  void Absorb(VersionDelta&& newer, const BlockList& list);

  // The blocks whose values the delta holds.
  std::vector<const TBlock*> Blocks() const;
  // The number of blocks whose values the delta holds a copy of.
  std::size_t CopiedBlocks() const { return values_.size(); }
  bool ChangesOrder() const { return order_.has_value() || fullOrder_.has_value(); }
  bool ChangesChartValues() const { return chart_.has_value(); }

 private:
  // The chart section's values an edit can change.
  struct ChartValues {
    std::string description, author, organization;
    std::int32_t documentPages = 1;
    TColor sheetColor = 0;
    std::int64_t sheetWidth = 0, sheetHeight = 0;
    BlocksHolderModel::SheetMargins margins;
    bool operator==(const ChartValues&) const = default;
  };
  // Blocks [first, first + replaced) of the list the delta applies to stand
  // where the other version has `blocks`.
  struct Stretch {
    std::size_t first = 0;
    std::size_t replaced = 0;
    std::vector<TBlock*> blocks;
  };
  using Order = std::vector<TBlock*>;

  std::vector<std::pair<TBlock*, TBlock>> values_;
  std::unordered_set<const TBlock*> valuesKept_;
  std::optional<Order> fullOrder_;  // while the edit runs
  std::optional<Stretch> order_;    // once it has ended
  std::optional<ChartValues> chart_;
  std::vector<std::unique_ptr<TBlock>> removed_;

  static Order EditedOrder(const BlockList& list);
  static std::optional<Stretch> Difference(const Order& other, const Order& now);
  static Order Applied(const Stretch& stretch, Order order);
  static ChartValues ValuesOf(const BlocksHolderModel& chart);
  static void PutValues(BlocksHolderModel& chart, const ChartValues& values);
  void ApplyOrder(BlockList& list, VersionDelta& back);
};

}  // namespace quobrix
