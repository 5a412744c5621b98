// Ink measured on pictures of a page in millimetres, so a page rasterised
// at any resolution compares with the screen's picture of it.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>

namespace quobrix::test {

struct PagePicture {
  QImage image;
  double pixelsPerMm = 1;
  QPointF originMm;  // the page position of the image's top left corner
};

// Darkness (0 white to 1 black) times pixel area over `areaMm`, in mm².
inline double Ink(const PagePicture& p, const QRectF& areaMm) {
  const QRectF px((areaMm.topLeft() - p.originMm) * p.pixelsPerMm, areaMm.size() * p.pixelsPerMm);
  double ink = 0;
  for (int y = static_cast<int>(px.top()); y < static_cast<int>(px.bottom()); ++y)
    for (int x = static_cast<int>(px.left()); x < static_cast<int>(px.right()); ++x)
      ink += 1 - qGray(p.image.pixel(x, y)) / 255.0;
  return ink / (p.pixelsPerMm * p.pixelsPerMm);
}

}  // namespace quobrix::test
