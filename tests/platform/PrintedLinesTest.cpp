// A printed page against the screen: the PDF is rasterised by an independent
// reader, and the ink along a symbol's outline and in an arrow head is
// measured in millimetres on both, so paper of any resolution compares with
// the screen at 100 %.
#include <gtest/gtest.h>

#include "chart/BlocksHolderModel.h"
#include "platform/ExternalTool.h"
#include "platform/PictureFileExporter.h"
#include "platform/PrinterPrintDevice.h"
#include "support/ChartBuilder.h"
#include "support/PageInk.h"
#include "support/TempDir.h"

namespace quobrix {
namespace {

// Fine enough that the reader draws a printer's hairline at its own width.
constexpr double kReadDpi = 600;
constexpr double kMmPerInch = 25.4;
// The printed page is read only over this part, in millimetres.
const QRectF kReadArea(20, 20, 140, 90);

using test::Ink;
using Picture = test::PagePicture;

class PrintedLines : public ::testing::Test {
 protected:
  // Rectangles of the given line widths side by side, 20 mm wide and 30 mm
  // high from (30 mm, 30 mm), each over a line of that width 45 mm lower
  // with an arrow at its right end.
  void SetUp() override {
    for (std::size_t i = 0; i < kWidths.size(); ++i) {
      const std::int64_t x = 3000 + 4000 * static_cast<std::int64_t>(i);
      chart_.Blocks(test::AddRect(chart_, x, 3000, 2000, 3000)).BW = kWidths[i];
      TBlock& line = chart_.Blocks(chart_.AddDefaultBlock(btLine, x, 7500, 2000, 0));
      line.BW = kWidths[i];
      line.LineArrows = blaEndArrow;
    }
  }

  Picture Screen() const { return {BitmapPicture(chart_), chart_.HorzResolution() / 100.0, {0, 0}}; }

  Picture Printed() {
    const std::string pdf = dir_.File("page.pdf");
    EXPECT_TRUE(PrintToPdf(chart_, pdf, 1, 1, 1));
    const double pixelsPerMm = kReadDpi / kMmPerInch;
    const QRect area((kReadArea.topLeft() * pixelsPerMm).toPoint(), (kReadArea.size() * pixelsPerMm).toSize());
    EXPECT_TRUE(test::RunTool("pdftoppm -gray -singlefile -r " + std::to_string(static_cast<int>(kReadDpi)) + " -x " +
                              std::to_string(area.x()) + " -y " + std::to_string(area.y()) + " -W " +
                              std::to_string(area.width()) + " -H " + std::to_string(area.height()) + " " +
                              test::Quoted(pdf) + " " + test::Quoted(dir_.File("page"))));
    return {QImage(QString::fromStdString(dir_.File("page.pgm"))), pixelsPerMm, kReadArea.topLeft()};
  }

  static constexpr std::array<std::int64_t, 3> kWidths{1, 30, 100};
  BlocksHolderModel chart_;
  test::TempDir dir_;
};

TEST_F(PrintedLines, CarryAsMuchInkAsTheScreenShowsAt100Percent) {
  if (!test::HaveTool("pdftoppm")) GTEST_SKIP() << "poppler-utils are not installed";
  const Picture screen = Screen();
  const Picture printed = Printed();
  ASSERT_FALSE(printed.image.isNull());
  for (std::size_t i = 0; i < kWidths.size(); ++i) {
    SCOPED_TRACE("line width " + std::to_string(kWidths[i]));
    const double left = 30 + 40.0 * static_cast<double>(i);
    // 10 mm of the rectangle's left side, away from its corners.
    const QRectF side(left - 3, 40, 6, 10);
    const double screenWidth = Ink(screen, side) / side.height();
    const double printedWidth = Ink(printed, side) / side.height();
    EXPECT_GT(printedWidth, 0.75 * screenWidth) << printedWidth << " mm printed, " << screenWidth << " mm on screen";
    EXPECT_LT(printedWidth, 1.5 * screenWidth) << printedWidth << " mm printed, " << screenWidth << " mm on screen";
    // The arrow head with the last few millimetres of its line.
    const QRectF head(left + 14, 72, 9, 6);
    EXPECT_GT(Ink(printed, head), 0.75 * Ink(screen, head));
    EXPECT_LT(Ink(printed, head), 1.5 * Ink(screen, head));
  }
}

}  // namespace
}  // namespace quobrix
