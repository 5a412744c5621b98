// Prints chart pages on a toolkit printer: a real printer or PDF output.
#pragma once

#include <QPainter>
#include <QPrinter>
#include <optional>

#include "chart/BlocksHolderModel.h"
#include "chart/PageBlocks.h"
#include "chart/PrintJob.h"
#include "platform/QPainterCanvas.h"

namespace quobrix {

class PrinterPrintDevice : public PrintDevice {
 public:
  PrinterPrintDevice(QPrinter& printer, const BlocksHolderModel& chart);

  // False as well when the system's printer named has gone or stopped.
  bool BeginJob(const std::string& title) override;
  // Draws the page over the printer's whole page area.
  void PrintPage(std::int32_t page) override;
  void NewSheet() override;
  bool EndJob() override;
  void AbortJob() override;

 private:
  QPrinter& printer_;
  const BlocksHolderModel& chart_;
  QPainter painter_;
  std::optional<QPainterCanvas> canvas_;
  std::optional<PageBlocks> pageBlocks_;
};

// Whether printing pages first..last `copies` times each would run past
// 100 000 sheets: only a damaged page count asks for that, and the printout
// would run for hours and fill the disk, so it is refused.
constexpr bool IsOverlongPrintout(std::int32_t first, std::int32_t last, std::int32_t copies) {
  return (std::int64_t{last} - first + 1) * copies > 100'000;
}

// Prints pages first..last, `copies` times each, into a PDF file on paper of
// the sheet's size, one PDF page per printed page, titled with the chart's
// file name. The previous file stays until the new one is complete, and
// stays when the installed progress cancels. False when nothing is printed,
// when the printout is cancelled, when the printout would be longer than any real
// chart (a damaged page count) or the file cannot be written.
bool PrintToPdf(const BlocksHolderModel& chart, const std::string& path, std::int32_t first, std::int32_t last,
                std::int32_t copies);

}  // namespace quobrix
