#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "UndoTestFolder.h"
#include "chart/BlocksHolderModel.h"
#include "chart/ChartEdit.h"
#include "support/NoticeLog.h"

namespace quobrix {
namespace {

namespace fs = std::filesystem;

class Redo : public ::testing::Test {
 protected:
  test::UndoTestFolder folder;
  BlocksHolderModel chart;

  // One recorded edit: a snapshot, then a block more.
  void AddBlockAsAnEdit() {
    ChartEdit(chart).Changing();
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
  EXPECT_EQ(chart.History().RedoFiles().size(), 3u);

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

TEST_F(Redo, ANewEditForgetsTheRedoListAndItsFiles) {
  AddBlockAsAnEdit();
  AddBlockAsAnEdit();
  chart.Undo();
  chart.Undo();
  const auto redo = chart.History().RedoFiles();
  ASSERT_EQ(redo.size(), 2u);

  AddBlockAsAnEdit();

  EXPECT_FALSE(chart.History().CanRedo());
  for (const std::string& path : redo) EXPECT_FALSE(fs::exists(path)) << path;
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

TEST_F(Redo, ADamagedRedoSnapshotLeavesTheChartAsItWasAndIsDropped) {
  AddBlockAsAnEdit();
  AddBlockAsAnEdit();
  chart.Undo();
  chart.Undo();
  const std::string damaged = chart.History().RedoFiles()[0];
  std::ofstream(damaged, std::ios::trunc) << "[Quobrix Sheme v.1.0]\r\n";
  const int undoCount = chart.History().FUndoCount();

  chart.Redo();

  EXPECT_EQ(chart.BlockCount(), 0);
  EXPECT_FALSE(fs::exists(damaged));
  EXPECT_EQ(chart.History().FUndoCount(), undoCount);
  chart.Redo();
  EXPECT_EQ(chart.BlockCount(), 2);
}

TEST_F(Redo, DestroyingTheChartDeletesTheRedoSnapshots) {
  std::vector<std::string> redo;
  {
    BlocksHolderModel doomed;
    ChartEdit(doomed).Changing();
    ChartEdit(doomed).Changing();
    doomed.Undo();
    doomed.Undo();
    redo = doomed.History().RedoFiles();
  }
  ASSERT_EQ(redo.size(), 2u);
  for (const std::string& path : redo) EXPECT_FALSE(fs::exists(path)) << path;
}

// While it lives no file may grow past a few bytes, so no snapshot can be
// written; unlike folder permissions this holds for root too.
class NoRoomForSnapshots {
 public:
  NoRoomForSnapshots() {
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit tiny = previous_;
    tiny.rlim_cur = 8;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  }
  ~NoRoomForSnapshots() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  NoRoomForSnapshots(const NoRoomForSnapshots&) = delete;
  NoRoomForSnapshots& operator=(const NoRoomForSnapshots&) = delete;

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};

// On a full disk the states undo and redo leave are kept in memory, so
// stepping back and forth still passes through every state.
TEST_F(Redo, UndoAndRedoOnAFullDiskLoseNoState) {
  AddBlockAsAnEdit();
  AddBlockAsAnEdit();
  AddBlockAsAnEdit();
  chart.Undo();
  {
    NoRoomForSnapshots full;
    chart.Undo();
    ASSERT_EQ(chart.BlockCount(), 1);
    ASSERT_TRUE(chart.History().CanRedo());

    chart.Redo();
    EXPECT_EQ(chart.BlockCount(), 2);
    chart.Undo();
    EXPECT_EQ(chart.BlockCount(), 1);
    chart.Redo();
    chart.Redo();
    EXPECT_EQ(chart.BlockCount(), 3);
    EXPECT_FALSE(chart.History().CanRedo());
  }
  for (int expected = 2; expected >= 0; --expected) {
    chart.Undo();
    EXPECT_EQ(chart.BlockCount(), expected);
  }
  EXPECT_FALSE(chart.History().CanUndo());
}

// The snapshot an undo reaches may vanish (a cleaner of temporary files); the
// state the undo leaves must not be written under its free name and then
// loaded in its place.
TEST_F(Redo, AVanishedUndoSnapshotIsNotReplacedByTheStateLeft) {
  AddBlockAsAnEdit();
  AddBlockAsAnEdit();
  chart.Undo();
  fs::remove(chart.History().FUndoFiles()[0]);

  EXPECT_FALSE(chart.History().RollBack());

  EXPECT_EQ(chart.BlockCount(), 1);
  EXPECT_EQ(chart.History().FUndoCount(), 0);
  ASSERT_TRUE(chart.History().CanRedo());
  chart.Redo();
  EXPECT_EQ(chart.BlockCount(), 2);
}

class SavedState : public Redo {
 protected:
  void SetUp() override {
    chart.AddDefaultBlock(btRectangle, 0, 0, 500, 500);
    path_ = folder.Path() + "/saved.qbs";
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
