#include "platform/LibraryThumbnail.h"

#include <QPainter>
#include <cmath>
#include <cstdint>

#include "chart/ChartClipboard.h"
#include "platform/QtChartClipboard.h"
#include "platform/SystemColors.h"
#include "platform/UserLibraryFiles.h"

namespace quobrix {

namespace {

// Pictures above this are drawn smaller before they are shrunk anyway.
constexpr std::int64_t kMaxPicturePixels = 4'000'000;

// n / d rounded to the nearest integer, halves to even; n >= 0, d > 0.
int RoundedQuotient(std::int64_t n, std::int64_t d) {
  const std::int64_t q = n / d, twice = 2 * (n % d);
  return static_cast<int>(twice > d || (twice == d && q % 2 == 1) ? q + 1 : q);
}

void Stretch(QImage& target, const QRect& into, const QImage& source) {
  QPainter painter(&target);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(into, source);
}

}  // namespace

QRect FittedRect(int w, int h, QSize thumbnail) {
  const int tw = thumbnail.width(), th = thumbnail.height();
  if (h < w) {
    const int height = RoundedQuotient(std::int64_t{th} * h, w);
    return QRect(0, (th - height) / 2, tw, height);
  }
  if (w < h) {
    const int width = RoundedQuotient(std::int64_t{tw} * w, h);
    return QRect((tw - width) / 2, 0, width, th);
  }
  return QRect(QPoint(0, 0), thumbnail);
}

QImage ThumbnailOf(const QImage& picture) {
  QImage thumbnail(kThumbnailSize, kThumbnailSize, QImage::Format_RGB32);
  thumbnail.fill(Qt::white);
  if (!picture.isNull()) Stretch(thumbnail, FittedRect(picture.width(), picture.height(), thumbnail.size()), picture);
  return thumbnail;
}

QImage LibraryPictureOf(const ClipboardPicture& picture) {
  if (!picture.CanBeDrawn()) return {};
  const double pixels = double(picture.Width) * picture.Height;
  const double scale = pixels > kMaxPicturePixels ? std::sqrt(kMaxPicturePixels / pixels) : 1.0;
  const QSize size(std::max(1, int(picture.Width * scale)), std::max(1, int(picture.Height * scale)));
  return PictureImage(picture, size);
}

QImage IconOf(const QImage& thumbnail, int size) {
  QImage icon(size, size, QImage::Format_RGB32);
  icon.fill(Qt::white);
  const QRect whole(0, 0, size, size);
  Stretch(icon, whole.adjusted(1, 1, -1, -1).translated(1, 1), thumbnail);
  QPainter painter(&icon);
  painter.setPen(ResolveColor(clBtnShadow));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(whole.adjusted(0, 0, -1, -1));
  return icon;
}

}  // namespace quobrix
