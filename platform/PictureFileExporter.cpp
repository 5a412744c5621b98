#include "platform/PictureFileExporter.h"

#include <QBuffer>
#include <QPainter>

#include "chart/BlocksHolderModel.h"
#include "chart/DeviceGeometry.h"
#include "chart/FileIO.h"
#include "platform/EmfCanvas.h"
#include "platform/HeadlessGui.h"
#include "platform/PrinterPrintDevice.h"
#include "platform/QPainterCanvas.h"
#include "platform/SvgCanvas.h"
#include "render/ChartPicture.h"

namespace quobrix {

namespace {

constexpr int kJpegQuality = 90;
// A bitmap page beyond this (a damaged sheet size) is refused rather than
// allocated: an A0 sheet at screen resolution is 14 million pixels.
constexpr std::int64_t kMaxBitmapPixels = 100'000'000;

std::string ImageFile(const QImage& image, const char* format, int quality = -1) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (image.isNull() || !image.save(&buffer, format, quality)) return {};
  return bytes.toStdString();
}

bool WritePicture(const std::string& path, const std::string& bytes) {
  return !bytes.empty() && WriteFileAtomically(path, bytes);
}

}  // namespace

std::string EmfPicture(const BlocksHolderModel& chart) {
  // The whole frame takes the sheet colour, not only the first page.
  EmfCanvas canvas(chart.SheetWidth(), WrapMul(chart.SheetHeight(), chart.DocumentPages()), chart.HorzResolution());
  if (!DrawChartPicture(chart, canvas, chart.DocumentPages())) return {};
  return canvas.Finish();
}

QImage BitmapPicture(const BlocksHolderModel& chart) {
  const PictureSize size = PicturePageSize(chart);
  if (size.width < 1 || size.height < 1 || std::int64_t{size.width} * size.height > kMaxBitmapPixels) return {};
  QImage image(size.width, size.height, QImage::Format_RGB888);
  if (image.isNull()) return image;
  const auto dotsPerMetre = static_cast<int>(WrapMul(chart.HorzResolution(), 10));  // per 100 mm
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  QPainter painter(&image);
  QPainterCanvas canvas(painter);
  DrawFirstPagePicture(chart, canvas);
  return image;
}

bool WriteSvgPicture(const BlocksHolderModel& chart, const SvgCanvas::Sink& sink) {
  const PictureSize size = PictureSizeOfPages(chart, chart.DocumentPages());
  SvgCanvas canvas(size.width, size.height, chart.HorzResolution(), chart.FileName(), sink);
  return DrawChartPicture(chart, canvas, chart.DocumentPages()) && canvas.Finish();
}

bool PictureFileExporter::Export(const BlocksHolderModel& chart, const std::string& path,
                                 const std::string& upperExtension) {
  HeadlessGui gui;
  if (upperExtension == ".EMF") return WritePicture(path, EmfPicture(chart));
  if (upperExtension == ".BMP") return WritePicture(path, ImageFile(BitmapPicture(chart), "BMP"));
  if (upperExtension == ".PNG") return WritePicture(path, ImageFile(BitmapPicture(chart), "PNG"));
  if (upperExtension == ".JPG" || upperExtension == ".JPEG")
    return WritePicture(path, ImageFile(BitmapPicture(chart), "JPG", kJpegQuality));
  if (upperExtension == ".SVG") {
    // Streamed into the file: a picture of any size takes one buffer of memory.
    AtomicFileWriter file(path);
    return WriteSvgPicture(chart, [&](std::string_view piece) { return file.Write(piece); }) && file.Commit();
  }
  if (upperExtension == ".PDF") return PrintToPdf(chart, path, 1, chart.DocumentPages(), 1);
  return false;
}

}  // namespace quobrix
