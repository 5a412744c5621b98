#include "app/AboutPicture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <memory>

#include "platform/QPainterCanvas.h"
#include "render/DrawBlock.h"

namespace quobrix {

namespace {

constexpr std::int64_t kResolution = 378;
const QColor kNavy(31, 58, 112);
const QColor kBlue(72, 120, 200);
constexpr TColor kTint = 0xECD4C4;  // the tool-bar pictures' light blue, as a TColor (BGR)
constexpr TColor kNavyColor = 0x703A1F;

// Chart units of a length in pixels at zoom 100.
constexpr std::int64_t Px(int pixels) { return std::int64_t{pixels} * 10000 / kResolution; }

void Add(BlockList& blocks, std::uint8_t type, int x, int y, int w, int h, const char* text = "") {
  auto b = std::make_unique<TBlock>();
  b->BT = type;
  b->X = Px(x);
  b->Y = Px(y);
  b->W = Px(w);
  b->H = Px(h);
  b->MC = type == btBeginEnd ? kTint : clWhite;
  b->BC = kNavyColor;
  b->BW = 30;
  b->Text = text;
  b->TF.SetSize(8);
  b->TF.Color = kNavyColor;
  if (type == btLine) b->LineArrows = blaFilledEndArrow;
  blocks.push_back(std::move(b));
}

void AddLine(BlockList& blocks, int x1, int y1, int x2, int y2, bool arrow) {
  Add(blocks, btLine, x1, y1, x2 - x1, y2 - y1);
  if (!arrow) blocks.back()->LineArrows = blaSimple;
}

// A summing loop, 176 x 240 pixels at zoom 100.
BlockList Flowchart(bool withTexts) {
  BlockList blocks;
  const auto text = [withTexts](const char* t) { return withTexts ? t : ""; };
  Add(blocks, btBeginEnd, 58, 14, 60, 22);
  AddLine(blocks, 88, 36, 88, 52, true);
  Add(blocks, btRectangle, 43, 52, 90, 30, text("s := 0"));
  AddLine(blocks, 88, 82, 88, 98, true);
  Add(blocks, btLogicIf, 33, 98, 110, 44, text("i < n"));
  AddLine(blocks, 88, 142, 88, 158, true);
  Add(blocks, btRectangle, 43, 158, 90, 30, text("s := s + i"));
  AddLine(blocks, 88, 188, 88, 204, true);
  Add(blocks, btBeginEnd, 58, 204, 60, 22);
  // Back from the sum to the question.
  AddLine(blocks, 43, 173, 22, 173, false);
  AddLine(blocks, 22, 173, 22, 120, false);
  AddLine(blocks, 22, 120, 33, 120, true);
  return blocks;
}

void DrawFlowchart(QPainter& painter, const BlockList& blocks, int zoom, QPoint at) {
  QPainterCanvas canvas(painter);
  const DrawBlockArgs args{
      .device = {.resolution = kResolution, .zoomPercents = zoom, .scrollX = -at.x(), .scrollY = -at.y()}};
  for (const auto& block : blocks) DrawBlock(*block, canvas, args);
}

}  // namespace

QImage AboutPicture() {
  QImage image(404, 252, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 404, 252);
  sky.setColorAt(0, kNavy);
  sky.setColorAt(1, kBlue);
  painter.fillRect(image.rect(), sky);
  // A sheet with the chart on it.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 60));
  painter.drawRect(12, 10, 176, 240);
  painter.setBrush(Qt::white);
  painter.drawRect(8, 6, 176, 240);
  painter.setRenderHint(QPainter::Antialiasing, false);
  DrawFlowchart(painter, Flowchart(true), 100, QPoint(8, 6));
  painter.setRenderHint(QPainter::Antialiasing);
  QFont name(QStringLiteral("Liberation Sans"));
  name.setPixelSize(44);
  name.setBold(true);
  painter.setFont(name);
  painter.setPen(Qt::white);
  painter.drawText(QRect(200, 40, 200, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quobrix"));
  painter.setPen(QPen(QColor(196, 212, 236), 2));
  painter.drawLine(202, 100, 390, 100);
  return image;
}

// Three symbols with bold outlines, drawn large and scaled down smoothly so
// that they stay clear at a few dozen pixels.
QImage FlowchartPictogram(int size) {
  BlockList blocks;
  Add(blocks, btBeginEnd, 50, 6, 100, 36);
  AddLine(blocks, 100, 42, 100, 62, false);
  Add(blocks, btRectangle, 30, 62, 140, 50);
  AddLine(blocks, 100, 112, 100, 132, false);
  Add(blocks, btLogicIf, 20, 132, 160, 62);
  for (const auto& block : blocks) block->BW = 250;
  QImage large(200, 200, QImage::Format_ARGB32_Premultiplied);
  large.fill(Qt::transparent);
  {
    QPainter painter(&large);
    DrawFlowchart(painter, blocks, 100, QPoint(0, 0));
  }
  return large.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace quobrix
