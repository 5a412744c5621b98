// Our program against Dia, a peer diagram editor, whole process against
// whole process (start, load, work, exit), on the same content: 10,000
// flowchart boxes and diamonds labelled "Step i" in a serpentine of two
// columns, each joined to the next by a line with a filled arrow head. In
// every repetition both programs run once, and time and peak memory are
// compared pair by pair:
//   SVG        quobrix --export chart.qbs out.svg   dia -n -e out.svg -t svg chart.dia
//   PDF        quobrix --export chart.qbs out.pdf   dia -n -e out.pdf -t pdf chart.dia
//   load+save  quobrix --convert chart.qbs out.qbs  dia -n -e out.dia -t dia chart.dia
// Dia's diagram comes from gen_dia.py, found through the environment
// variable QUOBRIX_DIA_GENERATOR or the path CMake found at configure time.
//
// Then how the work grows with the chart, our program alone:
//   PDF of N blocks against PDF of N / 10 blocks (whole process, time)
//   SVG of N blocks: peak memory of the process against the SVG file's size
//   page 1 as a bitmap of N blocks against N / 10 blocks (in process, time)
// Sizes: QUOBRIX_BENCH_SHAPES (10000), QUOBRIX_BENCH_GROWTH_BLOCKS (100000);
// pairs per figure: QUOBRIX_BENCH_REPETITIONS (5).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "chart/BlocksHolderModel.h"
#include "platform/HeadlessGui.h"
#include "platform/PictureFileExporter.h"

extern char** environ;

namespace quobrix {
namespace {

namespace fs = std::filesystem;

// The diagram's geometry in hundredths of a millimetre: 5 x 2.5 cm symbols
// 7.5 x 4.5 cm apart, 1 cm from the edge, six rows to a page.
constexpr std::int64_t kSymbolW = 5000, kSymbolH = 2500, kPitchX = 7500, kPitchY = 4500, kMargin = 1000;
constexpr std::int64_t kRowsPerPage = 6;
constexpr std::int64_t kLineWidth = 50;  // 0.5 mm, Dia's 0.05 cm
constexpr int kLabelPoints = 17;         // Dia's 0.6 cm text height
constexpr TColor kFills[] = {0xFFFFFF, 0xC0FFFF, 0xC0FFC0, 0xFFE0C0};

std::int64_t Shapes() { return bench::FromEnvironment("QUOBRIX_BENCH_SHAPES", 10000); }
std::int64_t GrowthBlocks() { return bench::FromEnvironment("QUOBRIX_BENCH_GROWTH_BLOCKS", 100000); }

std::string BenchFolder() { return bench::BenchFolder("quobrix-export-bench"); }

struct Point {
  std::int64_t x, y;
};

// Symbol i's place in the serpentine: rows of two, left to right on even
// rows and back on odd ones.
Point TopLeft(std::int64_t i, std::int64_t sheetHeight) {
  const std::int64_t row = i / 2;
  const std::int64_t column = row % 2 == 0 ? i % 2 : 1 - i % 2;
  return {kMargin + column * kPitchX, (row / kRowsPerPage) * sheetHeight + kMargin + (row % kRowsPerPage) * kPitchY};
}

// The line from symbol i to symbol i + 1, from side to facing side.
std::pair<Point, Point> Joint(std::int64_t i, std::int64_t sheetHeight) {
  const Point a = TopLeft(i, sheetHeight), b = TopLeft(i + 1, sheetHeight);
  if (i / 2 != (i + 1) / 2) return {{a.x + kSymbolW / 2, a.y + kSymbolH}, {b.x + kSymbolW / 2, b.y}};
  if (a.x < b.x) return {{a.x + kSymbolW, a.y + kSymbolH / 2}, {b.x, b.y + kSymbolH / 2}};
  return {{a.x, a.y + kSymbolH / 2}, {b.x + kSymbolW, b.y + kSymbolH / 2}};
}

void FillShapeChart(BlocksHolderModel& chart, std::int64_t symbols) {
  const std::int64_t sheetHeight = chart.SheetHeight();
  const std::int64_t rows = (symbols + 1) / 2;
  chart.SetDocumentPages(static_cast<std::int32_t>((rows + kRowsPerPage - 1) / kRowsPerPage));
  chart.SetSheetColor(clWhite);
  chart.SetDefBlockBorderWidth(kLineWidth);
  TBlockFont font = chart.DefBlockFont();
  font.SetSize(kLabelPoints);
  chart.SetDefBlockFont(font);
  for (std::int64_t i = 0; i < symbols; ++i) {
    const Point p = TopLeft(i, sheetHeight);
    const auto n = chart.AddDefaultBlock(i % 4 == 3 ? btLogicIf : btRectangle, p.x, p.y, kSymbolW, kSymbolH);
    chart.Blocks(n).Text = "Step " + std::to_string(i);
    chart.Blocks(n).MC = kFills[i % 4];
  }
  for (std::int64_t i = 0; i + 1 < symbols; ++i) {
    const auto [from, to] = Joint(i, sheetHeight);
    const auto n = chart.AddDefaultBlock(btLine, from.x, from.y, to.x - from.x, to.y - from.y);
    chart.Blocks(n).LineArrows = blaFilledEndArrow;
  }
}

// A chart of `symbols` symbols and the lines between them, saved once per run.
const std::string& ShapeChartFile(std::int64_t symbols) {
  static std::map<std::int64_t, std::string> files;
  auto [it, added] = files.try_emplace(symbols);
  if (added) {
    BlocksHolderModel chart;
    FillShapeChart(chart, symbols);
    it->second = BenchFolder() + "/shapes-" + std::to_string(symbols) + ".qbs";
    chart.SaveToFile(it->second);
  }
  return it->second;
}

bool IsExecutable(const fs::path& p) { return ::access(p.c_str(), X_OK) == 0 && fs::is_regular_file(p); }

std::optional<fs::path> FindInPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string dirs = path != nullptr ? path : "/usr/bin:/bin";
  for (std::size_t start = 0; start <= dirs.size();) {
    const std::size_t end = std::min(dirs.find(':', start), dirs.size());
    const fs::path candidate = fs::path(dirs.substr(start, end - start)) / program;
    if (IsExecutable(candidate)) return candidate;
    start = end + 1;
  }
  return std::nullopt;
}

std::optional<fs::path> DiaGenerator() {
  if (const char* p = std::getenv("QUOBRIX_DIA_GENERATOR"); p != nullptr && fs::is_regular_file(p)) return p;
#ifdef QUOBRIX_DIA_GENERATOR
  if (fs::is_regular_file(QUOBRIX_DIA_GENERATOR)) return fs::path(QUOBRIX_DIA_GENERATOR);
#endif
  return std::nullopt;
}

fs::path OwnProgram() {
  if (const char* p = std::getenv("QUOBRIX_PROGRAM")) return p;
  return fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "quobrix";
}

struct ProcessRun {
  bool ok = false;
  double seconds = 0;
  double peakBytes = 0;
};

// Runs a program to its end: its wall time and its peak resident memory.
ProcessRun Run(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  ProcessRun run;
  pid_t pid = 0;
  const auto start = std::chrono::steady_clock::now();
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) == pid) {
      run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      run.peakBytes = static_cast<double>(usage.ru_maxrss) * 1024.0;
      run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
  }
  posix_spawn_file_actions_destroy(&actions);
  return run;
}

// A run that must leave a non-empty output file behind: some programs exit 0
// when they could not write.
ProcessRun RunWriting(const std::vector<std::string>& args, const std::string& output) {
  std::error_code ignored;
  fs::remove(output, ignored);
  ProcessRun run = Run(args);
  run.ok = run.ok && fs::file_size(output, ignored) > 0;
  return run;
}

// Why Dia cannot run here, or nothing when it can.
std::optional<std::string> DiaMissing() {
  if (!FindInPath("dia")) return "dia is not installed (apt-get install --no-install-recommends dia)";
  if (!DiaGenerator())
    return "gen_dia.py is not found (set QUOBRIX_DIA_GENERATOR, or configure with -DQUOBRIX_DIA_GENERATOR=path)";
  return std::nullopt;
}

void SayLoudly(const std::string& problem) {
  std::fprintf(stderr,
               "\n************************************************************************\n"
               "  NO COMPARISON WITH DIA: %s.\n"
               "  The side-by-side figures below are NOT measured.\n"
               "************************************************************************\n\n",
               problem.c_str());
}

// Dia's diagram of the same content, generated once per run.
const std::string& DiaDiagram() {
  static const std::string path = [] {
    const std::string diagram = BenchFolder() + "/shapes-" + std::to_string(Shapes()) + ".dia";
    const ProcessRun made =
        RunWriting({"python3", DiaGenerator()->string(), std::to_string(Shapes()), diagram, "--cols", "2"}, diagram);
    return made.ok ? diagram : std::string();
  }();
  return path;
}

struct SideBySide {
  const char* what;
  const char* extension;  // of our output
  const char* ourVerb;    // --export or --convert
  const char* diaFilter;  // Dia's -t
  const char* diaExtension;
};

void BM_AgainstDia(benchmark::State& state, const SideBySide& task) {
  if (const auto problem = DiaMissing()) {
    state.SkipWithError(("not measured: " + *problem).c_str());
    return;
  }
  const std::string& diagram = DiaDiagram();
  if (diagram.empty()) {
    state.SkipWithError("not measured: gen_dia.py did not write the diagram");
    return;
  }
  const std::string shapes = std::to_string(Shapes()) + " shapes";
  bench::PairedFigures time(std::string(task.what) + ", " + shapes + ", time", "quobrix", "dia", "ms", 1000);
  bench::PairedFigures memory(std::string(task.what) + ", " + shapes + ", peak memory", "quobrix", "dia", "MB",
                              1.0 / (1024 * 1024));
  const std::string ourOut = BenchFolder() + "/ours" + task.extension;
  const std::string diaOut = BenchFolder() + "/dia" + task.diaExtension;
  for (auto _ : state) {
    const ProcessRun ours = RunWriting({OwnProgram().string(), task.ourVerb, ShapeChartFile(Shapes()), ourOut}, ourOut);
    const ProcessRun dia = RunWriting({"dia", "-n", "-e", diaOut, "-t", task.diaFilter, diagram}, diaOut);
    if (!ours.ok || !dia.ok) {
      state.SkipWithError(ours.ok ? "dia failed" : "quobrix failed");
      return;
    }
    state.SetIterationTime(ours.seconds);
    time.Add(ours.seconds, dia.seconds);
    memory.Add(ours.peakBytes, dia.peakBytes);
  }
  time.Report(state, "time_");
  memory.Report(state, "memory_");
}

// The whole PDF of N blocks against that of N / 10 blocks.
void BM_PdfGrowth(benchmark::State& state) {
  const std::int64_t large = GrowthBlocks() / 2, small = large / 10;  // symbols: one line joins each pair
  bench::PairedFigures time(
      "PDF of " + std::to_string(2 * large - 1) + " blocks against " + std::to_string(2 * small - 1) + ", time",
      "large", "small", "ms", 1000);
  const std::string out = BenchFolder() + "/growth.pdf";
  for (auto _ : state) {
    const ProcessRun big = RunWriting({OwnProgram().string(), "--export", ShapeChartFile(large), out}, out);
    const ProcessRun little = RunWriting({OwnProgram().string(), "--export", ShapeChartFile(small), out}, out);
    if (!big.ok || !little.ok) {
      state.SkipWithError("quobrix --export failed");
      return;
    }
    state.SetIterationTime(big.seconds);
    time.Add(big.seconds, little.seconds);
  }
  time.Report(state);
}

// A figure of this process's memory from /proc/self/status, in bytes.
double StatusBytes(const std::string& key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(key, 0) == 0) return std::strtod(line.c_str() + key.size(), nullptr) * 1024.0;
  return 0;
}

// Starts the peak resident memory afresh from what the process holds now,
// freed memory handed back first so that what a measured step takes shows.
bool ResetPeakMemory() {
  ::malloc_trim(0);
  return static_cast<bool>(std::ofstream("/proc/self/clear_refs") << "5");
}

// The memory SVG export takes, against the size of the file it writes: of
// the whole process, and of the export alone (in process, beyond the chart
// already loaded).
void BM_SvgPeakMemory(benchmark::State& state) {
  const std::int64_t symbols = GrowthBlocks() / 2;
  const std::string blocks = std::to_string(2 * symbols - 1) + " blocks";
  bench::PairedFigures process("SVG of " + blocks + ", peak memory of the whole process against the file", "peak",
                               "file", "MB", 1.0 / (1024 * 1024));
  bench::PairedFigures exporting("SVG of " + blocks + ", memory of the export beyond the loaded chart against the file",
                                 "export", "file", "MB", 1.0 / (1024 * 1024));
  const std::string out = BenchFolder() + "/growth.svg";
  BlocksHolderModel chart;
  chart.LoadFromFile(ShapeChartFile(symbols));
  for (auto _ : state) {
    const ProcessRun run = RunWriting({OwnProgram().string(), "--export", ShapeChartFile(symbols), out}, out);
    if (!run.ok || !ResetPeakMemory()) {
      state.SkipWithError(run.ok ? "the peak memory cannot be reset here" : "quobrix --export failed");
      return;
    }
    const double before = StatusBytes("VmRSS:");
    PictureFileExporter pictures;
    const bool written = chart.SaveToFile(out, &pictures);
    const double peak = StatusBytes("VmHWM:");
    if (!written) {
      state.SkipWithError("export failed");
      return;
    }
    state.SetIterationTime(run.seconds);
    const auto fileBytes = static_cast<double>(fs::file_size(out));
    process.Add(run.peakBytes, fileBytes);
    exporting.Add(peak - before, fileBytes);
  }
  process.Report(state, "process_");
  exporting.Report(state, "export_");
}

// Page 1 as a bitmap, in process, of N blocks against N / 10 blocks.
void BM_FirstPageBitmapGrowth(benchmark::State& state) {
  const std::int64_t large = GrowthBlocks() / 2, small = large / 10;
  BlocksHolderModel big, little;
  FillShapeChart(big, large);
  FillShapeChart(little, small);
  bench::PairedFigures time("Page 1 bitmap of " + std::to_string(big.BlockCount()) + " blocks against " +
                                std::to_string(little.BlockCount()) + ", time",
                            "large", "small", "ms", 1000);
  for (auto _ : state) {
    const double large_s = bench::SecondsPerCall([&] { benchmark::DoNotOptimize(BitmapPicture(big)); });
    const double small_s = bench::SecondsPerCall([&] { benchmark::DoNotOptimize(BitmapPicture(little)); });
    state.SetIterationTime(large_s);
    time.Add(large_s, small_s);
  }
  time.Report(state);
}

const SideBySide kSvg{"SVG export", ".svg", "--export", "svg", ".svg"};
const SideBySide kPdf{"PDF export", ".pdf", "--export", "pdf", ".pdf"};
const SideBySide kLoadSave{"Load and save", ".qbs", "--convert", "dia", ".dia"};

void Register() {
  const auto repetitions = bench::Repetitions(5);
  for (const SideBySide* task : {&kSvg, &kPdf, &kLoadSave})
    benchmark::RegisterBenchmark(("BM_AgainstDia/" + std::string(task->diaFilter) + task->extension).c_str(),
                                 [task](benchmark::State& s) { BM_AgainstDia(s, *task); })
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(repetitions);
  benchmark::RegisterBenchmark("BM_PdfGrowth", BM_PdfGrowth)
      ->Unit(benchmark::kMillisecond)
      ->UseManualTime()
      ->Iterations(repetitions);
  benchmark::RegisterBenchmark("BM_SvgPeakMemory", BM_SvgPeakMemory)
      ->Unit(benchmark::kMillisecond)
      ->UseManualTime()
      ->Iterations(repetitions);
  benchmark::RegisterBenchmark("BM_FirstPageBitmapGrowth", BM_FirstPageBitmapGrowth)
      ->Unit(benchmark::kMillisecond)
      ->UseManualTime()
      ->Iterations(repetitions);
}

}  // namespace
}  // namespace quobrix

int main(int argc, char** argv) {
  quobrix::HeadlessGui gui;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (const auto problem = quobrix::DiaMissing()) quobrix::SayLoudly(*problem);
  quobrix::Register();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  quobrix::bench::PrintSummary();
  if (const auto problem = quobrix::DiaMissing()) quobrix::SayLoudly(*problem);
  return 0;
}
