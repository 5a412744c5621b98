#include "platform/PrinterPrintDevice.h"

#include <QPageSize>
#include <QTemporaryDir>

#include "chart/FileIO.h"

namespace quobrix {

namespace {

// A printout this long comes only from a damaged page count: it would run
// for hours and fill the disk, so it is refused.
constexpr std::int64_t kMaxPdfPages = 100'000;

}  // namespace

PrinterPrintDevice::PrinterPrintDevice(QPrinter& printer, const BlocksHolderModel& chart)
    : printer_(printer), chart_(chart) {}

bool PrinterPrintDevice::BeginJob(const std::string& title) {
  printer_.setDocName(QString::fromStdString(title));
  printer_.setCreator(QStringLiteral("Quobrix"));
  if (!painter_.begin(&printer_)) return false;
  canvas_.emplace(painter_);
  return true;
}

void PrinterPrintDevice::PrintPage(std::int32_t page) {
  chart_.PrintPage(*canvas_, printer_.width(), page, printer_.height());
}

void PrinterPrintDevice::NewSheet() { printer_.newPage(); }

bool PrinterPrintDevice::EndJob() {
  canvas_.reset();
  return painter_.end();
}

bool PrintToPdf(const BlocksHolderModel& chart, const std::string& path, std::int32_t first, std::int32_t last,
                std::int32_t copies) {
  if (first > last || copies < 1) return false;
  if ((std::int64_t{last} - first + 1) * copies > kMaxPdfPages) return false;
  // The printer writes by file name; the finished file then replaces `path`
  // in one step, with the permissions any saved file gets.
  const QTemporaryDir scratch;
  if (!scratch.isValid()) return false;
  const QString printed = scratch.filePath(QStringLiteral("printout.pdf"));
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    printer.setPageSize(QPageSize(QSizeF(chart.SheetWidth() / 100.0, chart.SheetHeight() / 100.0),
                                  QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    printer.setFullPage(true);
    PrinterPrintDevice device(printer, chart);
    if (!PrintPages(device, chart.FileName(), first, last, copies)) return false;
  }
  const auto bytes = ReadWholeFile(printed.toStdString());
  return bytes && WriteFileAtomically(path, *bytes);
}

}  // namespace quobrix
