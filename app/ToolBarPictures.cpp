// Small pictures for the tool-bar buttons: the style's standard pictures
// where one fits the job, else a 16 x 16 pictogram composed of a few drawn
// parts (pages, boxes, lenses, lines) in one navy and grey palette.
#include "app/ToolBarPictures.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <cstring>
#include <vector>

#include "platform/InterfacePicture.h"

namespace quobrix {

namespace {

enum class Tone { Navy, Grey, Tint, Paper, Red, Yellow, Green, Blue };

QColor ColorOf(Tone tone) {
  switch (tone) {
    case Tone::Navy:
      return {31, 58, 112};
    case Tone::Grey:
      return {118, 126, 140};
    case Tone::Tint:
      return {196, 212, 236};
    case Tone::Paper:
      return {255, 255, 255};
    case Tone::Red:
      return {204, 72, 64};
    case Tone::Yellow:
      return {236, 196, 64};
    case Tone::Green:
      return {88, 164, 88};
    case Tone::Blue:
      return {72, 120, 200};
  }
  return {};
}

enum class Kind {
  Page,       // a sheet with a folded corner
  TextLines,  // lines of text filling the rectangle
  Margins,    // a dotted rectangle
  Box,        // a filled rectangle with a navy outline
  Ring,       // an ellipse outline
  Disc,       // a filled ellipse with a navy outline
  Triangle,   // pointing up, filled, navy outline
  Stroke,     // a line from the rectangle's top-left to its bottom-right corner
  Handle,     // a thick stroke: a pencil
  Cross,      // two thick strokes corner to corner
  Lens,       // a magnifier: the lens in the rectangle, the handle at its lower right
  Disk,       // a floppy disk
  Printer,
  Clipboard,
  TurnArrow,  // an arrow that turns back to the left; mirrored with a negative width
};

// A part's rectangle is in pixels of the 16 x 16 picture; a stroke may run
// from right to left or upwards with a negative width or height.
struct Part {
  Kind kind;
  qreal x, y, w, h;
  Tone tone = Tone::Navy;
};

const QColor kOutline = ColorOf(Tone::Navy);

void Outlined(QPainter& p, Tone fill, qreal width = 1) {
  p.setPen(QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(ColorOf(fill));
}

void DrawPage(QPainter& p, const QRectF& r) {
  const qreal fold = std::min(r.width(), r.height()) * 0.35;
  QPainterPath sheet;
  sheet.moveTo(r.topLeft());
  sheet.lineTo(r.right() - fold, r.top());
  sheet.lineTo(r.right(), r.top() + fold);
  sheet.lineTo(r.bottomRight());
  sheet.lineTo(r.bottomLeft());
  sheet.closeSubpath();
  Outlined(p, Tone::Paper);
  p.drawPath(sheet);
  QPainterPath corner;
  corner.moveTo(r.right() - fold, r.top());
  corner.lineTo(r.right() - fold, r.top() + fold);
  corner.lineTo(r.right(), r.top() + fold);
  p.setBrush(ColorOf(Tone::Tint));
  p.drawPath(corner);
}

void DrawTextLines(QPainter& p, const QRectF& r, Tone tone) {
  p.setPen(QPen(ColorOf(tone), 1, Qt::SolidLine, Qt::FlatCap));
  for (qreal y = r.top() + 0.5; y < r.bottom(); y += 2) {
    // Every third line ends early, like the end of a paragraph.
    const bool shortLine = static_cast<int>((y - r.top()) / 2) % 3 == 2;
    p.drawLine(QPointF(r.left(), y), QPointF(shortLine ? r.center().x() : r.right(), y));
  }
}

void DrawLens(QPainter& p, const QRectF& r) {
  const qreal reach = r.width() * 0.45;
  p.setPen(QPen(kOutline, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(r.center(), r.bottomRight() + QPointF(reach, reach));
  Outlined(p, Tone::Paper, 1.5);
  p.drawEllipse(r);
}

void DrawDisk(QPainter& p, const QRectF& r) {
  Outlined(p, Tone::Navy);
  p.drawRoundedRect(r, 1, 1);
  p.setPen(Qt::NoPen);
  p.setBrush(ColorOf(Tone::Paper));
  p.drawRect(QRectF(r.left() + 2, r.top() + 0.5, r.width() - 4, r.height() * 0.4));
  p.setBrush(ColorOf(Tone::Grey));
  p.drawRect(QRectF(r.left() + 3, r.bottom() - r.height() * 0.35, r.width() - 6, r.height() * 0.35 - 0.5));
}

void DrawPrinter(QPainter& p, const QRectF& r) {
  Outlined(p, Tone::Paper);
  p.drawRect(QRectF(r.left() + 3, r.top(), r.width() - 6, r.height() * 0.45));
  Outlined(p, Tone::Grey);
  p.drawRoundedRect(QRectF(r.left(), r.top() + r.height() * 0.35, r.width(), r.height() * 0.45), 1.5, 1.5);
  Outlined(p, Tone::Paper);
  p.drawRect(QRectF(r.left() + 3, r.bottom() - r.height() * 0.3, r.width() - 6, r.height() * 0.3));
  p.setPen(Qt::NoPen);
  p.setBrush(ColorOf(Tone::Green));
  p.drawEllipse(QPointF(r.right() - 2, r.top() + r.height() * 0.5), 0.9, 0.9);
}

void DrawClipboard(QPainter& p, const QRectF& r) {
  Outlined(p, Tone::Grey);
  p.drawRoundedRect(r, 1.5, 1.5);
  Outlined(p, Tone::Navy);
  p.drawRoundedRect(QRectF(r.center().x() - 2.5, r.top() - 1, 5, 3), 1, 1);
}

void DrawTurnArrow(QPainter& p, const QRectF& r, bool mirrored) {
  if (mirrored) {
    p.translate(2 * r.center().x(), 0);
    p.scale(-1, 1);
  }
  constexpr qreal head = 3.5;  // half the arrow head's height
  const qreal top = r.top() + head;
  const qreal turn = (r.height() - head - 1) / 2;
  QPainterPath body;
  body.moveTo(r.left() + 3, top);
  body.lineTo(r.right() - turn, top);
  body.arcTo(QRectF(r.right() - 2 * turn, top, 2 * turn, 2 * turn), 90, -180);
  body.lineTo(r.left() + 4, top + 2 * turn);
  p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(body);
  p.setPen(QPen(kOutline, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(kOutline);
  p.drawPolygon(QPolygonF({QPointF(r.left(), top), QPointF(r.left() + 5, top - head), QPointF(r.left() + 5, top + head)}));
}

void DrawPart(QPainter& p, const Part& part) {
  const QRectF r(part.x, part.y, part.w, part.h);
  p.save();
  switch (part.kind) {
    case Kind::Page:
      DrawPage(p, r);
      break;
    case Kind::TextLines:
      DrawTextLines(p, r, part.tone);
      break;
    case Kind::Margins:
      p.setPen(QPen(ColorOf(part.tone), 1, Qt::DotLine));
      p.setBrush(Qt::NoBrush);
      p.drawRect(r);
      break;
    case Kind::Box:
      Outlined(p, part.tone);
      p.drawRect(r);
      break;
    case Kind::Ring:
      p.setPen(QPen(ColorOf(part.tone), 1.5));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(r);
      break;
    case Kind::Disc:
      Outlined(p, part.tone);
      p.drawEllipse(r);
      break;
    case Kind::Triangle:
      Outlined(p, part.tone);
      p.drawPolygon(QPolygonF({QPointF(r.center().x(), r.top()), r.bottomRight(), r.bottomLeft()}));
      break;
    case Kind::Stroke:
    case Kind::Handle:
      p.setPen(QPen(ColorOf(part.tone), part.kind == Kind::Stroke ? 1.5 : 2.5, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(r.topLeft(), r.topLeft() + QPointF(part.w, part.h));
      break;
    case Kind::Cross:
      p.setPen(QPen(ColorOf(part.tone), 2.5, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(r.topLeft(), r.bottomRight());
      p.drawLine(r.topRight(), r.bottomLeft());
      break;
    case Kind::Lens:
      DrawLens(p, r);
      break;
    case Kind::Disk:
      DrawDisk(p, r);
      break;
    case Kind::Printer:
      DrawPrinter(p, r);
      break;
    case Kind::Clipboard:
      DrawClipboard(p, r);
      break;
    case Kind::TurnArrow:
      DrawTurnArrow(p, r.normalized(), part.w < 0);
      break;
  }
  p.restore();
}

struct Pictogram {
  const char* name;
  std::vector<Part> parts;  // drawn in order, later parts on top
};

const Pictogram kPictograms[] = {
    {"tbUndo", {{Kind::TurnArrow, 0.5, 1.5, 15, 13}}},
    {"tbRedo", {{Kind::TurnArrow, 15.5, 1.5, -15, 13}}},
    {"tbCut",
     {{Kind::Stroke, 4, 1, 7, 10},
      {Kind::Stroke, 11, 1, -7, 10},
      {Kind::Ring, 1.5, 10, 4.5, 4.5},
      {Kind::Ring, 10, 10, 4.5, 4.5}}},
    {"tbCopy",
     {{Kind::Page, 1.5, 0.5, 8, 10}, {Kind::Page, 6.5, 5.5, 8, 10}, {Kind::TextLines, 8.5, 9, 4, 5, Tone::Grey}}},
    {"tbPaste",
     {{Kind::Clipboard, 1.5, 2.5, 10, 12}, {Kind::Page, 7.5, 6.5, 7, 9}, {Kind::TextLines, 9, 10, 4, 4, Tone::Grey}}},
    {"tbDelete", {{Kind::Cross, 3, 3, 10, 10}}},
    {"tbBringToFront", {{Kind::Box, 1.5, 1.5, 8, 8, Tone::Paper}, {Kind::Box, 6.5, 6.5, 8, 8, Tone::Navy}}},
    {"tbSendToBack", {{Kind::Box, 1.5, 1.5, 8, 8, Tone::Navy}, {Kind::Box, 6.5, 6.5, 8, 8, Tone::Paper}}},
    {"tbPreview",
     {{Kind::Page, 1.5, 0.5, 10, 13}, {Kind::TextLines, 3.5, 4, 6, 4, Tone::Grey}, {Kind::Lens, 6.5, 6.5, 6, 6}}},
    {"tbSheetParams", {{Kind::Page, 2.5, 0.5, 11, 15}, {Kind::Margins, 4.5, 3.5, 6, 9, Tone::Grey}}},
    {"tbPrint", {{Kind::Printer, 0.5, 1.5, 15, 13}}},
    {"tbSaveAll", {{Kind::Disk, 4.5, 0.5, 11, 11}, {Kind::Disk, 0.5, 4.5, 11, 11}}},
    {"tbClose", {{Kind::Page, 2.5, 0.5, 10, 13}, {Kind::Cross, 9, 9, 5.5, 5.5, Tone::Red}}},
    {"tbCloseAll",
     {{Kind::Page, 4.5, 0.5, 9, 11}, {Kind::Page, 1.5, 3.5, 9, 11}, {Kind::Cross, 9, 9, 5.5, 5.5, Tone::Red}}},
    {"tbGroup",
     {{Kind::Margins, 0.5, 0.5, 15, 15},
      {Kind::Box, 2.5, 2.5, 6, 6, Tone::Tint},
      {Kind::Box, 7.5, 7.5, 6, 6, Tone::Tint}}},
    {"tbUnGroup", {{Kind::Box, 1.5, 1.5, 6, 6, Tone::Tint}, {Kind::Box, 8.5, 8.5, 6, 6, Tone::Tint}}},
    {"tbLibrary",
     {{Kind::Disc, 0.5, 0.5, 7, 7, Tone::Tint},
      {Kind::Box, 8.5, 1.5, 6, 6, Tone::Grey},
      {Kind::Triangle, 4.5, 8.5, 8, 6.5, Tone::Navy}}},
    {"tbInspector",
     {{Kind::Box, 0.5, 1.5, 3, 3, Tone::Navy},
      {Kind::Stroke, 5, 3, 8, 0, Tone::Grey},
      {Kind::Box, 0.5, 6.5, 3, 3, Tone::Navy},
      {Kind::Stroke, 5, 8, 6, 0, Tone::Grey},
      {Kind::Box, 0.5, 11.5, 3, 3, Tone::Navy},
      {Kind::Stroke, 5, 13, 3, 0, Tone::Grey},
      {Kind::Handle, 9.5, 14.5, 5, -5, Tone::Yellow},
      {Kind::Stroke, 8.8, 15.2, 1.2, -1.2, Tone::Navy}}},
    {"tbZoomMinus", {{Kind::Lens, 1.5, 1.5, 9, 9}, {Kind::Stroke, 4, 6, 4, 0}}},
    {"tbZoomPlus", {{Kind::Lens, 1.5, 1.5, 9, 9}, {Kind::Stroke, 4, 6, 4, 0}, {Kind::Stroke, 6, 4, 0, 4}}},
    {"tbAlignLeft",
     {{Kind::Stroke, 1.5, 0.5, 0, 15},
      {Kind::Box, 3.5, 2.5, 11, 4, Tone::Tint},
      {Kind::Box, 3.5, 9.5, 6, 4, Tone::Tint}}},
    {"tbAlignRight",
     {{Kind::Stroke, 14.5, 0.5, 0, 15},
      {Kind::Box, 1.5, 2.5, 11, 4, Tone::Tint},
      {Kind::Box, 6.5, 9.5, 6, 4, Tone::Tint}}},
    {"btAlignTop",
     {{Kind::Stroke, 0.5, 1.5, 15, 0},
      {Kind::Box, 2.5, 3.5, 4, 11, Tone::Tint},
      {Kind::Box, 9.5, 3.5, 4, 6, Tone::Tint}}},
    {"tbAlignBottom",
     {{Kind::Stroke, 0.5, 14.5, 15, 0},
      {Kind::Box, 2.5, 1.5, 4, 11, Tone::Tint},
      {Kind::Box, 9.5, 6.5, 4, 6, Tone::Tint}}},
    {"tbSheetColor",
     {{Kind::Box, 0.5, 0.5, 7, 7, Tone::Red},
      {Kind::Box, 8.5, 0.5, 7, 7, Tone::Yellow},
      {Kind::Box, 0.5, 8.5, 7, 7, Tone::Green},
      {Kind::Box, 8.5, 8.5, 7, 7, Tone::Blue}}},
    {"tbShemeInfo", {{Kind::Page, 2.5, 0.5, 11, 15}, {Kind::TextLines, 4.5, 5, 7, 9, Tone::Grey}}},
};

QIcon Draw(const Pictogram& pictogram) {
  QPixmap picture = InterfacePixmap(QSize(16, 16));
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const Part& part : pictogram.parts) DrawPart(painter, part);
  return picture;
}

}  // namespace

QIcon WithUnsavedMark(const QIcon& picture) {
  QPixmap marked = picture.pixmap(16, 16);
  QPainter painter(&marked);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(ColorOf(Tone::Paper), 1));
  painter.setBrush(ColorOf(Tone::Red));
  painter.drawEllipse(QRectF(9.5, 0.5, 6, 6));
  return marked;
}

QIcon ToolBarPicture(const char* name) {
  struct Standard {
    const char* name;
    QStyle::StandardPixmap pixmap;
  };
  static const Standard standard[] = {
      {"tbNew", QStyle::SP_FileIcon},          {"tbOpen", QStyle::SP_DialogOpenButton},
      {"tbSave", QStyle::SP_DialogSaveButton}, {"tbHelp", QStyle::SP_DialogHelpButton},
      {"tbExit", QStyle::SP_BrowserStop},      {"tbSearch", QStyle::SP_FileDialogContentsView},
  };
  for (const Standard& s : standard)
    if (std::strcmp(s.name, name) == 0) return QApplication::style()->standardIcon(s.pixmap);
  for (const Pictogram& pictogram : kPictograms)
    if (std::strcmp(pictogram.name, name) == 0) return Draw(pictogram);
  return {};
}

}  // namespace quobrix
