#include "tools/PaletteButtonPictures.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <initializer_list>

#include "platform/InterfacePicture.h"
#include "platform/QPainterCanvas.h"
#include "render/DrawBlock.h"
#include "chart/SymbolTable.h"

namespace quobrix {

namespace {

// Drawn as the screen shows a chart at 100 %, so line ends and text have
// their usual sizes. Positions below are in pixels of the picture.
constexpr std::int64_t kResolution = 378;
constexpr DrawBlockArgs kArgs{.device = {.resolution = kResolution, .zoomPercents = 100}};

// Chart units that land on pixel `px`, rounded up so truncation keeps it.
constexpr std::int64_t Px(int px) { return (std::int64_t{px} * 10000 + kResolution - 1) / kResolution; }

TBlock Symbol(int type, int x, int y, int w, int h) {
  TBlock b;
  b.BT = static_cast<std::uint8_t>(type);
  b.X = Px(x);
  b.Y = Px(y);
  b.W = Px(w);
  b.H = Px(h);
  return b;
}

TBlock Line(int x, int y, int w, int h, TBlocksLineArrows ends) {
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
  if (type == btLine) return Line(3, 20, 18, -16, blaEndArrow);
  if (type == btTextRegion) {
    TBlock text = Symbol(btTextRegion, 0, 4, 24, 16);
    text.Text = "Abc";
    text.TF.SetSize(7);
    return text;
  }
  if (IsSquareShaped(type)) return Symbol(type, 3, 3, 18, 18);
  return Symbol(type, 1, 5, 22, 14);
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
    case PaletteAction::DrawSymbol:
      DrawBlocks(painter, {SymbolPicture(button.tag)});
      return;
    case PaletteAction::DrawMultiLine:
      DrawBlocks(painter, {Line(2, 20, 7, -17, blaSimple), Line(9, 3, 6, 17, blaSimple),
                           Line(15, 20, 7, -15, blaEndArrow)});
      return;
    case PaletteAction::CancelInsert:
      DrawArrowCursor(painter);
      return;
    case PaletteAction::MultiInsert:
      DrawBlocks(painter, {Symbol(btRectangle, 9, 2, 14, 9), Symbol(btRectangle, 5, 7, 14, 9),
                           Symbol(btRectangle, 1, 13, 14, 9)});
      return;
  }
}

}  // namespace

QIcon PaletteButtonPicture(const PaletteButton& button) {
  QImage image = InterfaceImage(QSize(kPaletteIconSize, kPaletteIconSize));
  image.setDotsPerMeterX(kResolution * 10);  // the resolution is per 100 mm
  image.setDotsPerMeterY(kResolution * 10);
  {
    QPainter painter(&image);
    DrawPicture(painter, button);
  }
  return QIcon(QPixmap::fromImage(image));
}

}  // namespace quobrix
