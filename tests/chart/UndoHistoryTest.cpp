#include <gtest/gtest.h>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartClipboard.h"
#include "chart/ChartEdit.h"
#include "support/NoticeLog.h"
#include "support/TempDir.h"

namespace quobrix {
namespace {

class Undo : public ::testing::Test {
 protected:
  test::TempDir folder;
  BlocksHolderModel chart;

  // One recorded edit: a block more.
  void AddBlockAsAnEdit() {
    ChartEdit edit(chart);
    chart.AddDefaultBlock(btRectangle, 1000 * chart.BlockCount(), 0, 500, 500);
  }
};

TEST_F(Undo, AnEleventhEditDropsTheOldestPointAndKeepsTen) {
  for (int i = 0; i < 11; ++i) AddBlockAsAnEdit();

  EXPECT_EQ(chart.History().FUndoCount(), 10);
  for (int i = 0; i < 11; ++i) chart.Undo();
  EXPECT_EQ(chart.BlockCount(), 1);
}

TEST_F(Undo, TenUndosGiveBackTheTenEarlierStatesNewestFirstAndAnEleventhDoesNothing) {
  for (int i = 0; i < 12; ++i) AddBlockAsAnEdit();
  for (int expected = 11; expected >= 2; --expected) {
    chart.Undo();
    EXPECT_EQ(chart.BlockCount(), expected);
  }
  EXPECT_EQ(chart.History().FUndoCount(), 0);

  chart.Undo();
  EXPECT_EQ(chart.BlockCount(), 2);
  EXPECT_EQ(chart.History().RedoCount(), 10);
}

TEST_F(Undo, UndoRightAfterOpeningAChartDoesNothing) {
  chart.AddDefaultBlock(btRectangle, 0, 0, 500, 500);
  const std::string path = folder.File("opened.qbs");
  ASSERT_TRUE(chart.SaveToFile(path));
  BlocksHolderModel opened;
  ASSERT_TRUE(opened.LoadFromFile(path));

  opened.Undo();

  EXPECT_EQ(opened.BlockCount(), 1);
  EXPECT_EQ(opened.FileName(), path);
}

// The chart was marked saved after the edit, so the state undo brings back
// is not the saved one: it has unsaved changes.
TEST_F(Undo, UndoKeepsTheFileNameMarksUnsavedChangesAndDropsTheSelectionSilently) {
  chart.SetFileName("/charts/mine.qbs");
  chart.AddDefaultBlock(btRectangle, 0, 0, 500, 500);
  chart.SetActiveBlock(1);
  chart.SetBlockMC(0x0000FF);
  chart.SetModified(false);
  int notifications = 0;
  const auto watch = test::OnActiveBlockChanged(chart, [&](std::int64_t) { ++notifications; });

  chart.Undo();

  EXPECT_EQ(chart.Blocks(1).MC, clWhite);
  EXPECT_EQ(chart.FileName(), "/charts/mine.qbs");
  EXPECT_TRUE(chart.FModified());
  EXPECT_EQ(chart.ActiveBlock(), 0);
  EXPECT_EQ(notifications, 0);
}

TEST_F(Undo, TwoChartsNeverTouchEachOthersHistory) {
  BlocksHolderModel other;
  AddBlockAsAnEdit();
  {
    ChartEdit edit(other);
    other.AddDefaultBlock(btEllipse, 0, 0, 500, 500);
  }
  chart.Undo();
  EXPECT_EQ(chart.BlockCount(), 0);
  EXPECT_EQ(other.BlockCount(), 1);
  EXPECT_EQ(other.History().FUndoCount(), 1);
  EXPECT_FALSE(other.History().CanRedo());
}

TEST_F(Undo, DiagnosticMessagesNameTheBlockCount) {
  std::vector<std::string> messages;
  chart.SetDebugMessages(true);
  const auto watch = test::OnDebug(chart, [&](const std::string& msg) { messages.push_back(msg); });
  chart.AddDefaultBlock(btRectangle, 0, 0, 500, 500);

  AddBlockAsAnEdit();
  chart.Undo();

  EXPECT_EQ(messages, (std::vector<std::string>{"К-во блоков = 1"}));
}

TEST_F(Undo, UndoAfterCutGivesTheStateJustBeforeTheCut) {
  struct NullClipboard : ChartClipboard {
    bool Put(const ClipboardContents&) override { return true; }
    std::optional<std::string> Fragment() override { return std::nullopt; }
  } clipboard;
  chart.AddDefaultBlock(btRectangle, 0, 0, 500, 500);
  chart.AddDefaultBlock(btEllipse, 1000, 0, 500, 500);
  chart.SetActiveBlock(1);
  chart.SetBlockMC(0x0000FF);

  ASSERT_TRUE(chart.CutToClipboard(clipboard));
  ASSERT_EQ(chart.BlockCount(), 1);
  chart.Undo();

  ASSERT_EQ(chart.BlockCount(), 2);
  EXPECT_EQ(chart.Blocks(1).MC, 0x0000FF);
}

// One press-to-release gesture is at most one undo point.
TEST_F(Undo, AGestureThatChangesNothingLeavesNoUndoPointAndNoUnsavedWork) {
  chart.AddDefaultBlock(btRectangle, 0, 0, 500, 500);
  chart.SetModified(false);
  chart.SetActiveBlock(1);
  chart.History().BeginGesture();
  chart.MoveActiveBlock(0, 0, true);
  chart.History().EndGesture();
  EXPECT_EQ(chart.History().FUndoCount(), 0);
  EXPECT_FALSE(chart.FModified());
}

TEST_F(Undo, AGestureOfManyChangesIsOneUndoPointBackToTheStateAtItsStart) {
  for (int i = 0; i < 9; ++i) AddBlockAsAnEdit();
  chart.SetActiveBlock(1);
  chart.History().BeginGesture();
  for (int step = 1; step <= 30; ++step) {
    chart.MoveActiveBlock(10, 0, true);
    chart.SetBlockMC(static_cast<TColor>(step));
  }
  chart.History().EndGesture();
  EXPECT_EQ(chart.History().FUndoCount(), 10);
  EXPECT_TRUE(chart.FModified());
  chart.Undo();
  EXPECT_EQ(chart.Blocks(1).X, 0);
  EXPECT_EQ(chart.Blocks(1).MC, clWhite);
  chart.Undo();
  EXPECT_EQ(chart.BlockCount(), 8) << "the earlier edits are still in the history";
}

}  // namespace
}  // namespace quobrix

namespace quobrix {
namespace {

TEST_F(Undo, ASheetColourChangeIsUndoneAndTheSameColourRecordsNothing) {
  chart.SetModified(false);
  const TColor before = chart.SheetColor();
  chart.ChangeSheetColor(before);
  EXPECT_EQ(chart.History().FUndoCount(), 0);
  EXPECT_FALSE(chart.FModified());

  chart.ChangeSheetColor(0x00FFFF);
  EXPECT_TRUE(chart.FModified());
  chart.History().Undo();
  EXPECT_EQ(chart.SheetColor(), before);
}

}  // namespace
}  // namespace quobrix
