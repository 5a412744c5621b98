// Load and save of a large chart against a bare read and write of the same
// bytes with line splitting, and the heap a loaded chart takes per block.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/BenchSupport.h"
#include "chart/BlocksHolderModel.h"
#include "chart/ChartFormat.h"
#include "chart/FileIO.h"

namespace quobrix {
namespace {

constexpr std::int64_t kBlocks = 100000;

std::string BenchFolder() { return bench::BenchFolder("quobrix-bench"); }

const std::string& SampleChart() {
  static const std::string path = [] {
    BlocksHolderModel chart;
    bench::FillSampleChart(chart, kBlocks);
    const std::string file = BenchFolder() + "/sample.qbs";
    chart.SaveToFile(file);
    return file;
  }();
  return path;
}

std::size_t LinesOf(const std::string& bytes) {
  LineReader lines(bytes);
  std::size_t n = 0;
  while (lines.Next()) ++n;
  return n;
}

void BM_BareRead(benchmark::State& state) {
  for (auto _ : state) {
    const auto bytes = ReadWholeFile(SampleChart());
    benchmark::DoNotOptimize(LinesOf(*bytes));
  }
}

void BM_LoadFromFile(benchmark::State& state) {
  for (auto _ : state) {
    auto chart = std::make_unique<BlocksHolderModel>();
    chart->LoadFromFile(SampleChart());
    benchmark::DoNotOptimize(chart->BlockCount());
    state.PauseTiming();  // freeing the chart is not part of loading it
    chart.reset();
    state.ResumeTiming();
  }
}

void BM_BareWrite(benchmark::State& state) {
  const auto bytes = *ReadWholeFile(SampleChart());
  const std::string out = BenchFolder() + "/bare.qbs";
  for (auto _ : state) {
    benchmark::DoNotOptimize(LinesOf(bytes));
    benchmark::DoNotOptimize(WriteFileAtomically(out, bytes));
  }
}

void BM_SaveToFile(benchmark::State& state) {
  BlocksHolderModel chart;
  chart.LoadFromFile(SampleChart());
  const std::string out = BenchFolder() + "/saved.qbs";
  for (auto _ : state) benchmark::DoNotOptimize(chart.SaveToFile(out));
}

void BM_HeapPerLoadedBlock(benchmark::State& state) {
  const auto fileSize = static_cast<double>(std::filesystem::file_size(SampleChart()));
  double perBlockBeyondFile = 0;
  for (auto _ : state) {
    const auto before = mallinfo2().uordblks;
    auto chart = std::make_unique<BlocksHolderModel>();
    chart->LoadFromFile(SampleChart());
    const auto after = mallinfo2().uordblks;
    perBlockBeyondFile = (static_cast<double>(after - before) - fileSize) / kBlocks;
    benchmark::DoNotOptimize(chart->BlockCount());
  }
  state.counters["heap_bytes_per_block_beyond_file"] = perBlockBeyondFile;
  state.counters["file_bytes_per_block"] = fileSize / kBlocks;
}

BENCHMARK(BM_BareRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeapPerLoadedBlock)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace quobrix

int main(int argc, char** argv) {
  quobrix::SampleChart();  // made once, outside every measurement
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
