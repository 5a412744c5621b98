// One drag step on a large chart (model change plus a full repaint of a
// 1280 x 800 canvas at zoom 100) against painting just the blocks in view
// on a chart of as many pages, in pairs. Sizes: 10000 and 100000 blocks, or
// QUOBRIX_BENCH_VIEW_BLOCKS; pairs: QUOBRIX_BENCH_REPETITIONS (9).
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

void BM_DragStepAgainstVisiblePaint(benchmark::State& state) {
  const std::int64_t blocks = state.range(0);
  TBlocksHolder dragged, visible;
  dragged.resize(kWidth, kHeight);
  visible.resize(kWidth, kHeight);
  FillChart(dragged.Model(), blocks);
  FillChart(visible.Model(), 110);  // the blocks the first screen shows
  visible.Model().SetDocumentPages(dragged.Model().DocumentPages());
  dragged.Model().SetActiveBlock(12);
  visible.Model().SetActiveBlock(12);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  std::int64_t step = 30;
  bench::PairedFigures time("Drag step at " + std::to_string(blocks) + " blocks against painting the visible blocks",
                            "drag", "visible", "ms", 1000);
  for (auto _ : state) {
    const double drag = bench::SecondsPerCall([&] {
      dragged.Model().MoveActiveBlock(step, 0, true);  // what a mouse move does to the dragged block
      step = -step;
      Paint(dragged, image);
    });
    const double paint = bench::SecondsPerCall([&] { Paint(visible, image); });
    state.SetIterationTime(drag);
    time.Add(drag, paint);
  }
  time.Report(state);
}

void Register() {
  auto* b = benchmark::RegisterBenchmark("BM_DragStepAgainstVisiblePaint", BM_DragStepAgainstVisiblePaint);
  if (const std::int64_t blocks = bench::FromEnvironment("QUOBRIX_BENCH_VIEW_BLOCKS", 0))
    b->Arg(blocks);
  else
    b->Arg(10000)->Arg(100000);
  b->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(bench::Repetitions(9));
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
