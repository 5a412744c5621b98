// Dragging a symbol on a large chart against painting just the blocks in
// view on a chart of as many pages (a 1280 x 800 canvas at zoom 100), in
// pairs:
//   drag start  the press on the symbol and the first step, painted, right
//               after an undo, as a user meets it
//   drag step   a later step of the same drag, painted
// Sizes: 10000 and 100000 blocks, or QUOBRIX_BENCH_VIEW_BLOCKS; pairs:
// QUOBRIX_BENCH_REPETITIONS (9).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "bench/BenchSupport.h"
#include "platform/QPainterCanvas.h"
#include "view/TBlocksHolder.h"

namespace quobrix {
namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 800;

// A grid of symbols with texts and joining lines, 10 columns wide, going
// down page after page; the first screen holds about 100 of them.
void FillChart(BlocksHolderModel& chart, std::int64_t blocks) {
  chart.SetDocumentPages(static_cast<std::int32_t>(blocks / 400 + 1));
  for (std::int64_t i = 0; i < blocks; ++i) {
    const std::int64_t col = i % 10, row = i / 10;
    const bool line = i % 4 == 3;
    const auto type = static_cast<std::uint8_t>(line ? int{btLine} : 3 + int(i % 30));
    const auto n = chart.AddDefaultBlock(type, 500 + col * 3300, 500 + row * 2000, line ? 0 : 2500, 1200);
    chart.Blocks(n).Text = line ? "" : "Step " + std::to_string(i);
    chart.Blocks(n).LineArrows = line ? blaFilledEndArrow : blaSimple;
  }
}

void Paint(TBlocksHolder& bh, QImage& image) {
  QPainter painter(&image);
  QPainterCanvas canvas(painter);
  bh.Paint(canvas, QRect(0, 0, kWidth, kHeight));
}

// The chart being dragged and one of as many pages holding only what the
// first screen shows.
struct DragScene {
  explicit DragScene(std::int64_t blocks) {
    dragged.resize(kWidth, kHeight);
    visible.resize(kWidth, kHeight);
    FillChart(dragged.Model(), blocks);
    FillChart(visible.Model(), 110);
    visible.Model().SetDocumentPages(dragged.Model().DocumentPages());
    dragged.Model().SetActiveBlock(12);
    visible.Model().SetActiveBlock(12);
  }

  // The middle of block 12, in the window.
  QPoint Grip() const {
    const TBlock& b = dragged.Model().Blocks(12);
    const WindowPoint p = dragged.Transform().ChartToWindow({b.X + b.W / 2, b.Y + b.H / 2});
    return {static_cast<int>(p.x), static_cast<int>(p.y)};
  }

  double PaintVisible() {
    return bench::SecondsPerCall([&] { Paint(visible, image); });
  }

  TBlocksHolder dragged, visible;
  QImage image{kWidth, kHeight, QImage::Format_RGB32};
};

std::string DragName(const benchmark::State& state, const char* what) {
  return std::string(what) + " at " + std::to_string(state.range(0)) + " blocks against painting the visible blocks";
}

void BM_DragStartAgainstVisiblePaint(benchmark::State& state) {
  DragScene scene(state.range(0));
  const QPoint grip = scene.Grip();
  bench::PairedFigures time(DragName(state, "Drag start (press and first step) after an undo"), "drag", "visible", "ms",
                            1000);
  for (auto _ : state) {
    const double drag = bench::SecondsOf([&] {
      scene.dragged.CanvasMouseDown(Qt::LeftButton, Qt::NoModifier, grip.x(), grip.y());
      scene.dragged.CanvasMouseMove(Qt::LeftButton, Qt::NoModifier, grip.x() + 5, grip.y() + 5);
      Paint(scene.dragged, scene.image);
    });
    scene.dragged.CanvasMouseUp();
    scene.dragged.Model().Undo();
    scene.dragged.Model().SetActiveBlock(12);
    state.SetIterationTime(drag);
    time.Add(drag, scene.PaintVisible());
  }
  time.Report(state);
}

void BM_DragStepAgainstVisiblePaint(benchmark::State& state) {
  DragScene scene(state.range(0));
  std::int64_t step = 30;
  bench::PairedFigures time(DragName(state, "Drag step"), "drag", "visible", "ms", 1000);
  for (auto _ : state) {
    const double drag = bench::SecondsPerCall([&] {
      scene.dragged.Model().MoveActiveBlock(step, 0, true);  // what a mouse move does to the dragged block
      step = -step;
      Paint(scene.dragged, scene.image);
    });
    state.SetIterationTime(drag);
    time.Add(drag, scene.PaintVisible());
  }
  time.Report(state);
}

void Register() {
  for (auto [name, f] : {std::pair{"BM_DragStartAgainstVisiblePaint", &BM_DragStartAgainstVisiblePaint},
                         std::pair{"BM_DragStepAgainstVisiblePaint", &BM_DragStepAgainstVisiblePaint}}) {
    auto* b = benchmark::RegisterBenchmark(name, f);
    if (const std::int64_t blocks = bench::FromEnvironment("QUOBRIX_BENCH_VIEW_BLOCKS", 0))
      b->Arg(blocks);
    else
      b->Arg(10000)->Arg(100000);
    b->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(bench::Repetitions(9));
  }
}

}  // namespace
}  // namespace quobrix

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  quobrix::Register();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  quobrix::bench::PrintSummary();
  return 0;
}
