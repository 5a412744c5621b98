// An edit that gives the chart the values it already has records no undo
// point, leaves the modified flag alone and keeps the redo list.
#include <gtest/gtest.h>

#include <functional>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartEdit.h"
#include "support/NoticeLog.h"

namespace quobrix {
namespace {

struct UnchangingEdit {
  const char* name;
  std::function<void(BlocksHolderModel&)> edit;
};

void PrintTo(const UnchangingEdit& e, std::ostream* os) { *os << e.name; }

const TBlock& Active(const BlocksHolderModel& c) { return *c.ActiveBlockPtr(); }

const UnchangingEdit kUnchangingEdits[] = {
    {"X", [](auto& c) { c.SetBlockX(Active(c).X); }},
    {"W", [](auto& c) { c.SetBlockW(Active(c).W); }},
    {"FillColour", [](auto& c) { c.SetBlockMC(Active(c).MC); }},
    {"LineColour", [](auto& c) { c.SetBlockBC(Active(c).BC); }},
    {"LineWidth", [](auto& c) { c.SetBlockBW(Active(c).BW); }},
    {"LineStyle", [](auto& c) { c.SetBlockBS(static_cast<TPenStyle>(Active(c).BS)); }},
    {"Font", [](auto& c) { c.SetBlockFont(Active(c).TF); }},
    {"FontColour", [](auto& c) { c.SetBlockFontColor(Active(c).TF.Color); }},
    {"Text", [](auto& c) { c.SetBlockText(Active(c).Text); }},
    {"TypingOnWithTheSameText",
     [](auto& c) {
       ChartEdit edit(c, EditKey::New());
       c.SetBlockText(Active(c).Text);
     }},
    {"WholeRecord", [](auto& c) { c.SetBlock(Active(c)); }},
    {"BackspaceAtTheStart",
     [](auto& c) {
       c.TextCaretPos() = 1;
       c.EditTextAtCaret(BlocksHolderModel::TextKey::Backspace);
     }},
    {"DeleteAtTheEnd",
     [](auto& c) {
       c.TextCaretPos() = static_cast<std::uint16_t>(Active(c).Text.size() + 1);
       c.EditTextAtCaret(BlocksHolderModel::TextKey::Delete);
     }},
    {"SheetColour", [](auto& c) { c.ChangeSheetColor(c.SheetColor()); }},
    {"PageSetup", [](auto& c) { c.ChangePageSetup(c.SheetWidth(), c.SheetHeight(), c.FSheetMargins()); }},
    {"DocumentInfo", [](auto& c) { c.ChangeDocumentInfo(c.Author(), c.Organization(), c.Description()); }},
    {"MembersColourTheyAllHave",
     [](auto& c) {
       c.MakeMultiSelection(0, 0, 9000, 2000, {1, 2});
       c.SetBlockMC(c.Blocks(1).MC);
     }},
    {"AligningMembersAlreadyAligned",
     [](auto& c) {
       c.MakeMultiSelection(0, 0, 9000, 2000, {1, 2});
       c.AlignSelection(2);
     }},
    {"WholeRecordOfASelection",
     [](auto& c) {
       c.MakeMultiSelection(0, 0, 9000, 2000, {1, 2});
       TBlock record = Active(c);
       record.W = c.Blocks(1).W;
       record.H = c.Blocks(1).H;
       c.SetBlock(record);
     }},
};

// Two saved rectangles with text, the first active; an edit undone leaves a
// state to redo.
class UnchangingEditOf : public ::testing::TestWithParam<UnchangingEdit> {
 protected:
  void SetUp() override {
    for (int i = 0; i < 2; ++i) chart.AddDefaultBlock(btRectangle, 3000 * i, 0, 2000, 1000);
    chart.SetActiveBlock(1);
    chart.SetBlockText("Начало");
    chart.SetModified(false);
    chart.SetBlockMC(0xFF);
    chart.Undo();
    chart.SetActiveBlock(1);
  }

  BlocksHolderModel chart;
};

TEST_P(UnchangingEditOf, RecordsNothingAndKeepsRedo) {
  ASSERT_FALSE(chart.FModified());
  const int undoPoints = chart.History().FUndoCount();
  const std::string before = chart.EditedStateText();
  test::NoticeLog log(chart);

  GetParam().edit(chart);

  EXPECT_EQ(chart.EditedStateText(), before);
  EXPECT_FALSE(chart.FModified());
  EXPECT_EQ(chart.History().FUndoCount(), undoPoints);
  EXPECT_TRUE(chart.History().CanRedo());
  EXPECT_EQ(log.Count(ChartChange::Blocks), 0);
  EXPECT_EQ(log.Count(ChartChange::History), 0);
}

INSTANTIATE_TEST_SUITE_P(Edits, UnchangingEditOf, ::testing::ValuesIn(kUnchangingEdits),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

// The check looks at every block an edit reaches: one member that differs
// makes the edit real.
TEST(UnchangingEdits, AnEditChangingOneMemberOfASelectionIsRecorded) {
  BlocksHolderModel chart;
  for (int i = 0; i < 2; ++i) chart.AddDefaultBlock(btRectangle, 3000 * i, 0, 2000, 1000);
  chart.SetActiveBlock(2);
  chart.SetBlockMC(0xFF);
  chart.MakeMultiSelection(0, 0, 9000, 2000, {1, 2});
  const int undoPoints = chart.History().FUndoCount();

  chart.SetBlockMC(0xFF);

  EXPECT_EQ(chart.History().FUndoCount(), undoPoints + 1);
  EXPECT_EQ(chart.Blocks(1).MC, 0xFF);
  chart.Undo();
  EXPECT_EQ(chart.Blocks(1).MC, clWhite);
  EXPECT_EQ(chart.Blocks(2).MC, 0xFF);
}

}  // namespace
}  // namespace quobrix
