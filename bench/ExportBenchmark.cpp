// Picture export of a large chart: 10,000 flowchart symbols with labels and
// 9,999 arrowed lines joining them, over as many A4 pages as they need.
// Every page to SVG and EMF (vector), page 1 to BMP and PNG. Measured in the
// same run against Dia, a peer diagram editor, exporting a diagram of the
// same content to SVG: both as whole processes (start, load, export), whose
// time and peak memory are compared, and our exports in-process as well.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "chart/BlocksHolderModel.h"
#include "chart/PictureExporter.h"
#include "platform/HeadlessGui.h"
#include "platform/PictureFileExporter.h"

extern char** environ;

namespace quobrix {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kSymbols = 10000;
// Symbol size and pitch as in the Dia diagram: 5 x 2.5 cm boxes, 7.5 x 4.5 cm apart.
constexpr std::int64_t kSymbolW = 5000, kSymbolH = 2500, kPitchX = 7500, kPitchY = 4500;
constexpr std::int64_t kColumns = 2, kRowsPerPage = 6;
constexpr std::int64_t kMargin = 1500;

std::string BenchFolder() { return bench::BenchFolder("quobrix-export-bench"); }

// Symbol i's top-left corner: two columns and six rows on every page.
std::pair<std::int64_t, std::int64_t> SymbolCorner(std::int64_t i, std::int64_t sheetHeight) {
  const std::int64_t page = i / (kColumns * kRowsPerPage);
  const std::int64_t onPage = i % (kColumns * kRowsPerPage);
  return {kMargin + (onPage % kColumns) * kPitchX, page * sheetHeight + kMargin + (onPage / kColumns) * kPitchY};
}

BlocksHolderModel& LargeChart() {
  static BlocksHolderModel chart;
  static const bool built = [] {
    const std::int64_t sheetHeight = chart.SheetHeight();
    chart.SetDocumentPages(
        static_cast<std::int32_t>((kSymbols + kColumns * kRowsPerPage - 1) / (kColumns * kRowsPerPage)));
    for (std::int64_t i = 0; i < kSymbols; ++i) {
      const auto [x, y] = SymbolCorner(i, sheetHeight);
      const auto n = chart.AddDefaultBlock(i % 4 == 3 ? btLogicIf : btRectangle, x, y, kSymbolW, kSymbolH);
      chart.Blocks(n).Text = "Step " + std::to_string(i + 1);
    }
    for (std::int64_t i = 0; i + 1 < kSymbols; ++i) {
      const auto [x1, y1] = SymbolCorner(i, sheetHeight);
      const auto [x2, y2] = SymbolCorner(i + 1, sheetHeight);
      const std::int64_t sx = x1 + kSymbolW / 2, sy = y1 + kSymbolH, ex = x2 + kSymbolW / 2, ey = y2;
      const auto n = chart.AddDefaultBlock(btLine, sx, sy, ex - sx, ey - sy);
      chart.Blocks(n).LineArrows = blaFilledEndArrow;
    }
    return true;
  }();
  static_cast<void>(built);
  return chart;
}

std::string ChartFile() {
  static const std::string path = [] {
    const std::string file = BenchFolder() + "/large.qbs";
    LargeChart().SaveToFile(file);
    return file;
  }();
  return path;
}

// The folder of this source file's checkout, for the diagram generator.
fs::path SourceRoot() { return fs::path(__FILE__).parent_path().parent_path(); }

fs::path OwnProgram() {
  if (const char* p = std::getenv("QUOBRIX_PROGRAM")) return p;
  return fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "quobrix";
}

struct ProcessRun {
  bool ok = false;
  double seconds = 0;
  double peakMegabytes = 0;
};

// Runs a program to its end and reports its wall time and peak resident memory.
ProcessRun Run(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  ProcessRun run;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) == pid) {
      run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
      run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
  }
  posix_spawn_file_actions_destroy(&actions);
  return run;
}

// Dia's SVG export of the same content, measured once per run.
const ProcessRun& DiaSvgExport() {
  static const ProcessRun run = [] {
    const std::string diagram = BenchFolder() + "/large.dia";
    const fs::path generator = SourceRoot().parent_path() / "shared" / "tools" / "gen_dia.py";
    if (!Run({"python3", generator.string(), std::to_string(kSymbols), diagram}).ok) return ProcessRun{};
    return Run({"dia", "-n", "-e", BenchFolder() + "/dia.svg", "-t", "svg", diagram});
  }();
  return run;
}

void ReportAgainstDia(benchmark::State& state, double ourSeconds, std::optional<double> ourPeakMegabytes) {
  const ProcessRun& dia = DiaSvgExport();
  if (!dia.ok) return;
  state.counters["dia_s"] = dia.seconds;
  state.counters["dia_peak_MB"] = dia.peakMegabytes;
  state.counters["times_faster_than_dia"] = dia.seconds / ourSeconds;
  if (ourPeakMegabytes) {
    state.counters["peak_MB"] = *ourPeakMegabytes;
    state.counters["peak_share_of_dia"] = *ourPeakMegabytes / dia.peakMegabytes;
  }
}

void BM_DiaSvgProcess(benchmark::State& state) {
  for (auto _ : state) {
    const ProcessRun& dia = DiaSvgExport();
    if (!dia.ok) {
      state.SkipWithError("dia or the diagram generator is missing");
      return;
    }
    state.SetIterationTime(dia.seconds);
    state.counters["peak_MB"] = dia.peakMegabytes;
  }
}

// Our program as a whole process: start, load the chart file, export.
void BM_QuobrixProcess(benchmark::State& state, const std::string& extension) {
  const std::string chart = ChartFile();
  double seconds = 0, peakMegabytes = 0;
  for (auto _ : state) {
    const ProcessRun run = Run({OwnProgram().string(), "--export", chart, BenchFolder() + "/process" + extension});
    if (!run.ok) {
      state.SkipWithError("quobrix --export failed");
      return;
    }
    state.SetIterationTime(run.seconds);
    seconds += run.seconds;
    peakMegabytes = std::max(peakMegabytes, run.peakMegabytes);
  }
  ReportAgainstDia(state, seconds / static_cast<double>(state.iterations()), peakMegabytes);
}

// In-process export of the chart already in memory.
void BM_Export(benchmark::State& state, const std::string& extension) {
  BlocksHolderModel& chart = LargeChart();
  const std::string path = BenchFolder() + "/inprocess" + extension;
  double seconds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (!chart.SaveToFile(path)) {
      state.SkipWithError("export failed");
      return;
    }
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  state.counters["file_MB"] = static_cast<double>(fs::file_size(path)) / (1024.0 * 1024.0);
  ReportAgainstDia(state, seconds / static_cast<double>(state.iterations()), std::nullopt);
}

BENCHMARK(BM_DiaSvgProcess)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK_CAPTURE(BM_QuobrixProcess, svg, std::string(".svg"))
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_QuobrixProcess, emf, std::string(".emf"))
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_Export, svg_every_page, std::string(".svg"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, emf_every_page, std::string(".emf"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, bmp_page_1, std::string(".bmp"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, png_page_1, std::string(".png"))->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quobrix

int main(int argc, char** argv) {
  quobrix::HeadlessGui gui;
  quobrix::PictureFileExporter exporter;
  quobrix::SetPictureExporter(&exporter);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
