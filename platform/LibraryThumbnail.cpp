#include "platform/LibraryThumbnail.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartClipboard.h"
#include "chart/CoordinateMath.h"
#include "platform/QtChartClipboard.h"
#include "platform/SystemColors.h"
#include "platform/UserLibraryFiles.h"

namespace quobrix {

namespace {

// The copy's bitmap resolution: three times the screen's.
constexpr std::int64_t kLargestResolution = 3 * 378;
// A picture has this many pixels beyond its block's extent.
constexpr std::int64_t kPictureMargin = 5;

// n / d rounded to the nearest integer, halves to even; n >= 0, d > 0.
int RoundedQuotient(std::int64_t n, std::int64_t d) {
  const std::int64_t q = n / d, twice = 2 * (n % d);
  return static_cast<int>(twice > d || (twice == d && q % 2 == 1) ? q + 1 : q);
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

QImage ThumbnailOf(const ClipboardPicture& picture) {
  if (!picture.CanBeDrawn()) return {};
  QImage thumbnail(kThumbnailSize, kThumbnailSize, QImage::Format_RGB32);
  thumbnail.fill(Qt::white);
  const QRect fitted = FittedRect(picture.Width, picture.Height, thumbnail.size());
  // A side that rounds to nothing still shows as a line of one pixel.
  const QImage drawn = PictureImage(picture, fitted.size().expandedTo(QSize(1, 1)));
  QPainter(&thumbnail).drawImage(fitted.topLeft(), drawn);
  return thumbnail;
}

QImage ThumbnailOfBlock(const BlocksHolderModel& chart, const TBlock& block) {
  const std::uint64_t extent = std::max(Magnitude(block.W), Magnitude(block.H));
  const std::uint64_t fitting = (kThumbnailSize - kPictureMargin) * std::uint64_t{10000} / std::max<std::uint64_t>(extent, 1);
  const auto resolution = static_cast<std::int64_t>(std::clamp<std::uint64_t>(fitting, 1, kLargestResolution));
  return ThumbnailOf(chart.PictureOfBlock(block, resolution));
}

QImage IconOf(const QImage& thumbnail, int size) {
  QImage icon(size, size, QImage::Format_RGB32);
  icon.fill(Qt::white);
  const QRect whole(0, 0, size, size);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(whole.adjusted(1, 1, -1, -1).translated(1, 1), thumbnail);
  painter.setPen(ResolveColor(clBtnShadow));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(whole.adjusted(0, 0, -1, -1));
  return icon;
}

}  // namespace quobrix
