#include "chart/PrintJob.h"

namespace quobrix {

bool PrintPages(PrintDevice& device, const std::string& title, std::int32_t first, std::int32_t last,
                std::int32_t copies) {
  if (first > last || copies < 1) return true;
  if (!device.BeginJob(title)) return false;
  for (std::int32_t page = first; page <= last; ++page) {
    for (std::int32_t copy = 1; copy <= copies; ++copy) {
      device.PrintPage(page);
      if (page != last || copy != copies) device.NewSheet();
    }
  }
  return device.EndJob();
}

}  // namespace quobrix
