// Selecting is no edit: making, growing and dissolving a selection leave the
// modified flag, the undo points and the redo list alone, and the undo
// history never brings a selection back.
#include <gtest/gtest.h>

#include <functional>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartEdit.h"

namespace quobrix {
namespace {

struct SelectionStep {
  const char* name;
  std::function<void(BlocksHolderModel&)> step;
};

void PrintTo(const SelectionStep& s, std::ostream* os) { *os << s.name; }

void SelectFirstTwo(BlocksHolderModel& c) { c.MakeMultiSelection(0, 0, 6000, 2000, {1, 2}); }

const SelectionStep kSelectionSteps[] = {
    {"RubberBand", SelectFirstTwo},
    {"GrowingRubberBand",
     [](auto& c) {
       SelectFirstTwo(c);
       c.MakeMultiSelection(0, 0, 9000, 2000, {1, 2, 3, 4});
     }},
    {"Dissolve",
     [](auto& c) {
       SelectFirstTwo(c);
       c.SetActiveBlock(0);
       c.DissolveMultiSelection();
     }},
    {"ClickOnOneBlock", [](auto& c) { c.SetActiveBlock(2); }},
    {"GoToBlockOutOfASelection",
     [](auto& c) {
       SelectFirstTwo(c);
       c.GoToBlock(3);
     }},
    {"DeleteSelectionLeavingItsMembers",
     [](auto& c) {
       SelectFirstTwo(c);
       ChartEdit edit(c);
       c.DeleteActiveBlock(false);
     }},
    {"ArmDrawing",
     [](auto& c) {
       c.SetDrawingBlockByHand(true);
       c.SetDrawingMLineByHand(true);
       c.SetDrawingLineByHand(false);
     }},
};

// Three rectangles in a row, saved; one edit undone, so there is a state to
// redo and the chart stands at its saved state.
class SelectionStepOf : public ::testing::TestWithParam<SelectionStep> {
 protected:
  void SetUp() override {
    for (int i = 0; i < 3; ++i) chart.AddDefaultBlock(btRectangle, 3000 * i, 0, 2000, 1000);
    chart.SetModified(false);
    chart.SetActiveBlock(1);
    chart.SetBlockMC(0xFF);
    chart.Undo();
  }

  BlocksHolderModel chart;
};

TEST_P(SelectionStepOf, LeavesModifiedFlagUndoAndRedoAlone) {
  ASSERT_FALSE(chart.FModified());
  ASSERT_TRUE(chart.History().CanRedo());
  const std::string edited = chart.EditedStateText();

  GetParam().step(chart);

  EXPECT_FALSE(chart.FModified());
  EXPECT_TRUE(chart.History().CanRedo());
  EXPECT_EQ(chart.History().FUndoCount(), 0);
  EXPECT_EQ(chart.EditedStateText(), edited);
}

INSTANTIATE_TEST_SUITE_P(Steps, SelectionStepOf, ::testing::ValuesIn(kSelectionSteps),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

class Selection : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 3; ++i) chart.AddDefaultBlock(btRectangle, 3000 * i, 0, 2000, 1000);
    chart.SetModified(false);
  }

  BlocksHolderModel chart;
};

// An edit of a selection recorded its undo point with the selection in the
// chart; undo then left a container no one had selected, owning its members.
TEST_F(Selection, UndoAndRedoOfAnEditOfASelectionLeaveNoContainerBehind) {
  SelectFirstTwo(chart);
  chart.SetBlockMC(0xFF);

  chart.Undo();
  EXPECT_EQ(chart.BlockCount(), 3);
  EXPECT_EQ(chart.MultiSelection(), nullptr);
  EXPECT_EQ(chart.Blocks(1).Owner, nullptr);
  EXPECT_EQ(chart.Blocks(1).MC, clWhite);
  EXPECT_FALSE(chart.FModified());

  chart.Redo();
  EXPECT_EQ(chart.BlockCount(), 3);
  EXPECT_EQ(chart.MultiSelection(), nullptr);
  EXPECT_EQ(chart.Blocks(2).MC, 0xFF);
  EXPECT_TRUE(chart.FModified());
}

TEST_F(Selection, UndoLandsOnTheSavedStateWhateverWasSelectedWhenItWasSaved) {
  SelectFirstTwo(chart);
  chart.SetModified(false);  // saved with the selection in the chart
  chart.SetActiveBlock(3);
  chart.DissolveMultiSelection();
  chart.SetBlockMC(0xFF);
  ASSERT_TRUE(chart.FModified());

  chart.Undo();

  EXPECT_FALSE(chart.FModified());
}

// A rubber band around a group took the group's members away from it, so
// dissolving the selection left the group owning blocks that named no owner.
TEST_F(Selection, ARubberBandAroundAGroupLeavesItsMembersInIt) {
  SelectFirstTwo(chart);
  chart.GroupSelection();
  const TBlock* group = &chart.Blocks(4);
  const std::string grouped = chart.EditedStateText();

  chart.MakeMultiSelection(-100, -100, 9500, 1500, {1, 2, 3, 4});
  EXPECT_EQ(chart.MultiSelection()->Members.size(), 2u);  // block 3 and the group
  chart.SetActiveBlock(0);
  chart.DissolveMultiSelection();

  EXPECT_EQ(chart.Blocks(1).Owner, group);
  EXPECT_EQ(chart.Blocks(2).Owner, group);
  EXPECT_EQ(chart.EditedStateText(), grouped);
}

// The file keeps a selection made before saving, as it always has.
TEST_F(Selection, ASavedChartKeepsItsSelection) {
  SelectFirstTwo(chart);
  EXPECT_NE(chart.ChartFileText(), chart.EditedStateText());
  EXPECT_NE(chart.ChartFileText().find("Compl=1"), std::string::npos);
  EXPECT_EQ(chart.EditedStateText().find("Compl=1"), std::string::npos);
}

}  // namespace
}  // namespace quobrix
