#include "chart/PrintJob.h"

#include "chart/WorkProgress.h"

namespace quobrix {

bool PrintPages(PrintDevice& device, const std::string& title, std::int32_t first, std::int32_t last,
                std::int32_t copies) {
  if (first > last || copies < 1) return true;
  if (!device.BeginJob(title)) return false;
  // Every copy of a page comes before the next page.
  const std::int64_t sheets = (std::int64_t{last} - first + 1) * copies;
  for (std::int64_t sheet = 0;; ++sheet) {
    if (!ReportProgress(sheet, sheets)) {
      device.AbortJob();
      return false;
    }
    if (sheet == sheets) return device.EndJob();
    if (sheet != 0) device.NewSheet();
    device.PrintPage(first + static_cast<std::int32_t>(sheet / copies));
  }
}

}  // namespace quobrix
