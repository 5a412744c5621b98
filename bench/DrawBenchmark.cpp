// DrawBlock over the QPainter canvas against the least any drawing of the
// same blocks can cost: the very QPainter calls the canvas makes, in the
// same order and with the same pen, brush, font and composition changes
// (dash patterns, hatched brushes and the gaps of styled pens included),
// replayed from a list made beforehand, with every pen, brush, font, shape
// and string ready. Measured on a screen-sized image and on one that holds
// the whole chart; pairs: QUOBRIX_BENCH_REPETITIONS (9).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include "bench/BenchSupport.h"
#include "platform/QPainterCanvas.h"
#include "platform/QtDrawingStyle.h"
#include "platform/SystemColors.h"
#include "render/DrawBlock.h"
#include "tests/support/RecordingCanvas.h"

namespace quobrix {
namespace {

constexpr std::int64_t kResolution = 378, kZoom = 100;
constexpr DrawBlockArgs kArgs{.device = {.resolution = kResolution, .zoomPercents = kZoom}};
constexpr int kColumns = 100, kRows = 100;
constexpr std::int64_t kCellW = 1500, kCellH = 1000;

// Every block type with texts inside and under, every line end, pen style
// and fill style, and pens one and two pixels wide.
BlockList MixedBlocks() {
  BlockList list;
  for (int i = 0; i < kColumns * kRows; ++i) {
    auto b = std::make_unique<TBlock>();
    b->BT = static_cast<std::uint8_t>(1 + i % vXNOR);
    b->X = (i % kColumns) * kCellW + 150;
    b->Y = (i / kColumns) * kCellH + 150;
    b->W = 1200;
    b->H = 700;
    b->MC = 0xD0F0FF;
    b->FS = static_cast<std::uint8_t>(i % 8);
    b->BS = static_cast<std::uint8_t>(i % 5);
    b->BW = i % 3 == 0 ? 60 : 1;
    b->Text = std::to_string(i);
    b->TP = static_cast<std::uint8_t>(i % 7 == 0 ? btpUnder : btpInside);
    b->TA = static_cast<std::uint8_t>(i % 3);
    b->LineArrows = static_cast<std::uint8_t>(i % 13);
    list.push_back(std::move(b));
  }
  return list;
}

const BlockList& Blocks() {
  static const BlockList blocks = MixedBlocks();
  return blocks;
}

QSize ChartSize() {
  return {ChartToPixels(kColumns * kCellW, kResolution, kZoom), ChartToPixels(kRows * kCellH, kResolution, kZoom)};
}

void DrawWithDrawBlock(QImage& image) {
  QPainter painter(&image);
  QPainterCanvas canvas(painter);
  for (const auto& b : Blocks()) DrawBlock(*b, canvas, kArgs);
}

// Records DrawBlock's calls, measuring texts as the QPainter canvas on the
// same image does, so every text lands where it lands in the real drawing.
class MeasuringRecorder : public testsupport::RecordingCanvas {
 public:
  explicit MeasuringRecorder(QPainterCanvas& measure) : measure_(measure) {}
  int TextWidth(const std::string& text) override {
    measure_.Font = Font;
    return measure_.TextWidth(text);
  }
  int TextHeight(const std::string& text) override {
    measure_.Font = Font;
    return measure_.TextHeight(text);
  }

 private:
  QPainterCanvas& measure_;
};

// One QPainter call of the canvas, with everything it needs made beforehand.
struct DirectOp {
  enum Kind { Line, Point, Rect, RoundRect, Ellipse, Polygon, Text, WrappedText } kind;
  QPen pen, gapPen;  // gapPen: a styled pen's gaps over a solid brush first
  bool gaps = false;
  bool filled = false;
  QBrush brush;
  QFont font;
  QRect rect;
  QPoint from, to;
  qreal rx = 0, ry = 0;
  QPolygon polygon;
  QString text;
  int flags = 0;
};

int AlignmentFlag(TAlignment alignment) {
  return alignment == taCenter ? Qt::AlignHCenter : alignment == taRightJustify ? Qt::AlignRight : Qt::AlignLeft;
}

// The calls the QPainter canvas makes for the recorded drawing, as it makes them.
std::vector<DirectOp> DirectOps(QImage& image) {
  QPainter painter(&image);
  QPainterCanvas measure(painter);
  MeasuringRecorder recorder(measure);
  for (const auto& b : Blocks()) DrawBlock(*b, recorder, kArgs);
  const int dpi = image.logicalDpiY();
  std::vector<DirectOp> ops;
  QPoint position;
  for (const testsupport::CanvasCall& c : recorder.calls) {
    DirectOp op{};
    op.pen = QtPen(c.pen);
    op.brush = QtBrush(c.brush);
    op.gaps = PaintsGaps(op.pen, op.brush);
    op.gapPen = GapPen(op.pen, op.brush);
    const auto& a = c.args;
    if (c.op == "MoveTo") {
      position = QPoint(a[0], a[1]);
      continue;
    }
    if (c.op == "LineTo") {
      op.from = position;
      op.to = position = QPoint(a[0], a[1]);
      op.kind = op.from == op.to ? DirectOp::Point : DirectOp::Line;
      if (op.kind == DirectOp::Point && c.pen.Style == psClear) continue;
      if (op.kind == DirectOp::Point) op.pen = QPen(op.pen.color(), op.pen.widthF(), Qt::SolidLine, Qt::RoundCap);
    } else if (c.op == "Rectangle" || c.op == "Ellipse" || c.op == "RoundRect") {
      op.kind = c.op == "Rectangle" ? DirectOp::Rect : c.op == "Ellipse" ? DirectOp::Ellipse : DirectOp::RoundRect;
      const QRect r = ExclusiveRect(a[0], a[1], a[2], a[3]);
      if (r.isEmpty()) continue;
      op.rect = r.adjusted(0, 0, -1, -1);
      op.filled = true;
      if (c.op == "RoundRect") op.rx = std::abs(a[4]) / 2.0, op.ry = std::abs(a[5]) / 2.0;
    } else if (c.op == "Polygon") {
      op.kind = DirectOp::Polygon;
      op.filled = true;
      for (std::size_t i = 0; i + 1 < a.size(); i += 2) op.polygon << QPoint(a[i], a[i + 1]);
    } else if (c.op == "TextOut" || c.op == "DrawTextWrapped") {
      op.kind = c.op == "TextOut" ? DirectOp::Text : DirectOp::WrappedText;
      op.font = QtFont(c.font, dpi);
      op.text = DisplayText(c.text);
      op.pen = TextPen(op.pen, ResolveColor(c.font.Color));
      if (op.kind == DirectOp::Text) {
        op.from = QPoint(a[0], a[1] + QFontMetrics(op.font, &image).ascent());
      } else {
        op.rect = ExclusiveRect(a[0], a[1], a[2], a[3]);
        if (op.rect.isEmpty()) continue;
        op.flags = Qt::TextWordWrap | Qt::AlignTop | AlignmentFlag(c.alignment);
      }
    } else {
      continue;
    }
    ops.push_back(std::move(op));
  }
  return ops;
}

template <class Draw>
void PaintShape(QPainter& p, const DirectOp& op, Draw draw) {
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  bool filled = op.filled;
  if (op.gaps) {
    p.setPen(op.gapPen);
    if (op.filled) p.setBrush(op.brush);
    draw();
    filled = false;
  }
  p.setPen(op.pen);
  if (op.filled) p.setBrush(filled ? op.brush : QBrush());
  draw();
}

void DrawDirect(QImage& image, const std::vector<DirectOp>& ops) {
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBackgroundMode(Qt::TransparentMode);
  for (const DirectOp& op : ops) {
    switch (op.kind) {
      case DirectOp::Line:
        PaintShape(p, op, [&] { p.drawLine(op.from, op.to); });
        break;
      case DirectOp::Point:
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setPen(op.pen);
        p.drawPoint(op.to);
        break;
      case DirectOp::Rect:
        PaintShape(p, op, [&] { p.drawRect(op.rect); });
        break;
      case DirectOp::RoundRect:
        PaintShape(p, op, [&] { p.drawRoundedRect(op.rect, op.rx, op.ry); });
        break;
      case DirectOp::Ellipse:
        PaintShape(p, op, [&] { p.drawEllipse(op.rect); });
        break;
      case DirectOp::Polygon:
        PaintShape(p, op, [&] { p.drawPolygon(op.polygon, Qt::OddEvenFill); });
        break;
      case DirectOp::Text:
      case DirectOp::WrappedText:
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        if (p.font() != op.font) p.setFont(op.font);
        p.setPen(op.pen);
        if (op.kind == DirectOp::Text)
          p.drawText(op.from, op.text);
        else
          p.drawText(op.rect, op.flags, op.text);
        break;
    }
  }
}

QImage Target(bool wholeChart) {
  QImage image(wholeChart ? ChartSize() : QSize(1920, 1080), QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void BM_DrawBlockAgainstDirectCalls(benchmark::State& state) {
  const bool wholeChart = state.range(0) != 0;
  QImage image = Target(wholeChart);
  const std::vector<DirectOp> ops = DirectOps(image);
  bench::PairedFigures time(std::string(wholeChart ? "Whole chart image" : "Screen 1920x1080") + ", " +
                                std::to_string(Blocks().size()) + " blocks: DrawBlock against the same QPainter calls",
                            "DrawBlock", "direct", "ms", 1000);
  for (auto _ : state) {
    const double drawBlock = bench::SecondsPerCall([&] { DrawWithDrawBlock(image); });
    const double direct = bench::SecondsPerCall([&] { DrawDirect(image, ops); });
    state.SetIterationTime(drawBlock);
    time.Add(drawBlock, direct);
  }
  time.Report(state);
}

// Argument 0: a 1920 x 1080 screen; 1: an image of the whole chart.
BENCHMARK(BM_DrawBlockAgainstDirectCalls)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(bench::Repetitions(9));

}  // namespace
}  // namespace quobrix

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  quobrix::bench::PrintSummary();
  return 0;
}
