// Undo points share every block their edit did not touch: on a chart of a
// thousand blocks an edit copies the blocks it changes or relinks, and undo
// and redo still pass through exactly the states before and after it.
#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <string>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartEdit.h"

namespace quobrix {
namespace {

constexpr std::int64_t kBlocks = 1001;
constexpr std::int64_t kGroup = 1000;

struct SharingCase {
  const char* name;
  std::function<void(BlocksHolderModel&)> edit;
  std::size_t copies;
};

void AddBlock(BlocksHolderModel& chart, std::int64_t i) {
  chart.AddDefaultBlock(btRectangle, 1000 * (i % 40), 1000 * (i / 40), 800, 800);
}

// Block kGroup is a group of blocks 1, 2 and 3; the rest stand alone. The
// last block, added outside any edit, leaves the history empty.
void MakeChart(BlocksHolderModel& chart) {
  for (std::int64_t i = 0; i < kGroup - 1; ++i) AddBlock(chart, i);
  chart.MakeMultiSelection(0, 0, 3000, 1000, {1, 2, 3});
  chart.GroupSelection();
  AddBlock(chart, kGroup);
  chart.SetModified(false);
}

void Active(BlocksHolderModel& chart, std::int64_t n) { chart.SetActiveBlock(n); }

// Deleting as the canvas does.
void DeleteActive(BlocksHolderModel& chart, std::int64_t n) {
  ChartEdit edit(chart);
  chart.SetActiveBlock(n);
  chart.DeleteActiveBlock(false);
}

const SharingCase kCases[] = {
    {"ColourOfOneBlock", [](auto& c) { Active(c, 500); c.SetBlockMC(0xFF); }, 1},
    {"MovingTheGroup", [](auto& c) { Active(c, kGroup); c.MoveActiveBlock(100, 100, false); }, 4},
    {"AddingABlock",
     [](auto& c) {
       ChartEdit edit(c);
       c.AddDefaultBlock(btEllipse, 0, 0, 500, 500);
     },
     0},
    {"DeletingALooseBlock", [](auto& c) { DeleteActive(c, 500); }, 0},
    {"DeletingAMemberRelinksItsGroup", [](auto& c) { DeleteActive(c, 2); }, 1},
    {"UngroupingRelinksTheMembers", [](auto& c) { Active(c, kGroup); c.UngroupBlock(); }, 3},
    {"BringingToFront", [](auto& c) { Active(c, 10); c.BringToFront(10); }, 0},
    {"SheetColour", [](auto& c) { c.ChangeSheetColor(0xFF00); }, 0},
};

TEST(VersionSharing, AnUndoPointCopiesOnlyWhatItsEditTouchesAndStepsBetweenTheExactStates) {
  for (const SharingCase& sharing : kCases) {
    SCOPED_TRACE(sharing.name);
    BlocksHolderModel chart;
    MakeChart(chart);
    const std::string before = chart.EditedStateText();

    sharing.edit(chart);
    const std::string after = chart.EditedStateText();
    ASSERT_NE(after, before);
    ASSERT_EQ(chart.History().FUndoCount(), 1);
    EXPECT_EQ(chart.History().NewestPointCopies(), sharing.copies);

    for (int round = 0; round < 2; ++round) {
      chart.Undo();
      EXPECT_EQ(chart.EditedStateText(), before);
      EXPECT_FALSE(chart.FModified());
      chart.Redo();
      EXPECT_EQ(chart.EditedStateText(), after);
      EXPECT_TRUE(chart.FModified());
    }
  }
}

// A stretch of typing is one point: it copies the block typed into once,
// however many keys the stretch has.
TEST(VersionSharing, EditsSharingAPointCopyEachBlockOnce) {
  BlocksHolderModel chart;
  MakeChart(chart);
  const std::string before = chart.EditedStateText();
  chart.SetActiveBlock(7);
  const EditKey stretch = EditKey::New();
  for (char ch : std::string("abcdefghij")) {
    ChartEdit edit(chart, stretch);
    chart.InsertTextAtCaret(ch);
  }
  EXPECT_EQ(chart.History().FUndoCount(), 1);
  EXPECT_EQ(chart.History().NewestPointCopies(), 1u);
  chart.Undo();
  EXPECT_EQ(chart.EditedStateText(), before);
}

// A change made outside any edit leaves no undo point to lead back from it,
// so the history forgets the points it had rather than step from a chart
// they no longer describe.
TEST(VersionSharing, AChangeOutsideAnyEditForgetsTheHistory) {
  BlocksHolderModel chart;
  MakeChart(chart);
  for (std::int64_t n : {5, 6}) {
    chart.SetActiveBlock(n);
    chart.SetBlockMC(0xFF);
  }
  chart.Undo();
  ASSERT_TRUE(chart.History().CanUndo());
  ASSERT_TRUE(chart.History().CanRedo());

  chart.DeleteBlock(false, 9);

  EXPECT_FALSE(chart.History().CanUndo());
  EXPECT_FALSE(chart.History().CanRedo());
  chart.Undo();
  EXPECT_EQ(chart.BlockCount(), kBlocks - 1);
  EXPECT_EQ(chart.Blocks(5).MC, 0xFF);
}

}  // namespace
}  // namespace quobrix
