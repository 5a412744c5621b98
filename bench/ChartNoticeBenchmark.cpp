// What announcing a change costs: a drag step (the most frequent edit, one
// per mouse move) heard by 1 and 5 observers, against the same step with the
// single std::function callback the model had before, in the same run.
#include <benchmark/benchmark.h>

#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "chart/BlocksHolderModel.h"

namespace quobrix {
namespace {

void PrepareDrag(BlocksHolderModel& chart) {
  chart.AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
  chart.SetActiveBlock(1);
}

void BM_DragStepWithCallback(benchmark::State& state) {
  BlocksHolderModel chart;
  PrepareDrag(chart);
  long heard = 0;
  const std::function<void()> callback = [&heard] { ++heard; };
  std::int64_t step = 30;
  for (auto _ : state) {
    chart.MoveActiveBlock(step, 0, false);
    callback();
    step = -step;
  }
  benchmark::DoNotOptimize(heard);
}

void BM_DragStepWithObservers(benchmark::State& state) {
  BlocksHolderModel chart;
  PrepareDrag(chart);
  long heard = 0;
  std::vector<ChartSubscription> observers;
  for (std::int64_t i = 0; i < state.range(0); ++i)
    observers.push_back(chart.Subscribe([&heard](const ChartNotice&) { ++heard; }));
  std::int64_t step = 30;
  for (auto _ : state) {
    chart.MoveActiveBlock(step, 0, false);
    step = -step;
  }
  benchmark::DoNotOptimize(heard);
}

BENCHMARK(BM_DragStepWithCallback);
BENCHMARK(BM_DragStepWithObservers)->Arg(1)->Arg(5);

// Prints each observed run against the callback run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration || r.aggregate_name == "median")
        times_[r.run_name.str()] = r.GetAdjustedCPUTime();
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const double base = times_["BM_DragStepWithCallback"];
    for (const char* observed : {"BM_DragStepWithObservers/1", "BM_DragStepWithObservers/5"})
      if (base > 0)
        std::cout << observed << ": " << times_[observed] << " ns, callback " << base << " ns, ratio "
                  << times_[observed] / base << '\n';
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
  return 0;
}
