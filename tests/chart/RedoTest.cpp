#include <gtest/gtest.h>


#include "chart/BlocksHolderModel.h"
#include "chart/ChartEdit.h"
#include "support/NoticeLog.h"
#include "support/TempDir.h"

namespace quobrix {
namespace {


class Redo : public ::testing::Test {
 protected:
  test::TempDir folder;
  BlocksHolderModel chart;

  // One recorded edit: a block more.
  void AddBlockAsAnEdit() {
    ChartEdit edit(chart);
    chart.AddDefaultBlock(btRectangle, 1000 * chart.BlockCount(), 0, 500, 500);
  }
  void WidenFirstBlock(std::int64_t w) {
    chart.SetActiveBlock(1);
    chart.SetBlockW(w);
  }
};

TEST_F(Redo, AfterOneUndoGivesBackTheUndoneEdit) {
  AddBlockAsAnEdit();
  AddBlockAsAnEdit();
  chart.Undo();
  ASSERT_EQ(chart.BlockCount(), 1);
  ASSERT_TRUE(chart.History().CanRedo());

  chart.Redo();

  EXPECT_EQ(chart.BlockCount(), 2);
  EXPECT_FALSE(chart.History().CanRedo());
  // Redo records an undo point: the redone edit can be undone again.
  EXPECT_EQ(chart.History().FUndoCount(), 2);
  chart.Undo();
  EXPECT_EQ(chart.BlockCount(), 1);
}

TEST_F(Redo, AfterSeveralUndosStepsForwardThroughTheSameStates) {
  for (int i = 0; i < 4; ++i) AddBlockAsAnEdit();
  for (int i = 0; i < 3; ++i) chart.Undo();
  ASSERT_EQ(chart.BlockCount(), 1);
  EXPECT_EQ(chart.History().RedoCount(), 3);

  for (int expected = 2; expected <= 4; ++expected) {
    chart.Redo();
    EXPECT_EQ(chart.BlockCount(), expected);
  }
  chart.Redo();
  EXPECT_EQ(chart.BlockCount(), 4);
  for (int expected = 3; expected >= 0; --expected) {
    chart.Undo();
    EXPECT_EQ(chart.BlockCount(), expected);
  }
}

TEST_F(Redo, ANewEditForgetsTheRedoList) {
  AddBlockAsAnEdit();
  AddBlockAsAnEdit();
  chart.Undo();
  chart.Undo();
  ASSERT_EQ(chart.History().RedoCount(), 2);

  AddBlockAsAnEdit();

  EXPECT_FALSE(chart.History().CanRedo());
  chart.Redo();
  EXPECT_EQ(chart.BlockCount(), 1);
}

// A click on a block opens a gesture; only a change during it is an edit.
TEST_F(Redo, AGestureThatChangesNothingKeepsTheRedoListAndOneThatDragsForgetsIt) {
  AddBlockAsAnEdit();
  AddBlockAsAnEdit();
  chart.Undo();
  chart.SetActiveBlock(1);

  chart.History().BeginGesture();
  chart.MoveActiveBlock(0, 0, true);
  chart.History().EndGesture();
  ASSERT_TRUE(chart.History().CanRedo());

  chart.History().BeginGesture();
  chart.MoveActiveBlock(10, 0, true);
  chart.History().EndGesture();
  EXPECT_FALSE(chart.History().CanRedo());
  chart.Undo();
  EXPECT_EQ(chart.Blocks(1).X, 0);
}

// Changes that record no undo point of their own (a drag step, typing into a
// block, blocks a wizard appends) are edits too: a redo after them would
// throw them away.
TEST_F(Redo, AnEditWithoutItsOwnUndoPointForgetsTheRedoList) {
  AddBlockAsAnEdit();
  AddBlockAsAnEdit();
  chart.Undo();
  ASSERT_TRUE(chart.History().CanRedo());

  chart.SetActiveBlock(1);
  chart.MoveActiveBlock(100, 0, false);

  EXPECT_FALSE(chart.History().CanRedo());
}

TEST_F(Redo, WithNothingToRedoNothingHappens) {
  AddBlockAsAnEdit();
  chart.Redo();
  EXPECT_EQ(chart.BlockCount(), 1);
  EXPECT_EQ(chart.History().FUndoCount(), 1);
}

TEST_F(Redo, KeepsTheFileNameAndAnnouncesItselfAsRedone) {
  chart.SetFileName("/charts/mine.qbs");
  AddBlockAsAnEdit();
  chart.Undo();
  test::NoticeLog log(chart);

  chart.Redo();

  EXPECT_EQ(chart.FileName(), "/charts/mine.qbs");
  EXPECT_EQ(chart.ActiveBlock(), 0);
  EXPECT_EQ(log.Count(ChartChange::Structure), 1);
  EXPECT_EQ(log.Count(StructureChange::Redone), 1);
  EXPECT_GE(log.Count(ChartChange::History), 1);
}

class SavedState : public Redo {
 protected:
  void SetUp() override {
    chart.AddDefaultBlock(btRectangle, 0, 0, 500, 500);
    path_ = folder.File("saved.qbs");
  }
  void Save() { ASSERT_TRUE(chart.SaveToFile(path_)); }
  std::string path_;
};

TEST_F(SavedState, UndoingBackToTheSavedChartClearsTheModifiedFlag) {
  Save();
  WidenFirstBlock(900);
  ASSERT_TRUE(chart.FModified());

  chart.Undo();

  EXPECT_FALSE(chart.FModified());
}

TEST_F(SavedState, RedoingAwayFromTheSavedChartSetsItAgain) {
  Save();
  WidenFirstBlock(900);
  chart.Undo();
  chart.Redo();
  EXPECT_TRUE(chart.FModified());
  chart.Undo();
  EXPECT_FALSE(chart.FModified());
}

// Saved in the middle of the history: undoing past it leaves a chart that
// differs from the file, which must not close without the save prompt.
TEST_F(SavedState, UndoingPastTheSavedChartMarksItModified) {
  WidenFirstBlock(700);
  Save();
  WidenFirstBlock(900);
  chart.Undo();
  ASSERT_FALSE(chart.FModified());

  chart.Undo();

  EXPECT_TRUE(chart.FModified());
  EXPECT_EQ(chart.Blocks(1).W, 500);
  chart.Redo();
  EXPECT_FALSE(chart.FModified());
}

TEST_F(SavedState, AnotherChartWithTheSameBlockCountStaysModified) {
  Save();
  WidenFirstBlock(900);
  WidenFirstBlock(901);
  chart.Undo();
  EXPECT_TRUE(chart.FModified());
}

TEST_F(SavedState, AnEditWithoutUndoPointAfterTheSaveLeavesNoSavedStateToComeBackTo) {
  Save();
  chart.SetActiveBlock(1);
  chart.MoveActiveBlock(100, 0, false);  // a drag step: modified, no snapshot
  WidenFirstBlock(900);

  chart.Undo();

  // The moved chart is not the saved one.
  EXPECT_TRUE(chart.FModified());
}

TEST_F(SavedState, AnOpenedChartIsItsOwnSavedState) {
  Save();
  BlocksHolderModel opened;
  ASSERT_TRUE(opened.LoadFromFile(path_));
  opened.SetActiveBlock(1);
  opened.SetBlockW(900);
  opened.Undo();
  EXPECT_FALSE(opened.FModified());
}

TEST_F(SavedState, AChartMarkedModifiedRightAfterLoadingIsNeverTheSavedOne) {
  Save();
  BlocksHolderModel restored;
  ASSERT_TRUE(restored.LoadFromFile(path_));
  restored.SetModified(true);
  restored.SetActiveBlock(1);
  restored.SetBlockW(900);
  restored.Undo();
  EXPECT_TRUE(restored.FModified());
}

}  // namespace
}  // namespace quobrix
