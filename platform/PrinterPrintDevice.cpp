#include "platform/PrinterPrintDevice.h"

#include <QPageSize>
#include <QPrinterInfo>
#include <fstream>
#include <string_view>

#include "chart/FileIO.h"
#include "render/PageDrawing.h"

namespace quobrix {

namespace {

// The printer does not report failed writes (a full disk): a PDF written to
// its end closes with the end-of-file marker, one cut short does not.
bool EndsWithPdfTrailer(const std::string& path) {
  constexpr std::string_view kTrailer = "%%EOF";
  constexpr std::streamoff kTail = 16;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  const std::streamoff size = in.tellg();
  if (!in || size < kTail) return false;
  std::string tail(static_cast<std::size_t>(kTail), '\0');
  in.seekg(size - kTail);
  if (!in.read(tail.data(), kTail)) return false;
  return tail.find(kTrailer) != std::string::npos;
}

}  // namespace

PrinterPrintDevice::PrinterPrintDevice(QPrinter& printer, const BlocksHolderModel& chart)
    : printer_(printer), chart_(chart) {}

bool PrinterPrintDevice::BeginJob(const std::string& title) {
  // The toolkit hands a printout to the system's printer only once it is
  // drawn, and never says when that fails: a printer that has gone or
  // stopped since it was chosen is refused before anything is drawn.
  if (printer_.outputFormat() == QPrinter::NativeFormat) {
    const QPrinterInfo target = QPrinterInfo::printerInfo(printer_.printerName());
    if (target.isNull() || target.state() == QPrinter::Error) return false;
  }
  printer_.setDocName(QString::fromStdString(title));
  printer_.setCreator(QStringLiteral("Quobrix"));
  if (!painter_.begin(&printer_)) return false;
  canvas_.emplace(painter_);
  pageBlocks_.emplace(chart_);
  return true;
}

void PrinterPrintDevice::PrintPage(std::int32_t page) {
  quobrix::PrintPage(chart_, *canvas_, printer_.width(), page, printer_.height(), *pageBlocks_);
}

void PrinterPrintDevice::NewSheet() { printer_.newPage(); }

bool PrinterPrintDevice::EndJob() {
  pageBlocks_.reset();
  canvas_.reset();
  return painter_.end();
}

void PrinterPrintDevice::AbortJob() {
  printer_.abort();
  pageBlocks_.reset();
  canvas_.reset();
  if (painter_.isActive()) painter_.end();
}

bool PrintToPdf(const BlocksHolderModel& chart, const std::string& path, std::int32_t first, std::int32_t last,
                std::int32_t copies) {
  if (first > last || copies < 1) return false;
  if (IsOverlongPrintout(first, last, copies)) return false;
  // The printer writes by file name: it writes the temporary file that
  // replaces `path` once the printout is complete.
  AtomicFileWriter file(path);
  if (!file.Ok()) return false;
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file.TemporaryPath()));
    printer.setPageSize(QPageSize(QSizeF(chart.SheetWidth() / 100.0, chart.SheetHeight() / 100.0),
                                  QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    printer.setFullPage(true);
    PrinterPrintDevice device(printer, chart);
    if (!PrintPages(device, chart.FileName(), first, last, copies)) return false;
  }
  return EndsWithPdfTrailer(file.TemporaryPath()) && file.Commit();
}

}  // namespace quobrix
