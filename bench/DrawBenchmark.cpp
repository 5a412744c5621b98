// DrawBlock over the QPainter canvas against the same primitives drawn
// straight with QPainter, on a screen-sized image and on one that holds the
// whole chart. The direct drawing replays the recorded calls of DrawBlock
// with pens, brushes, fonts and strings made beforehand: the least any
// drawing of these blocks can cost.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <iostream>
#include <map>
#include <memory>

#include "platform/Cp1251Codec.h"
#include "platform/QPainterCanvas.h"
#include "platform/SystemColors.h"
#include "render/DrawBlock.h"
#include "tests/support/RecordingCanvas.h"

namespace quobrix {
namespace {

constexpr std::int64_t kResolution = 378, kZoom = 100;
constexpr DrawBlockArgs kArgs{.device = {.resolution = kResolution, .zoomPercents = kZoom}};
constexpr int kColumns = 100, kRows = 100;
constexpr std::int64_t kCellW = 1500, kCellH = 1000;

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
    b->Text = std::to_string(i);
    b->TP = static_cast<std::uint8_t>(i % 7 == 0 ? btpUnder : btpInside);
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

// One recorded call as ready-made Qt objects.
struct DirectOp {
  enum Kind { Line, Point, Rect, RoundRect, Ellipse, Polygon, Text, WrappedText } kind;
  QPen pen;
  QBrush brush;
  QFont font;
  QRect rect;
  QPoint from, to;
  qreal rx = 0, ry = 0;
  QPolygon polygon;
  QString text;
  int flags = 0;
};

QRect Exclusive(const std::vector<int>& a) {
  return QRect(QPoint(std::min(a[0], a[2]), std::min(a[1], a[3])),
               QPoint(std::max(a[0], a[2]) - 2, std::max(a[1], a[3]) - 2));
}

QFont FontOf(const TBlockFont& f, const QImage& device) {
  QFont font(Cp1251ToUnicode(f.Name));
  font.setPixelSize((std::abs(f.Size()) * device.logicalDpiY() + 36) / 72);
  return font;
}

std::vector<DirectOp> RecordDirectOps(const QImage& device) {
  testsupport::RecordingCanvas recorder;
  for (const auto& b : Blocks()) DrawBlock(*b, recorder, kArgs);
  std::vector<DirectOp> ops;
  QPoint position;
  for (const testsupport::CanvasCall& c : recorder.calls) {
    DirectOp op{};
    op.pen = QPen(ResolveColor(c.pen.Color), c.pen.Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    op.brush = c.brush.Style == bsClear ? QBrush() : QBrush(ResolveColor(c.brush.Color));
    const auto& a = c.args;
    if (c.op == "MoveTo") {
      position = QPoint(a[0], a[1]);
      continue;
    }
    if (c.op == "LineTo") {
      op.kind = position == QPoint(a[0], a[1]) ? DirectOp::Point : DirectOp::Line;
      op.from = position;
      op.to = position = QPoint(a[0], a[1]);
    } else if (c.op == "Rectangle" || c.op == "Ellipse" || c.op == "RoundRect") {
      op.kind = c.op == "Rectangle" ? DirectOp::Rect : c.op == "Ellipse" ? DirectOp::Ellipse : DirectOp::RoundRect;
      op.rect = Exclusive(a);
      if (c.op == "RoundRect") op.rx = a[4] / 2.0, op.ry = a[5] / 2.0;
    } else if (c.op == "Polygon") {
      op.kind = DirectOp::Polygon;
      for (std::size_t i = 0; i + 1 < a.size(); i += 2) op.polygon << QPoint(a[i], a[i + 1]);
    } else {
      op.kind = c.op == "TextOut" ? DirectOp::Text : DirectOp::WrappedText;
      op.font = FontOf(c.font, device);
      op.text = Cp1251ToUnicode(c.text);
      op.pen = QPen(ResolveColor(c.font.Color));
      if (op.kind == DirectOp::Text) {
        op.from = QPoint(a[0], a[1] + QFontMetrics(op.font, &device).ascent());
      } else {
        op.rect = Exclusive(a).adjusted(0, 0, 1, 1);
        op.flags = Qt::TextWordWrap | Qt::AlignTop | Qt::AlignHCenter;
      }
    }
    ops.push_back(std::move(op));
  }
  return ops;
}

void DrawDirect(QImage& image, const std::vector<DirectOp>& ops) {
  QPainter p(&image);
  for (const DirectOp& op : ops) {
    p.setPen(op.pen);
    p.setBrush(op.brush);
    switch (op.kind) {
      case DirectOp::Line:
        p.drawLine(op.from, op.to);
        break;
      case DirectOp::Point:
        p.drawPoint(op.to);
        break;
      case DirectOp::Rect:
        p.drawRect(op.rect);
        break;
      case DirectOp::RoundRect:
        p.drawRoundedRect(op.rect, op.rx, op.ry);
        break;
      case DirectOp::Ellipse:
        p.drawEllipse(op.rect);
        break;
      case DirectOp::Polygon:
        p.drawPolygon(op.polygon, Qt::OddEvenFill);
        break;
      case DirectOp::Text:
        p.setFont(op.font);
        p.drawText(op.from, op.text);
        break;
      case DirectOp::WrappedText:
        p.setFont(op.font);
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

void BM_DrawBlock(benchmark::State& state) {
  QImage image = Target(state.range(0) != 0);
  for (auto _ : state) DrawWithDrawBlock(image);
}

void BM_DirectQPainter(benchmark::State& state) {
  QImage image = Target(state.range(0) != 0);
  const std::vector<DirectOp> ops = RecordDirectOps(image);
  for (auto _ : state) DrawDirect(image, ops);
}

// Argument 0: a 1920 x 1080 screen; 1: an image of the whole chart.
BENCHMARK(BM_DrawBlock)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DirectQPainter)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Prints the ratio of each DrawBlock run to its direct counterpart.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) times_[r.benchmark_name()] = r.GetAdjustedRealTime();
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const char* arg : {"/0", "/1"}) {
      const double drawBlock = times_["BM_DrawBlock" + std::string(arg)];
      const double direct = times_["BM_DirectQPainter" + std::string(arg)];
      if (direct > 0)
        std::cout << (arg[1] == '0' ? "screen 1920x1080" : "whole chart") << ": DrawBlock " << drawBlock
                  << " ms, direct " << direct << " ms per frame, ratio " << drawBlock / direct << '\n';
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace
}  // namespace quobrix

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  quobrix::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
