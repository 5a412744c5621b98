// The autosave copy of a large chart against a plain save of it, measured in
// pairs in the same run: the copy must not stop the program for longer than
// a save of the same chart does. Both write through a temporary file, fsync
// and a rename into the same folder; the copy's side file (the chart's name)
// is written once before the pairs, as it is only when the name changes.
// Size: QUOBRIX_BENCH_BLOCKS (100000); pairs: QUOBRIX_BENCH_REPETITIONS (9).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/BenchSupport.h"
#include "chart/BlocksHolderModel.h"
#include "chart/RecoveryFolder.h"

namespace quobrix {
namespace {

std::int64_t Blocks() { return bench::FromEnvironment("QUOBRIX_BENCH_BLOCKS", 100000); }

void BM_AutoSaveAgainstSave(benchmark::State& state) {
  const std::string folder = bench::BenchFolder("quobrix-bench-autosave");
  BlocksHolderModel chart;
  bench::FillSampleChart(chart, Blocks());
  chart.SetFileName(folder + "/chart.qbs");
  auto session = RecoverySession::Open(folder + "/recovery");
  if (!session || !session->WriteCopy(1, chart)) {
    state.SkipWithError("no recovery folder");
    return;
  }
  bench::PairedFigures time("Autosave copy of " + std::to_string(Blocks()) + " blocks against saving it (both with fsync)",
                            "copy", "save", "ms", 1000);
  for (auto _ : state) {
    const double copy = bench::SecondsOf([&] { benchmark::DoNotOptimize(session->WriteCopy(1, chart)); });
    const double save = bench::SecondsOf([&] { benchmark::DoNotOptimize(chart.SaveToFile(chart.FileName())); });
    state.SetIterationTime(copy);
    time.Add(copy, save);
  }
  time.Report(state);
  session.reset();
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace quobrix

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RegisterBenchmark("BM_AutoSaveAgainstSave", &quobrix::BM_AutoSaveAgainstSave)
      ->Unit(benchmark::kMillisecond)
      ->UseManualTime()
      ->Iterations(quobrix::bench::Repetitions(9));
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  quobrix::bench::PrintSummary();
  return 0;
}
