#include "platform/InterfacePicture.h"

#include <QGuiApplication>

namespace quobrix {

namespace {

qreal InterfacePixelRatio() { return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0; }

}  // namespace

QPixmap InterfacePixmap(QSize size) {
  const qreal ratio = InterfacePixelRatio();
  QPixmap picture(size * ratio);
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::transparent);
  return picture;
}

QImage InterfaceImage(QSize size) {
  const qreal ratio = InterfacePixelRatio();
  QImage picture(size * ratio, QImage::Format_ARGB32_Premultiplied);
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::transparent);
  return picture;
}

}  // namespace quobrix
