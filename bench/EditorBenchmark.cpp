// The editor as a user drives it: the real chart window on the offscreen
// platform, a chart of 1,000,000 symbols joined by 999,999 lines against
// one of 10,000 symbols, the same synthetic input on both. Each repetition runs one editing session per
// chart, each in a fresh process of this program, and compares the process
// CPU time of every action pair by pair:
//   open       reading the file until the canvas's first paint
//   zoom       one Ctrl+wheel step, repainted
//   scroll     50 wheel steps, each repainted
//   rubber     a rubber band over the visible area, press to release
//   drag       one symbol dragged 20 steps, press and first step included
//   glue       a line drawn by hand from a symbol, press and 20 steps, its
//              ends sticking to the symbols near them (the release, which
//              adds the line, is an edit like the others)
//   delete, undo, redo, typing (10 characters into a block), autosave
// Resident memory is read after opening (against the heap the loaded chart
// takes) and after 20 edits (against after opening).
// Sizes: QUOBRIX_BENCH_EDITOR_SYMBOLS (1000000) against 10000; repetitions:
// QUOBRIX_BENCH_REPETITIONS (3). The sessions run one at a time.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>

#include "app/AutoSave.h"
#include "bench/BenchSupport.h"
#include "chart/LineFollow.h"
#include "view/ActiveChart.h"
#include "view/ChartCommands.h"
#include "view/ChartWindowHost.h"
#include "view/CommandTable.h"
#include "view/AppContext.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {
namespace {

constexpr std::int64_t kSmallChart = 10000;
constexpr std::int64_t kSymbolWidth = 2500, kSymbolHeight = 1200, kSymbolStep = 2000;

std::int64_t LargeChart() { return bench::FromEnvironment("QUOBRIX_BENCH_EDITOR_SYMBOLS", 1000000); }

std::string Folder() { return bench::BenchFolder("quobrix-bench-editor"); }

// One chain down the sheet, as a long flowchart is: each symbol joined to
// the next by a line from the middle of its lower edge to the middle of the
// next one's upper edge. A million symbols reach twenty kilometres.
void FillChain(BlocksHolderModel& chart, std::int64_t symbols) {
  chart.SetDocumentPages(static_cast<std::int32_t>(symbols * kSymbolStep / chart.SheetHeight() + 1));
  for (std::int64_t k = 0; k < symbols; ++k) {
    const std::int64_t y = 500 + k * kSymbolStep;
    const auto n = chart.AddDefaultBlock(static_cast<std::uint8_t>(3 + k % 30), 500, y, kSymbolWidth, kSymbolHeight);
    chart.Blocks(n).Text = "Step " + std::to_string(k);
    if (k + 1 == symbols) break;
    const auto line = chart.AddDefaultBlock(btLine, 500 + kSymbolWidth / 2, y + kSymbolHeight, 0,
                                            kSymbolStep - kSymbolHeight);
    chart.Blocks(line).LineArrows = blaFilledEndArrow;
  }
}

std::string ChartPath(std::int64_t symbols) { return Folder() + "/chain-" + std::to_string(symbols) + ".qbs"; }

double ProcessSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double ResidentMiB() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

double HeapMiB() {
  const struct mallinfo2 info = ::mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd) / (1 << 20);
}

// ----- one session, in a process of its own

class SessionHost : public ChartWindowHost {
 public:
  SessionHost() { BindChartCommands(table); }
  CommandTable& Commands() override { return table; }
  bool SaveChart(THolderForm&) override { return false; }
  void ChartWindowActivated(THolderForm& window) override { active.Set(&window); }
  void ChartWindowClosed(THolderForm&) override { active.Set(nullptr); }
  void AddRecentFile(const QString&) override {}
  QMenu& RecentFilesMenu() override { return recent; }
  QString ActiveSymbolHint(const TBlocksHolder&, const QString& hint) const override { return hint; }
  void BringMainWindowToFront() override {}
  QString MainCaption() const override { return QStringLiteral("Quobrix"); }
  QString SavePromptText(const THolderForm&) const override { return {}; }
  QString MillimetreText() const override { return QStringLiteral("mm"); }

  AppContext context;
  ActiveChart active;
  CommandTable table{active, context.Clipboard()};
  QMenu recent;
};

// Counts the canvas's paint events, so an action is over once it has shown.
class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;
};

class Session {
 public:
  explicit Session(const std::string& chart) : chart_(chart) {}

  // False, having said why, when an action did not do what it stands for.
  bool Run() {
    Measure("open", [&] { Open(); });
    Report("resident_open_MiB", ResidentMiB());
    Report("model_heap_MiB", modelHeap_);
    const std::int64_t blocks = Model().BlockCount();
    Expect(blocks > 0, "the chart opens");
    Measure("zoom", [&] { Wheel(-120, Qt::ControlModifier); });
    Expect(Model().ZoomPercents() != 100, "the wheel zooms");
    Measure("scroll", [&] {
      for (int i = 0; i < 50; ++i) Wheel(-120, Qt::NoModifier);
    });
    Expect(Canvas().FOriginY() > 0, "the wheel scrolls");
    window_->ScrollY->setValue(0);
    Settle();
    Measure("rubber", [&] { RubberBandOverView(); });
    Expect(Model().ActiveBlockPtr() && Model().ActiveBlockPtr()->Members.size() > 10, "the rubber band selects");
    Key(Qt::Key_Escape, Qt::NoModifier, {});
    Expect(Model().BlockCount() == blocks, "Escape dissolves the selection");
    const std::int64_t x = Model().Blocks(1).X;
    Measure("drag", [&] { Drag(SymbolCentre(0), 20); });
    Expect(Model().Blocks(1).X != x && Model().ActiveBlock() == 1, "the symbol follows the mouse");
    Measure("delete", [&] { Key(Qt::Key_Delete, Qt::ControlModifier, {}); });
    Expect(Model().BlockCount() == blocks - 1, "the symbol is deleted");
    Measure("undo", [&] { Trigger(CommandId::Undo); });
    Expect(Model().BlockCount() == blocks, "undo brings it back");
    Measure("redo", [&] { Trigger(CommandId::Redo); });
    Expect(Model().BlockCount() == blocks - 1, "redo deletes it again");
    Click(SymbolCentre(1));
    Measure("typing", [&] {
      for (char c : std::string("abcdefghij")) Key(Qt::Key_A + (c - 'a'), Qt::NoModifier, QString(QChar(c)));
    });
    Expect(Model().ActiveBlockPtr() && Model().ActiveBlockPtr()->Text.find("abcdefghij") != std::string::npos,
           "the characters go into the symbol");
    bool copied = false;
    Measure("autosave", [&] { copied = autoSave_->WriteCopyNow(*window_); });
    Expect(copied, "the copy is written");
    for (int k = 2; k < 8; ++k) Drag(SymbolCentre(k), 1);  // 20 edits in all
    Report("resident_edits_MiB", ResidentMiB());
    const std::int64_t before = Model().BlockCount();
    const QPoint from = SymbolCentre(3), to = from + QPoint(60, 40);
    Model().SetDrawingLineByHand(true);
    Measure("glue", [&] { Stroke(from, to, 20); });
    Mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
    Expect(Model().BlockCount() == before + 1 && StartsOnAnOutline(Model().Blocks(before + 1)),
           "the line drawn starts on the outline of the symbol it was drawn from");
    return ok_;
  }

 private:
  void Open() {
    window_ = new THolderForm(host_, host_.context);
    window_->resize(1200, 800);
    autoSave_ = std::make_unique<AutoSave>(QString::fromStdString(Folder() + "/recovery"), host_.context.Settings());
    autoSave_->Follow(*window_);
    const double heapBefore = HeapMiB();
    if (!Model().LoadFromFile(chart_)) std::fprintf(stderr, "cannot open %s\n", chart_.c_str());
    modelHeap_ = HeapMiB() - heapBefore;
    window_->bh->installEventFilter(&paints_);
    window_->show();
    window_->FormActivate();
    window_->UpdateZoomDisplay();
    Settle();
  }

  BlocksHolderModel& Model() { return window_->bh->Model(); }
  TBlocksHolder& Canvas() { return *window_->bh; }

  // Runs the events the action queued until the canvas has painted (or
  // nothing asked for a paint), then whatever is left.
  void Settle() {
    const int before = paints_.paints;
    for (int round = 0; round < 1000 && paints_.paints == before; ++round) QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }

  // The middle of the k-th symbol of the chain, block 2k + 1.
  QPoint SymbolCentre(std::int64_t k) const {
    const WindowPoint p =
        window_->bh->Transform().ChartToWindow({500 + kSymbolWidth / 2, 500 + k * kSymbolStep + kSymbolHeight / 2});
    return {static_cast<int>(p.x), static_cast<int>(p.y)};
  }

  void Send(QEvent& event) { QCoreApplication::sendEvent(&Canvas(), &event); }

  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, Canvas().mapToGlobal(at), button, held, Qt::NoModifier);
    Send(event);
    Settle();
  }

  void Wheel(int delta, Qt::KeyboardModifiers modifiers) {
    const QPoint at(Canvas().width() / 2, Canvas().height() / 2);
    QWheelEvent event(at, Canvas().mapToGlobal(at), {}, {0, delta}, Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    Send(event);
    Settle();
  }

  void Key(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    Send(event);
    Settle();
  }

  void Trigger(CommandId id) {
    host_.table.Action(id).trigger();
    Settle();
  }

  void Drag(QPoint from, int steps) {
    Stroke(from, from + QPoint(3 * steps, 2 * steps), steps);
    Mouse(QEvent::MouseButtonRelease, from + QPoint(3 * steps, 2 * steps), Qt::NoButton);
  }

  // A press and the moves of a drag to `to`, without the release.
  void Stroke(QPoint from, QPoint to, int steps) {
    Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int i = 1; i <= steps; ++i) Mouse(QEvent::MouseMove, from + (to - from) * i / steps, Qt::LeftButton);
  }

  bool StartsOnAnOutline(const TBlock& line) {
    const std::vector<std::int64_t> near = Model().BlocksNear({line.X - 1, line.Y - 1, line.X + 1, line.Y + 1});
    return std::ranges::any_of(near, [&](std::int64_t n) {
      const TBlock& b = Model().Blocks(n);
      return TakesLines(b) && OnOutline(SymbolOutline(b), line.X, line.Y);
    });
  }

  void Click(QPoint at) {
    Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, at, Qt::NoButton);
  }

  // The sheet's corner above and left of the first symbol holds nothing.
  QPoint EmptyCorner() const {
    const WindowPoint p = window_->bh->Transform().ChartToWindow({150, 150});
    return {static_cast<int>(p.x), static_cast<int>(p.y)};
  }

  void RubberBandOverView() {
    const QPoint from = EmptyCorner(), to(Canvas().width() - 4, Canvas().height() - 4);
    Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int i = 1; i <= 10; ++i) Mouse(QEvent::MouseMove, from + (to - from) * i / 10, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
  }

  template <class F>
  void Measure(const char* what, F&& action) {
    const double start = ProcessSeconds();
    action();
    Report(what, ProcessSeconds() - start);
  }

  void Report(const std::string& what, double value) {
    std::printf("%s %.9g\n", what.c_str(), value);
    std::fflush(stdout);
  }

  void Expect(bool done, const char* what) {
    if (!done) std::fprintf(stderr, "failed: %s\n", what);
    ok_ = ok_ && done;
  }

  std::string chart_;
  SessionHost host_;
  PaintCounter paints_;
  THolderForm* window_ = nullptr;
  std::unique_ptr<AutoSave> autoSave_;
  double modelHeap_ = 0;
  bool ok_ = true;
};

int RunSession(int argc, char** argv, const std::string& chart) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  Session session(chart);
  return session.Run() ? 0 : 1;
}

int MakeChart(std::int64_t symbols, const std::string& path) {
  BlocksHolderModel chart;
  FillChain(chart, symbols);
  return chart.SaveToFile(path) ? 0 : 1;
}

// ----- the benchmark: sessions in processes of their own

// Runs this program with `arguments` and returns the "name value" lines it
// printed; nothing when it failed.
std::map<std::string, double> RunChild(const std::string& arguments) {
  const std::string command = std::filesystem::read_symlink("/proc/self/exe").string() + " " + arguments;
  std::map<std::string, double> figures;
  FILE* out = popen(command.c_str(), "r");
  if (!out) return figures;
  char name[64];
  double value = 0;
  while (std::fscanf(out, "%63s %lf", name, &value) == 2) figures[name] = value;
  if (pclose(out) != 0) figures.clear();
  return figures;
}

const char* const kActions[] = {"open",   "zoom", "scroll", "rubber", "drag",    "delete",
                                "undo",   "redo", "typing", "autosave", "glue"};

void BM_EditorSessions(benchmark::State& state) {
  for (std::int64_t symbols : {kSmallChart, LargeChart()}) {
    RunChild("--make-chart " + std::to_string(symbols) + " " + ChartPath(symbols));
    if (!std::filesystem::exists(ChartPath(symbols))) {
      state.SkipWithError("cannot write the charts");
      return;
    }
  }
  const std::string large = std::to_string(LargeChart()), small = std::to_string(kSmallChart);
  std::map<std::string, std::unique_ptr<bench::PairedFigures>> time;
  for (const char* action : kActions)
    time[action] = std::make_unique<bench::PairedFigures>(std::string("Editor: ") + action + " at " + large +
                                                              " symbols against " + small,
                                                          large, small, "ms", 1000);
  bench::PairedFigures openedLarge("Editor: resident after opening " + large + " symbols against the chart's heap",
                                   "resident", "heap", "MiB", 1),
      editedLarge("Editor: resident after 20 edits at " + large + " symbols against after opening", "edited", "opened",
                  "MiB", 1),
      openedSmall("Editor: resident after opening " + small + " symbols against the chart's heap", "resident", "heap",
                  "MiB", 1);
  for (auto _ : state) {
    auto smallRun = RunChild("--session " + ChartPath(kSmallChart));
    auto largeRun = RunChild("--session " + ChartPath(LargeChart()));
    if (largeRun.empty() || smallRun.empty()) {
      state.SkipWithError("a session failed");
      return;
    }
    double total = 0;
    for (const char* action : kActions) {
      time[action]->Add(largeRun[action], smallRun[action]);
      total += largeRun[action];
    }
    openedLarge.Add(largeRun["resident_open_MiB"], largeRun["model_heap_MiB"]);
    editedLarge.Add(largeRun["resident_edits_MiB"], largeRun["resident_open_MiB"]);
    openedSmall.Add(smallRun["resident_open_MiB"], smallRun["model_heap_MiB"]);
    state.SetIterationTime(total);
  }
  for (const char* action : kActions) time[action]->Report(state, std::string(action) + "_");
  openedLarge.Report(state, "rss_open_");
  editedLarge.Report(state, "rss_edits_");
  openedSmall.Report(state, "rss_open_small_");
}

}  // namespace
}  // namespace quobrix

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--session") return quobrix::RunSession(argc, argv, argv[2]);
  if (argc == 4 && std::string(argv[1]) == "--make-chart")
    return quobrix::MakeChart(std::strtoll(argv[2], nullptr, 10), argv[3]);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RegisterBenchmark("BM_EditorSessions", &quobrix::BM_EditorSessions)
      ->Unit(benchmark::kMillisecond)
      ->UseManualTime()
      ->Iterations(quobrix::bench::Repetitions(3));
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  quobrix::bench::PrintSummary();
  std::filesystem::remove_all(quobrix::Folder());
  return 0;
}
