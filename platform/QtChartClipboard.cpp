#include "platform/QtChartClipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <new>

#include "platform/EmfCanvas.h"
#include "platform/QPainterCanvas.h"
#include "render/BlockPicture.h"

namespace quobrix {

namespace {

// Larger bitmaps are left off the clipboard rather than allocated.
constexpr std::int64_t kMaxBitmapPixels = 50'000'000;

QImage BitmapOf(const ClipboardPicture& picture) {
  if (std::int64_t{picture.Width} * picture.Height > kMaxBitmapPixels) return {};
  return PictureImage(picture, QSize(picture.Width, picture.Height));
}

QByteArray PngOf(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return {};
  return bytes;
}

QByteArray MetafileOf(const ClipboardPicture& picture) {
  if (!picture.CanBeDrawn()) return {};
  // The frame is the picture's size in hundredths of a millimetre.
  EmfCanvas canvas(std::int64_t{picture.Width} * 10000 / picture.Resolution,
                   std::int64_t{picture.Height} * 10000 / picture.Resolution, picture.Resolution);
  DrawPicture(picture, canvas);
  const std::string bytes = canvas.Finish();
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// A picture that cannot be made is left out; the others still go on.
template <typename Make>
auto OrNothing(Make make) -> decltype(make()) {
  try {
    return make();
  } catch (const std::bad_alloc&) {
    return {};
  }
}

}  // namespace

QImage PictureImage(const ClipboardPicture& picture, QSize size) {
  if (!picture.CanBeDrawn() || size.isEmpty()) return {};
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return image;
  image.fill(Qt::white);
  const auto dotsPerMetre = static_cast<int>(picture.Resolution * 10);  // resolution is per 100 mm
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  QPainter painter(&image);
  if (size != QSize(picture.Width, picture.Height))
    painter.scale(qreal(size.width()) / picture.Width, qreal(size.height()) / picture.Height);
  QPainterCanvas canvas(painter);
  DrawPicture(picture, canvas);
  return image;
}

std::unique_ptr<QMimeData> ClipboardMimeData(const ClipboardContents& contents) {
  auto data = std::make_unique<QMimeData>();
  const QImage bitmap = OrNothing([&] { return BitmapOf(contents.Bitmap); });
  if (!bitmap.isNull()) {
    data->setImageData(bitmap);
    if (const QByteArray png = OrNothing([&] { return PngOf(bitmap); }); !png.isEmpty())
      data->setData(kPngMimeType, png);
  }
  if (const QByteArray emf = OrNothing([&] { return MetafileOf(contents.Metafile); }); !emf.isEmpty())
    for (const char* type : kEmfMimeTypes) data->setData(type, emf);
  data->setData(kFragmentMimeType,
                QByteArray(contents.Fragment.data(), static_cast<qsizetype>(contents.Fragment.size())));
  return data;
}

std::optional<std::string> FragmentFrom(const QMimeData* data) {
  if (!data || !data->hasFormat(kFragmentMimeType)) return std::nullopt;
  const QByteArray bytes = data->data(kFragmentMimeType);
  const qsizetype end = bytes.indexOf('\0');
  return std::string(bytes.constData(), static_cast<std::size_t>(end < 0 ? bytes.size() : end));
}

bool QtChartClipboard::Put(const ClipboardContents& contents) {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return false;
  QGuiApplication::clipboard()->setMimeData(ClipboardMimeData(contents).release());
  return true;
}

std::optional<std::string> QtChartClipboard::Fragment() {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return std::nullopt;
  return FragmentFrom(QGuiApplication::clipboard()->mimeData());
}

}  // namespace quobrix
