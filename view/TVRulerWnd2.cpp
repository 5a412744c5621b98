#include "view/TVRulerWnd2.h"

#include <QCursor>
#include <QPainter>

#include "platform/Cp1251Codec.h"
#include "platform/QPainterCanvas.h"

namespace quobrix {

namespace {

// The widget's font as a canvas font, in the window text colour.
TBlockFont CanvasFont(const QFont& font) {
  TBlockFont f;
  f.Name = UnicodeToCp1251(font.family()).value_or(f.Name);
  if (font.pointSize() > 0)
    f.SetSize(font.pointSize());
  else if (font.pixelSize() > 0)
    f.Height = -font.pixelSize();
  f.Bold = font.bold();
  f.Italic = font.italic();
  f.Underline = font.underline();
  f.StrikeOut = font.strikeOut();
  return f;
}

}  // namespace

// Qt paints every widget into its window's back buffer first, so the ruler
// is double-buffered without a buffer of its own.
TVRulerWnd2::TVRulerWnd2(QWidget* parent) : QWidget(parent) {}

template <class T>
void TVRulerWnd2::StoreAndRepaintIfChanged(T& field, T value) {
  if (field == value) return;
  field = value;
  update();
}

void TVRulerWnd2::SetKind(TRulerKind v) { StoreAndRepaintIfChanged(props_.Kind, v); }
void TVRulerWnd2::SetPrecition(int v) { StoreAndRepaintIfChanged(props_.Precition, v); }
void TVRulerWnd2::SetDi(int v) { StoreAndRepaintIfChanged(props_.Di, v); }
void TVRulerWnd2::SetFlat(bool v) { StoreAndRepaintIfChanged(props_.Flat, v); }
void TVRulerWnd2::SetTransparent(bool v) { StoreAndRepaintIfChanged(props_.Transparent, v); }

void TVRulerWnd2::SetStretch(bool v) {
  if (props_.Stretch == v) return;
  props_.Stretch = v;
  if (v && parentWidget() != nullptr) resize(parentWidget()->size());
  update();
}

void TVRulerWnd2::SetZoom(int v) {
  props_.Zoom = v;
  update();
}

void TVRulerWnd2::SetStartNumber(int v) {
  props_.StartNumber = v;
  update();
}

void TVRulerWnd2::SetTraceMouse(bool v) {
  props_.TraceMouse = v;
  update();
}

void TVRulerWnd2::SetDigitsLenght(int v) {
  props_.DigitsLenght = v;
  update();
}

void TVRulerWnd2::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QPainterCanvas canvas(painter);
  canvas.Brush.Color = clBtnFace;
  canvas.Font = CanvasFont(font());
  const QPoint mouse = mapFromGlobal(QCursor::pos());
  PaintRuler(canvas, props_, width(), height(), {mouse.x(), mouse.y()});
}

}  // namespace quobrix
