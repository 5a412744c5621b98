#include "view/ColorStrip.h"

#include <QMouseEvent>
#include <QPainter>

namespace quobrix {

QImage MakeHueStrip() {
  QImage image(ColorStripWidth, ColorStripHeight, QImage::Format_RGB32);
  for (int c = 0; c < ColorStripWidth; ++c) {
    const double degrees = 3.0 + 0.75 * c;
    const QRgb rgb = QColor::fromHsvF(std::fmod(degrees, 360.0) / 360.0, 1.0, 1.0).rgb();
    for (int r = 0; r < ColorStripHeight; ++r) image.setPixel(c, r, rgb);
  }
  return image;
}

ColorStrip::ColorStrip(QWidget* parent) : ColorStrip(MakeHueStrip(), Qt::LeftButton, parent) {
  setObjectName(QStringLiteral("ColorImg"));
}

ColorStrip::ColorStrip(QImage picture, Qt::MouseButtons primary, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)), primary_(primary) {
  setCursor(Qt::CrossCursor);
}

std::optional<TColor> ColorStrip::ColorAt(QPoint p) const {
  if (width() <= 0) return std::nullopt;
  const int column = p.x() * picture_.width() / width();
  if (!picture_.valid(column, p.y())) return std::nullopt;
  const QColor c = picture_.pixelColor(column, p.y());
  if (c.alpha() == 0) return std::nullopt;
  return static_cast<TColor>(c.red() | (c.green() << 8) | (c.blue() << 16));
}

void ColorStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(rect(), picture_);
}

void ColorStrip::mousePressEvent(QMouseEvent* event) {
  Pick(event->position().toPoint(), primary_.testFlag(event->button()) ? StripPick::Primary : StripPick::Secondary);
}

void ColorStrip::mouseDoubleClickEvent(QMouseEvent* event) {
  Pick(event->position().toPoint(), StripPick::DoubleClick);
}

void ColorStrip::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons().testFlag(Qt::LeftButton))
    Pick(event->position().toPoint(), StripPick::Primary);
  else if (event->buttons().testFlag(Qt::RightButton))
    Pick(event->position().toPoint(), StripPick::Secondary);
}

void ColorStrip::Pick(QPoint p, StripPick kind) const {
  if (!OnPick) return;
  if (const auto color = ColorAt(p)) OnPick(*color, kind);
}

}  // namespace quobrix
