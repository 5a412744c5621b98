// The cost of an undo snapshot, which every property edit pays (the
// inspector records one per keystroke), against a plain save and load of the
// same chart measured in the same run.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <string>

#include "bench/BenchSupport.h"
#include "chart/BlocksHolderModel.h"
#include "chart/UndoSnapshotFolder.h"

namespace quobrix {
namespace {

std::string BenchFolder() { return bench::BenchFolder("quobrix-undo-bench"); }

void BM_SnapshotAndUndo(benchmark::State& state) {
  SetUndoSnapshotFolder(BenchFolder());
  BlocksHolderModel chart;
  bench::FillSampleChart(chart, state.range(0));
  for (auto _ : state) {
    chart.RecordUndoPoint();
    chart.Undo();
  }
}

void BM_SaveAndLoad(benchmark::State& state) {
  BlocksHolderModel chart;
  bench::FillSampleChart(chart, state.range(0));
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
  bench::FillSampleChart(chart, state.range(0));
  for (auto _ : state) chart.RecordUndoPoint();
}

void BM_Save(benchmark::State& state) {
  BlocksHolderModel chart;
  bench::FillSampleChart(chart, state.range(0));
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
