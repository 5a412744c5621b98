#include "tools/PaletteButtonPictures.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <initializer_list>

#include "platform/QPainterCanvas.h"
#include "render/DrawBlock.h"
#include "tools/PaletteButtons.h"

namespace quobrix {

namespace {

// Ten chart units to the pixel: a picture is 240 x 240 units.
constexpr std::int64_t kResolution = 1000;
constexpr DrawBlockArgs kArgs{.device = {.resolution = kResolution, .zoomPercents = 100}};

TBlock Symbol(int type, std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
  TBlock b;
  b.BT = static_cast<std::uint8_t>(type);
  b.X = x;
  b.Y = y;
  b.W = w;
  b.H = h;
  return b;
}

TBlock Line(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h, TBlocksLineArrows ends) {
  TBlock b = Symbol(btLine, x, y, w, h);
  b.LineArrows = ends;
  return b;
}

bool IsSquareShaped(int type) {
  switch (type) {
    case btSquare:
    case btRoundSquare:
    case btCircle:
    case btOctagon:
    case btStar4:
    case btStar4b:
    case btStar5:
    case btLogic1:
    case btLogic2:
    case btLogic3:
    case btLogic4:
    case btOffPageConnector:
    case btSort:
    case btCollate:
    case btVertArrow:
    case btVertTriangle:
      return true;
    default:
      return false;
  }
}

TBlock SymbolPicture(int type) {
  if (type == btLine) return Line(30, 200, 180, -160, blaFilledEndArrow);
  if (type == btTextRegion) {
    TBlock text = Symbol(btTextRegion, 0, 40, 240, 160);
    text.Text = "Abc";
    text.TF.SetSize(5);
    text.TF.Bold = true;
    return text;
  }
  if (IsSquareShaped(type)) return Symbol(type, 30, 30, 180, 180);
  return Symbol(type, 10, 50, 220, 140);
}

void DrawArrowCursor(QPainter& painter) {
  const QPolygon arrow({{6, 2}, {6, 19}, {10, 15}, {13, 22}, {16, 21}, {13, 14}, {18, 14}});
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawPolygon(arrow);
}

void DrawBlocks(QPainter& painter, std::initializer_list<TBlock> blocks) {
  QPainterCanvas canvas(painter);
  for (const TBlock& b : blocks) DrawBlock(b, canvas, kArgs);
}

void DrawPicture(QPainter& painter, const PaletteButton& button) {
  switch (button.action) {
    case PaletteAction::Symbol:
      DrawBlocks(painter, {SymbolPicture(button.tag)});
      return;
    case PaletteAction::Polyline:
      DrawBlocks(painter, {Line(20, 200, 70, -170, blaSimple), Line(90, 30, 60, 170, blaSimple),
                           Line(150, 200, 70, -150, blaFilledEndArrow)});
      return;
    case PaletteAction::StopDrawing:
      DrawArrowCursor(painter);
      return;
    case PaletteAction::MultiInsert:
      DrawBlocks(painter, {Symbol(btRectangle, 90, 20, 140, 90), Symbol(btRectangle, 50, 75, 140, 90),
                           Symbol(btRectangle, 10, 130, 140, 90)});
      return;
  }
}

}  // namespace

QIcon PaletteButtonPicture(const PaletteButton& button) {
  QImage image(kPaletteIconSize, kPaletteIconSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  image.setDotsPerMeterX(kResolution * 10);  // the resolution is per 100 mm
  image.setDotsPerMeterY(kResolution * 10);
  {
    QPainter painter(&image);
    DrawPicture(painter, button);
  }
  return QIcon(QPixmap::fromImage(image));
}

}  // namespace quobrix
