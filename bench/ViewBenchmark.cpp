// One drag step on a large chart (model change plus a full repaint of a
// 1280 x 800 canvas at zoom 100) against painting just the blocks in view.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

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

void BM_DragStep(benchmark::State& state) {
  TBlocksHolder bh;
  bh.resize(kWidth, kHeight);
  FillChart(bh.Model(), state.range(0));
  bh.Model().SetActiveBlock(12);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  std::int64_t step = 30;
  for (auto _ : state) {
    bh.Model().MoveActiveBlock(step, 0, true);  // what a mouse move does to the dragged block
    step = -step;
    Paint(bh, image);
  }
}

void BM_PaintVisibleOnly(benchmark::State& state) {
  TBlocksHolder bh;
  bh.resize(kWidth, kHeight);
  FillChart(bh.Model(), 110);  // the blocks the first screen shows
  bh.Model().SetDocumentPages(static_cast<std::int32_t>(state.range(0) / 400 + 1));
  bh.Model().SetActiveBlock(12);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) Paint(bh, image);
}

BENCHMARK(BM_DragStep)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintVisibleOnly)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quobrix

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
