#include <gtest/gtest.h>

#include "chart/PrintJob.h"
#include "support/RecordingProgress.h"

namespace quobrix {
namespace {

using testsupport::RecordingProgress;

// Lists what reaches the printer: "begin title", page numbers, "|" for a new
// sheet, "end", or "abort" for a job dropped.
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
  void AbortJob() override { log.push_back("abort"); }
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
  RecordingProgress progress;
  EXPECT_TRUE(PrintPages(printer, "chart.qbs", c.first, c.last, c.copies));
  EXPECT_EQ(printer.log, c.log);
  // The progress counts every sheet from none to all of them.
  const auto sheets = static_cast<std::int64_t>(std::count(c.log.begin(), c.log.end(), "|")) + (c.log.empty() ? 0 : 1);
  ASSERT_EQ(progress.steps.size(), c.log.empty() ? 0u : static_cast<std::size_t>(sheets) + 1);
  for (std::size_t i = 0; i < progress.steps.size(); ++i)
    EXPECT_EQ(progress.steps[i], std::make_pair(static_cast<std::int64_t>(i), sheets));
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

TEST(PrintOrder, CancellingDropsTheJobBeforeTheNextSheet) {
  RecordingPrinter printer;
  RecordingProgress progress(2);
  EXPECT_FALSE(PrintPages(printer, "chart.qbs", 1, 2, 2));
  EXPECT_EQ(printer.log, (Log{"begin chart.qbs", "1", "|", "1", "abort"}));
}

TEST(PrintOrder, CancellingAfterTheLastSheetStillDropsTheJob) {
  RecordingPrinter printer;
  RecordingProgress progress(1);
  EXPECT_FALSE(PrintPages(printer, "chart.qbs", 3, 3, 1));
  EXPECT_EQ(printer.log, (Log{"begin chart.qbs", "3", "abort"}));
}

}  // namespace
}  // namespace quobrix
