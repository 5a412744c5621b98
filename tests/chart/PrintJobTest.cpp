#include <gtest/gtest.h>

#include "chart/PrintJob.h"

namespace quobrix {
namespace {

// Lists what reaches the printer: "begin title", page numbers, "|" for a new sheet, "end".
class RecordingPrinter : public PrintDevice {
 public:
  std::vector<std::string> log;
  bool BeginJob(const std::string& title) override {
    log.push_back("begin " + title);
    return true;
  }
  void PrintPage(std::int32_t page) override { log.push_back(std::to_string(page)); }
  void NewSheet() override { log.push_back("|"); }
  bool EndJob() override {
    log.push_back("end");
    return true;
  }
};

using Log = std::vector<std::string>;

struct OrderCase {
  const char* name;
  std::int32_t first, last, copies;
  Log log;
};

class PrintOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(PrintOrder, EveryCopyOfAPageComesBeforeTheNextPage) {
  const OrderCase& c = GetParam();
  RecordingPrinter printer;
  EXPECT_TRUE(PrintPages(printer, "chart.qbs", c.first, c.last, c.copies));
  EXPECT_EQ(printer.log, c.log);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintOrder,
    ::testing::Values(
        OrderCase{"two_copies_of_pages_1_to_2", 1, 2, 2, {"begin chart.qbs", "1", "|", "1", "|", "2", "|", "2", "end"}},
        OrderCase{"two_copies_of_pages_2_to_3", 2, 3, 2, {"begin chart.qbs", "2", "|", "2", "|", "3", "|", "3", "end"}},
        OrderCase{"one_page_one_copy", 1, 1, 1, {"begin chart.qbs", "1", "end"}},
        OrderCase{"three_copies_of_one_page", 4, 4, 3, {"begin chart.qbs", "4", "|", "4", "|", "4", "end"}},
        OrderCase{"first_after_last_prints_nothing", 3, 2, 1, {}}, OrderCase{"no_copies_prints_nothing", 1, 2, 0, {}}),
    [](const ::testing::TestParamInfo<OrderCase>& param) { return std::string(param.param.name); });

class FailingPrinter : public RecordingPrinter {
 public:
  bool BeginJob(const std::string&) override { return false; }
};

TEST(PrintOrder, PrinterThatCannotStartPrintsNoPage) {
  FailingPrinter printer;
  EXPECT_FALSE(PrintPages(printer, "chart.qbs", 1, 2, 1));
  EXPECT_TRUE(printer.log.empty());
}

}  // namespace
}  // namespace quobrix
