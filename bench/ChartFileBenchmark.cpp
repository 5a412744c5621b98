// Load and save of a large chart, each against the least the same work can
// cost, measured in pairs in the same run:
//   load  LoadFromFile       against reading the file a piece at a time, as
//                            loading does, and splitting its lines
//   save  SaveToFile         against writing the file's bytes the same way
//                            (temporary file, rename), both without fsync:
//                            the disk's flush is not our code's cost
//   fsync SaveToFile         with its fsync against the same save without,
//                            what the flush adds, reported apart
// and the heap the loaded chart itself takes per block: what the allocator
// holds (large, separately mapped allocations included) after loading,
// less what it held before.
// Size: QUOBRIX_BENCH_BLOCKS (100000; the targets are set for 1000000, a
// 220 MB chart); pairs: QUOBRIX_BENCH_REPETITIONS (7).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench/BenchSupport.h"
#include "bench/FsyncSwitch.h"
#include "chart/BlocksHolderModel.h"
#include "chart/FileIO.h"
#include "chart/StreamLineReader.h"

namespace quobrix {
namespace {

std::int64_t Blocks() { return bench::FromEnvironment("QUOBRIX_BENCH_BLOCKS", 100000); }

std::string BenchFolder() { return bench::BenchFolder("quobrix-bench"); }

const std::string& SampleChart() {
  static const std::string path = [] {
    BlocksHolderModel chart;
    bench::FillSampleChart(chart, Blocks());
    const std::string file = BenchFolder() + "/sample-" + std::to_string(Blocks()) + ".qbs";
    chart.SaveToFile(file);
    return file;
  }();
  return path;
}

// The file read and split a piece at a time, as loading reads it.
std::size_t LinesOf(const std::string& path) {
  FilePieces file(path);
  StreamLineReader lines([&file] { return file.Next(); });
  std::size_t n = 0;
  while (lines.Next()) ++n;
  return n;
}

std::string BlocksName() { return std::to_string(Blocks()) + " blocks"; }

void BM_LoadAgainstReadingLines(benchmark::State& state) {
  bench::PairedFigures time("Load of " + BlocksName() + " against reading and splitting its lines", "load", "read",
                            "ms", 1000);
  for (auto _ : state) {
    auto chart = std::make_unique<BlocksHolderModel>();
    const double load = bench::SecondsOf([&] { chart->LoadFromFile(SampleChart()); });
    chart.reset();  // freeing the chart is not part of loading it
    const double read = bench::SecondsOf([] { benchmark::DoNotOptimize(LinesOf(SampleChart())); });
    state.SetIterationTime(load);
    time.Add(load, read);
  }
  time.Report(state);
}

void BM_SaveAgainstWritingBytes(benchmark::State& state) {
  BlocksHolderModel chart;
  chart.LoadFromFile(SampleChart());
  const std::string bytes = *ReadWholeFile(SampleChart());
  const std::string saved = BenchFolder() + "/saved.qbs", written = BenchFolder() + "/written.qbs";
  bench::PairedFigures time("Save of " + BlocksName() + " against writing its bytes (both without fsync)", "save",
                            "write", "ms", 1000);
  const bench::WithoutFsync noFlush;
  for (auto _ : state) {
    const double save = bench::SecondsOf([&] { benchmark::DoNotOptimize(chart.SaveToFile(saved)); });
    const double write = bench::SecondsOf([&] { benchmark::DoNotOptimize(WriteFileAtomically(written, bytes)); });
    state.SetIterationTime(save);
    time.Add(save, write);
  }
  time.Report(state);
}

void BM_SaveFsync(benchmark::State& state) {
  BlocksHolderModel chart;
  chart.LoadFromFile(SampleChart());
  const std::string saved = BenchFolder() + "/saved.qbs";
  bench::PairedFigures time("Save of " + BlocksName() + " with fsync against the same save without", "fsync",
                            "nofsync", "ms", 1000);
  for (auto _ : state) {
    const double flushed = bench::SecondsOf([&] { benchmark::DoNotOptimize(chart.SaveToFile(saved)); });
    const bench::WithoutFsync noFlush;
    const double unflushed = bench::SecondsOf([&] { benchmark::DoNotOptimize(chart.SaveToFile(saved)); });
    state.SetIterationTime(flushed);
    time.Add(flushed, unflushed);
  }
  time.Report(state);
}

// What the allocator holds for the program, separately mapped blocks included.
double HeapInUse() {
  const struct mallinfo2 info = ::mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd);
}

void BM_HeapPerBlock(benchmark::State& state) {
  const auto fileBytes = static_cast<double>(std::filesystem::file_size(SampleChart()));
  bench::PairedFigures heap("Heap of the loaded chart per block, against the file's bytes per block", "heap", "file",
                            "bytes", 1);
  for (auto _ : state) {
    const double before = HeapInUse();
    auto chart = std::make_unique<BlocksHolderModel>();
    const double seconds = bench::SecondsOf([&] { chart->LoadFromFile(SampleChart()); });
    const double after = HeapInUse();
    state.SetIterationTime(seconds);
    heap.Add((after - before) / static_cast<double>(chart->BlockCount()),
             fileBytes / static_cast<double>(chart->BlockCount()));
  }
  heap.Report(state);
}

void Register() {
  const auto repetitions = bench::Repetitions(7);
  for (auto [name, f] : {std::pair{"BM_LoadAgainstReadingLines", &BM_LoadAgainstReadingLines},
                         std::pair{"BM_SaveAgainstWritingBytes", &BM_SaveAgainstWritingBytes},
                         std::pair{"BM_SaveFsync", &BM_SaveFsync},
                         std::pair{"BM_HeapPerBlock", &BM_HeapPerBlock}})
    benchmark::RegisterBenchmark(name, f)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(repetitions);
}

}  // namespace
}  // namespace quobrix

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  quobrix::SampleChart();  // made once, outside every measurement
  quobrix::Register();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  quobrix::bench::PrintSummary();
  return 0;
}
