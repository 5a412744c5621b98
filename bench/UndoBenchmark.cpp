// The cost of an undo snapshot, which every property edit pays (the
// inspector records one per keystroke), against a plain save and load of the
// same chart measured in the same run.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <string>

#include "chart/BlocksHolderModel.h"
#include "chart/UndoSnapshotFolder.h"

namespace quobrix {
namespace {

std::string BenchFolder() {
  static const std::string dir = [] {
    auto p = std::filesystem::temp_directory_path() / "quobrix-undo-bench";
    std::filesystem::create_directories(p);
    return p.string();
  }();
  return dir;
}

// Symbols with two-line texts and joining lines; every tenth block groups the nine before it.
void FillChart(BlocksHolderModel& chart, std::int64_t blocks) {
  for (std::int64_t i = 1; i <= blocks; ++i) {
    if (i % 10 == 0) {
      std::vector<std::int64_t> members;
      for (std::int64_t k = i - 9; k < i; ++k) members.push_back(k);
      chart.MakeMultiSelection(0, i * 100, 9000, 900, members);
      chart.Blocks(i).Compl = ckGroup;
      continue;
    }
    const auto type = static_cast<std::uint8_t>(i % 3 == 0 ? int{btLine} : 3 + int(i % 30));
    const auto n = chart.AddDefaultBlock(type, (i % 7) * 2500, i * 100, 2000, 900);
    chart.Blocks(n).Text = "Step " + std::to_string(i) + "\r\nx := x + 1";
  }
}

void BM_SnapshotAndUndo(benchmark::State& state) {
  SetUndoSnapshotFolder(BenchFolder());
  BlocksHolderModel chart;
  FillChart(chart, state.range(0));
  for (auto _ : state) {
    chart.RecordUndoPoint();
    chart.Undo();
  }
}

void BM_SaveAndLoad(benchmark::State& state) {
  BlocksHolderModel chart;
  FillChart(chart, state.range(0));
  const std::string path = BenchFolder() + "/plain.qbs";
  for (auto _ : state) {
    chart.SaveToFile(path);
    chart.LoadFromFile(path);
  }
}

// With the history full, as while typing: one file written, the oldest deleted.
void BM_Snapshot(benchmark::State& state) {
  SetUndoSnapshotFolder(BenchFolder());
  BlocksHolderModel chart;
  FillChart(chart, state.range(0));
  for (auto _ : state) chart.RecordUndoPoint();
}

void BM_Save(benchmark::State& state) {
  BlocksHolderModel chart;
  FillChart(chart, state.range(0));
  const std::string path = BenchFolder() + "/plain.qbs";
  for (auto _ : state) chart.SaveToFile(path);
}

BENCHMARK(BM_SnapshotAndUndo)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAndLoad)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Snapshot)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Prints each snapshot run against its plain counterpart.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    // With repetitions, the median stands for the run.
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration || r.aggregate_name == "median")
        times_[r.run_name.str()] = r.GetAdjustedRealTime();
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const std::pair<const char*, const char*> pairs[] = {{"BM_SnapshotAndUndo", "BM_SaveAndLoad"},
                                                         {"BM_Snapshot", "BM_Save"}};
    for (const auto& [snapshot, plain] : pairs)
      for (const char* blocks : {"/10000", "/100000"}) {
        const double mine = times_[snapshot + std::string(blocks)];
        const double base = times_[plain + std::string(blocks)];
        if (base > 0)
          std::cout << snapshot << blocks << ": " << mine << " ms, " << plain << " " << base << " ms, ratio "
                    << mine / base << '\n';
      }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace
}  // namespace quobrix

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  quobrix::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  quobrix::SetUndoSnapshotFolder("");
  std::filesystem::remove_all(quobrix::BenchFolder());
  return 0;
}
