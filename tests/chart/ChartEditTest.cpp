#include "chart/ChartEdit.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "chart/BlocksHolderModel.h"
#include "support/NoticeLog.h"

namespace quobrix {
namespace {

class Edit : public ::testing::Test {
 protected:
  Edit() {
    chart.AddDefaultBlock(btRectangle, 0, 0, 2000, 1000);
    chart.SetActiveBlock(1);
    chart.SetModified(false);
  }

  void Type(char ch, EditKey key) {
    ChartEdit edit(chart, key);
    chart.TextCaretPos() = static_cast<std::uint16_t>(chart.Blocks(1).Text.size() + 1);
    chart.InsertTextAtCaret(ch);
  }

  BlocksHolderModel chart;
};

TEST_F(Edit, HoldsItsNoticesAndSendsEachOnceWhenItEnds) {
  test::NoticeLog log(chart);
  {
    ChartEdit edit(chart);
    chart.SetSheetColor(0x0000FF);
    chart.AddDefaultBlock(btCircle, 0, 3000, 500, 500);
    chart.AddDefaultBlock(btCircle, 0, 4000, 500, 500);
    chart.SetAuthor("me");
    EXPECT_TRUE(log.notices.empty());
  }
  EXPECT_EQ(log.Count(StructureChange::Added), 1);
  EXPECT_EQ(log.Count(ViewChange::Sheet), 1);
  EXPECT_EQ(log.Count(ChartChange::History), 1);
  EXPECT_EQ(log.Count(ChartChange::Modified), 1);
  EXPECT_EQ(chart.History().FUndoCount(), 1);
}

TEST_F(Edit, ThatChangesNothingRecordsNothingAndKeepsTheRedoList) {
  chart.SetBlockMC(0x0000FF);
  chart.Undo();
  ASSERT_TRUE(chart.History().CanRedo());
  test::NoticeLog log(chart);
  {
    ChartEdit edit(chart, EditKey::New());
    chart.ChangeSheetColor(chart.SheetColor());
    chart.SetBlockMC(chart.Blocks(1).MC);
    chart.ChangeDocumentInfo(chart.Author(), chart.Organization(), chart.Description());
  }
  EXPECT_TRUE(log.notices.empty());
  EXPECT_EQ(chart.History().FUndoCount(), 0);
  EXPECT_TRUE(chart.History().CanRedo());
  EXPECT_FALSE(chart.FModified());
}

TEST_F(Edit, TypingUnderOneKeySharesOneUndoPointAndAnotherKeyStartsAnother) {
  const EditKey stretch = EditKey::New();
  for (char ch : std::string("0123456789")) Type(ch, stretch);
  EXPECT_EQ(chart.Blocks(1).Text, "0123456789");
  EXPECT_EQ(chart.History().FUndoCount(), 1);

  Type('a', EditKey::New());
  Type('b', EditKey::New());
  EXPECT_EQ(chart.History().FUndoCount(), 3);
  // The stretch broken by other edits starts a point again.
  Type('c', stretch);
  EXPECT_EQ(chart.History().FUndoCount(), 4);

  for (int i = 0; i < 3; ++i) chart.Undo();
  EXPECT_EQ(chart.Blocks(1).Text, "0123456789");
  chart.Undo();
  EXPECT_EQ(chart.Blocks(1).Text, "");
  EXPECT_FALSE(chart.FModified());
}

TEST_F(Edit, StepsOfOneGestureShareAnUndoPointAndAClickRecordsNone) {
  chart.History().BeginGesture();
  chart.History().EndGesture();
  EXPECT_EQ(chart.History().FUndoCount(), 0);

  chart.History().BeginGesture();
  for (int step = 0; step < 20; ++step) chart.MoveActiveBlock(100, 0, false);
  chart.History().EndGesture();
  chart.MoveActiveBlock(100, 0, false);
  EXPECT_EQ(chart.History().FUndoCount(), 2);
  chart.Undo();
  chart.Undo();
  EXPECT_EQ(chart.Blocks(1).X, 0);
}

TEST_F(Edit, AFailureInsideAJoinedEditPutsTheWholeEditBack) {
  const std::string before = chart.EditedStateText();
  {
    ChartEdit outer(chart);
    chart.AddDefaultBlock(btCircle, 0, 3000, 500, 500);
    try {
      ChartEdit inner(chart);
      chart.SetSheetColor(0x0000FF);
      throw std::runtime_error("halfway");
    } catch (const std::runtime_error&) {
    }
    chart.SetAuthor("me");
  }
  EXPECT_EQ(chart.EditedStateText(), before);
  EXPECT_EQ(chart.History().FUndoCount(), 0);
  EXPECT_FALSE(chart.FModified());
}

TEST_F(Edit, AFailureWithAFullHistoryKeepsItsOldestPoint) {
  const std::string oldest = chart.EditedStateText();
  for (int i = 0; i < UndoHistory::kUndoDepth; ++i) Type('x', EditKey::New());
  const std::string before = chart.EditedStateText();
  try {
    ChartEdit edit(chart);
    chart.DeleteActiveBlock(true);
    throw std::runtime_error("halfway");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(chart.EditedStateText(), before);
  EXPECT_EQ(chart.ActiveBlock(), 1);
  ASSERT_EQ(chart.History().FUndoCount(), UndoHistory::kUndoDepth);
  for (int i = 0; i < UndoHistory::kUndoDepth; ++i) chart.Undo();
  EXPECT_EQ(chart.EditedStateText(), oldest);
}

}  // namespace
}  // namespace quobrix
