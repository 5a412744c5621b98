// The cost of an undo point of an edit that may change the block list (the
// list's pointers are copied at its first change and compared when it ends),
// against writing and reading the same chart text: a new file without
// fsync. The fsync a real save adds is measured on its own, as a save
// against the same write without it. Pairs: QUOBRIX_BENCH_REPETITIONS (7).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/BenchSupport.h"
#include "chart/BlocksHolderModel.h"
#include "chart/ChartEdit.h"
#include "chart/FileIO.h"

namespace quobrix {
namespace {

std::string BenchFolder() { return bench::BenchFolder("quobrix-undo-bench"); }

// The chart text written to a new file as a snapshot is: no fsync.
void WriteWithoutFsync(const BlocksHolderModel& chart, const std::string& path) {
  std::remove(path.c_str());
  WriteNewFile(path, chart.ChartFileText());
}

std::string Blocks(const benchmark::State& state) { return std::to_string(state.range(0)) + " blocks"; }

// One undo step: the undo point and the undo that applies it, against
// writing the chart text without fsync and loading it.
void BM_SnapshotAndUndo(benchmark::State& state) {
  BlocksHolderModel chart, plain;
  bench::FillSampleChart(chart, state.range(0));
  bench::FillSampleChart(plain, state.range(0));
  const std::string path = BenchFolder() + "/plain.qbs";
  bench::PairedFigures time("Undo point and undo of " + Blocks(state) + " against writing (no fsync) and loading", "undo",
                            "plain", "ms", 1000);
  for (auto _ : state) {
    const double undo = bench::SecondsPerCall([&] {
      ChartEdit(chart).Changing();
      chart.Undo();
    });
    const double base = bench::SecondsPerCall([&] {
      WriteWithoutFsync(plain, path);
      plain.LoadFromFile(path);
    });
    state.SetIterationTime(undo);
    time.Add(undo, base);
  }
  time.Report(state);
}

// With the history full, as while typing: one point recorded, the oldest
// dropped; against writing the chart text without fsync.
void BM_Snapshot(benchmark::State& state) {
  BlocksHolderModel chart;
  bench::FillSampleChart(chart, state.range(0));
  const std::string path = BenchFolder() + "/plain.qbs";
  bench::PairedFigures time("Undo point of " + Blocks(state) + " against writing its text (no fsync)", "point",
                            "write", "ms", 1000);
  for (auto _ : state) {
    const double snapshot = bench::SecondsPerCall([&] { ChartEdit(chart).Changing(); });
    const double write = bench::SecondsPerCall([&] { WriteWithoutFsync(chart, path); });
    state.SetIterationTime(snapshot);
    time.Add(snapshot, write);
  }
  time.Report(state);
}

// What a save's fsync (and rename) adds to the same write.
void BM_SaveFsync(benchmark::State& state) {
  BlocksHolderModel chart;
  bench::FillSampleChart(chart, state.range(0));
  const std::string saved = BenchFolder() + "/saved.qbs", plain = BenchFolder() + "/plain.qbs";
  bench::PairedFigures time("Save of " + Blocks(state) + " (fsync) against writing its text without fsync", "save",
                            "write", "ms", 1000);
  for (auto _ : state) {
    const double save = bench::SecondsPerCall([&] { chart.SaveToFile(saved); });
    const double write = bench::SecondsPerCall([&] { WriteWithoutFsync(chart, plain); });
    state.SetIterationTime(save);
    time.Add(save, write);
  }
  time.Report(state);
}

void Register() {
  const auto repetitions = bench::Repetitions(7);
  for (auto [name, f] : {std::pair{"BM_SnapshotAndUndo", &BM_SnapshotAndUndo}, std::pair{"BM_Snapshot", &BM_Snapshot},
                         std::pair{"BM_SaveFsync", &BM_SaveFsync}})
    benchmark::RegisterBenchmark(name, f)
        ->Arg(10000)
        ->Arg(100000)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(repetitions);
}

}  // namespace
}  // namespace quobrix

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  quobrix::Register();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  quobrix::bench::PrintSummary();
  std::filesystem::remove_all(quobrix::BenchFolder());
  return 0;
}
