// What announcing a change costs: a drag step (the most frequent edit, one
// per mouse move) heard by 1 and 5 observers, against the same step with the
// single std::function callback the model had before, in pairs in the same
// run; pairs: QUOBRIX_BENCH_REPETITIONS (9).
#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "chart/BlocksHolderModel.h"

namespace quobrix {
namespace {

constexpr int kStepsPerCall = 10000;

void PrepareDrag(BlocksHolderModel& chart) {
  chart.AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
  chart.SetActiveBlock(1);
}

// kStepsPerCall drag steps, back and forth.
void Drag(BlocksHolderModel& chart, const std::function<void()>& afterStep) {
  std::int64_t step = 30;
  for (int i = 0; i < kStepsPerCall; ++i) {
    chart.MoveActiveBlock(step, 0, false);
    afterStep();
    step = -step;
  }
}

void BM_ObserversAgainstCallback(benchmark::State& state) {
  BlocksHolderModel observed, plain;
  PrepareDrag(observed);
  PrepareDrag(plain);
  long heard = 0;
  std::vector<ChartSubscription> observers;
  for (std::int64_t i = 0; i < state.range(0); ++i)
    observers.push_back(observed.Subscribe([&heard](const ChartNotice&) { ++heard; }));
  const std::function<void()> callback = [&heard] { ++heard; };
  bench::PairedFigures time("Drag step heard by " + std::to_string(state.range(0)) + " observers against one callback",
                            "observers", "callback", "ns", 1e9 / kStepsPerCall);
  for (auto _ : state) {
    const double withObservers = bench::SecondsPerCall([&] { Drag(observed, [] {}); });
    const double withCallback = bench::SecondsPerCall([&] { Drag(plain, callback); });
    state.SetIterationTime(withObservers);
    time.Add(withObservers, withCallback);
  }
  benchmark::DoNotOptimize(heard);
  time.Report(state);
}

BENCHMARK(BM_ObserversAgainstCallback)->Arg(1)->Arg(5)->UseManualTime()->Iterations(bench::Repetitions(9));

}  // namespace
}  // namespace quobrix

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  quobrix::bench::PrintSummary();
  return 0;
}
