#include <gtest/gtest.h>

#include "chart/BlocksHolderModel.h"
#include "support/NoticeLog.h"

namespace quobrix {
namespace {

class SheetCommands : public ::testing::Test {
 protected:
  BlocksHolderModel chart;
};

TEST_F(SheetCommands, ASheetSizeChangesBothSidesAsOneUndoStep) {
  ASSERT_TRUE(chart.ChangeSheetSize(15000, 20000));
  EXPECT_EQ(chart.SheetWidth(), 15000);
  EXPECT_EQ(chart.SheetHeight(), 20000);
  EXPECT_TRUE(chart.FModified());
  EXPECT_EQ(chart.History().FUndoCount(), 1);

  chart.Undo();
  EXPECT_EQ(chart.SheetWidth(), 21000);
  EXPECT_EQ(chart.SheetHeight(), 29700);
}

TEST_F(SheetCommands, ASideOutsideOneMillimetreToAHundredMetresChangesNothing) {
  test::NoticeLog log(chart);
  for (auto [w, h] : {std::pair<std::int64_t, std::int64_t>{15000, 99},
                      {99, 15000},
                      {0, 0},
                      {-15000, 15000},
                      {15000, kLargestSheetSide + 1}}) {
    EXPECT_FALSE(chart.ChangeSheetSize(w, h)) << w << " x " << h;
  }
  EXPECT_EQ(chart.SheetWidth(), 21000);
  EXPECT_EQ(chart.SheetHeight(), 29700);
  EXPECT_FALSE(chart.FModified());
  EXPECT_EQ(chart.History().FUndoCount(), 0);
  EXPECT_TRUE(log.notices.empty());

  EXPECT_TRUE(chart.ChangeSheetSize(kSmallestSheetSide, kLargestSheetSide));
}

TEST_F(SheetCommands, PageSetupTakesSizeAndMarginsTogetherAndUndoGivesTheSizeBack) {
  ASSERT_TRUE(chart.ChangePageSetup(29700, 21000, {.Left = 500, .Right = 600, .Top = 700, .Bottom = 800}));
  EXPECT_EQ(chart.SheetWidth(), 29700);
  EXPECT_EQ(chart.SheetHeight(), 21000);
  EXPECT_EQ(chart.FSheetMargins().Left, 500);
  EXPECT_EQ(chart.FSheetMargins().Right, 600);
  EXPECT_EQ(chart.FSheetMargins().Top, 700);
  EXPECT_EQ(chart.FSheetMargins().Bottom, 800);
  EXPECT_EQ(chart.History().FUndoCount(), 1);
  chart.Undo();
  EXPECT_EQ(chart.SheetWidth(), 21000);
}

TEST_F(SheetCommands, ANegativeMarginRefusesTheWholePageSetup) {
  EXPECT_FALSE(chart.ChangePageSetup(15000, 15000, {.Left = -1}));
  EXPECT_EQ(chart.SheetWidth(), 21000);
  EXPECT_EQ(chart.FSheetMargins().Left, 1000);
  EXPECT_EQ(chart.History().FUndoCount(), 0);
}

TEST_F(SheetCommands, DocumentInfoIsOneUndoStepAndAnUnchangedOneRecordsNothing) {
  chart.ChangeDocumentInfo("Иванов", "НИИ", "Первая\r\nвторая");
  EXPECT_EQ(chart.Author(), "Иванов");
  EXPECT_EQ(chart.Organization(), "НИИ");
  EXPECT_EQ(chart.Description(), "Первая\r\nвторая");
  EXPECT_EQ(chart.History().FUndoCount(), 1);

  chart.ChangeDocumentInfo("Иванов", "НИИ", "Первая\r\nвторая");
  EXPECT_EQ(chart.History().FUndoCount(), 1);

  chart.Undo();
  EXPECT_EQ(chart.Author(), "");
  EXPECT_EQ(chart.Description(), "");
}

}  // namespace
}  // namespace quobrix
