// Command-line verbs that write pictures and printouts without a display.
#pragma once

#include <string>
#include <vector>

namespace quobrix {

// quobrix --export IN OUT: the chart IN as the picture OUT, by OUT's extension.
int ExportPicture(const std::string& in, const std::string& out);

// quobrix --print-pdf IN OUT.pdf [--from N] [--to M] [--copies K]: pages N..M
// (all by default), each K times (once by default), printed into OUT.pdf.
int PrintPdf(const std::vector<std::string>& args);

}  // namespace quobrix
