#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "chart/BlocksHolderModel.h"
#include "support/NoticeLog.h"

namespace quobrix {
namespace {

// Three rectangles and a line, with a multi-selection over the first three.
class EditCommands : public ::testing::Test {
 protected:
  BlocksHolderModel chart;
  std::vector<std::int64_t> notified;
  ChartSubscription watch;
  std::unique_ptr<test::NoticeLog> log;

  void SetUp() override {
    for (int i = 0; i < 3; ++i) chart.AddDefaultBlock(btRectangle, 2000 * i, 0, 1000, 800);
    chart.AddDefaultBlock(btLine, 0, 3000, 1500, -700);
    log = std::make_unique<test::NoticeLog>(chart);
    watch = test::OnActiveBlockChanged(chart, [&](std::int64_t n) { notified.push_back(n); });
  }
  TBlock& SelectFirstThree() {
    chart.MakeMultiSelection(-100, -100, 6000, 1000, {1, 2, 3});
    notified.clear();
    chart.SetModified(false);
    return chart.Blocks(chart.BlockCount());
  }
  void ExpectNothingHappened() {
    EXPECT_EQ(chart.History().FUndoCount(), 0);
    EXPECT_FALSE(chart.FModified());
    EXPECT_TRUE(notified.empty());
  }
};

// One property operation: how to assign it and how to read the field it writes.
struct PropertyCase {
  const char* name;
  std::function<void(BlocksHolderModel&)> assign;
  std::function<bool(const TBlock&)> written;
  bool containerItself;
  bool members;
};

// Test listings name a case, not its bytes.
void PrintTo(const PropertyCase& c, std::ostream* os) { *os << c.name; }

const TBlockFont kBoldCourier = [] {
  TBlockFont f;
  f.Name = "Courier New";
  f.Bold = true;
  return f;
}();

const PropertyCase kProperties[] = {
    {"BlockX", [](auto& c) { c.SetBlockX(777); }, [](auto& b) { return b.X == 777; }, true, false},
    {"BlockY", [](auto& c) { c.SetBlockY(777); }, [](auto& b) { return b.Y == 777; }, true, false},
    {"BlockW", [](auto& c) { c.SetBlockW(777); }, [](auto& b) { return b.W == 777; }, false, true},
    {"BlockH", [](auto& c) { c.SetBlockH(777); }, [](auto& b) { return b.H == 777; }, false, true},
    {"BlockMC", [](auto& c) { c.SetBlockMC(0x123456); }, [](auto& b) { return b.MC == 0x123456; }, false, true},
    {"BlockBC", [](auto& c) { c.SetBlockBC(0x123456); }, [](auto& b) { return b.BC == 0x123456; }, false, true},
    {"BlockFS", [](auto& c) { c.SetBlockFS(bsCross); }, [](auto& b) { return b.FS == bsCross; }, false, true},
    {"BlockBS", [](auto& c) { c.SetBlockBS(psDot); }, [](auto& b) { return b.BS == psDot; }, false, true},
    {"BlockBW", [](auto& c) { c.SetBlockBW(45); }, [](auto& b) { return b.BW == 45; }, false, true},
    {"BlockTA", [](auto& c) { c.SetBlockTA(taRightJustify); }, [](auto& b) { return b.TA == taRightJustify; }, false,
     true},
    {"BlockTP", [](auto& c) { c.SetBlockTP(btpUnder); }, [](auto& b) { return b.TP == btpUnder; }, false, true},
    {"BlockLineArrows", [](auto& c) { c.SetBlockLineArrows(blaBothDots); },
     [](auto& b) { return b.LineArrows == blaBothDots; }, true, true},
    {"SetBlockFont", [](auto& c) { c.SetBlockFont(kBoldCourier); }, [](auto& b) { return b.TF == kBoldCourier; }, false,
     true},
    {"SetBlockFontColor", [](auto& c) { c.SetBlockFontColor(0x123456); },
     [](auto& b) { return b.TF.Color == 0x123456; }, false, true},
    {"BlockText", [](auto& c) { c.SetBlockText("abc"); }, [](auto& b) { return b.Text == "abc"; }, true, false},
};

class PropertyOperation : public EditCommands, public ::testing::WithParamInterface<PropertyCase> {};

TEST_P(PropertyOperation, WritesAnOrdinaryBlockWithOneUndoPoint) {
  chart.SetActiveBlock(2);
  GetParam().assign(chart);
  EXPECT_TRUE(GetParam().written(chart.Blocks(2)));
  EXPECT_FALSE(GetParam().written(chart.Blocks(1)));
  EXPECT_EQ(chart.History().FUndoCount(), 1);
  EXPECT_TRUE(chart.FModified());
  EXPECT_GT(log->Count(ChartChange::Blocks), 0);
}

TEST_P(PropertyOperation, ReachesTheContainerOrItsDirectMembersAsTheRuleSays) {
  // A group nested in the selection keeps its own members untouched.
  chart.MakeMultiSelection(-100, -100, 3000, 1000, {1, 2});
  chart.GroupSelection();
  const std::int64_t group = chart.BlockCount();
  TBlock& selection = chart.Blocks(group);
  chart.MakeMultiSelection(-200, -200, 7000, 5000, {3, group});
  TBlock& outer = chart.Blocks(chart.BlockCount());

  GetParam().assign(chart);

  EXPECT_EQ(GetParam().written(outer), GetParam().containerItself);
  EXPECT_EQ(GetParam().written(chart.Blocks(3)), GetParam().members);
  EXPECT_EQ(GetParam().written(selection), GetParam().members);
  EXPECT_FALSE(GetParam().written(chart.Blocks(1)));
}

TEST_F(EditCommands, TextColourLeavesEachMembersFontAsItWas) {
  chart.Blocks(1).TF = kBoldCourier;
  SelectFirstThree();
  chart.SetBlockFontColor(0x0000FF);
  TBlockFont expected = kBoldCourier;
  expected.Color = 0x0000FF;
  EXPECT_EQ(chart.Blocks(1).TF, expected);
  EXPECT_EQ(chart.Blocks(2).TF.Name, "Arial");
  EXPECT_EQ(chart.Blocks(2).TF.Color, 0x0000FF);
  EXPECT_EQ(chart.History().FUndoCount(), 1);
}

TEST_P(PropertyOperation, DoesNothingWithoutAnActiveBlock) {
  chart.SetModified(false);
  log->Clear();
  GetParam().assign(chart);
  ExpectNothingHappened();
  EXPECT_TRUE(log->notices.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryProperty, PropertyOperation, ::testing::ValuesIn(kProperties),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(EditCommands, BlockTextPutsTheCaretAfterTheTextAndReadsBack) {
  EXPECT_EQ(chart.BlockText(), "");
  chart.SetActiveBlock(1);
  chart.SetBlockText("Hello\r\nworld");
  EXPECT_EQ(chart.TextCaretPos(), 13);
  EXPECT_EQ(chart.BlockText(), "Hello\r\nworld");
}

TEST_F(EditCommands, ReadingBlockCopiesTheActiveRecordOrLeavesTheDestination) {
  TBlock dest;
  dest.X = -42;
  EXPECT_FALSE(chart.Block(dest));
  EXPECT_EQ(dest.X, -42);
  EXPECT_EQ(chart.GetBlockFont(), nullptr);

  chart.SetActiveBlock(2);
  EXPECT_TRUE(chart.Block(dest));
  EXPECT_EQ(dest.X, 2000);
  EXPECT_EQ(chart.GetBlockFont(), &chart.Blocks(2).TF);
}

TEST_F(EditCommands, AssigningBlockReplacesAnOrdinaryRecordButKeepsItsContainer) {
  TBlock& selection = SelectFirstThree();
  chart.SetActiveBlock(2);
  TBlock record;
  record.X = 9;
  record.BT = btEllipse;
  record.Text = "new";
  record.Owner = nullptr;
  record.Compl = ckGroup;

  chart.SetBlock(record);

  EXPECT_EQ(chart.Blocks(2).X, 9);
  EXPECT_EQ(chart.Blocks(2).BT, btEllipse);
  EXPECT_EQ(chart.Blocks(2).Text, "new");
  EXPECT_EQ(chart.Blocks(2).Owner, &selection);
  EXPECT_EQ(chart.Blocks(2).Compl, ckNone);
  EXPECT_EQ(chart.History().FUndoCount(), 1);
}

TEST_F(EditCommands, AssigningBlockToAContainerSpreadsOnlyWhatDiffersFromItsOwnValues) {
  TBlock& selection = SelectFirstThree();
  chart.Blocks(1).BC = 0x111111;
  TBlock record = selection;
  record.X = 50;
  record.W = 300;
  record.H = 200;
  record.MC = 0x0000FF;

  chart.SetBlock(record);

  EXPECT_EQ(selection.X, 50);
  EXPECT_NE(selection.W, 300);
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(chart.Blocks(n).W, 300);
    EXPECT_EQ(chart.Blocks(n).H, 200);
    EXPECT_EQ(chart.Blocks(n).MC, 0x0000FF);
    EXPECT_EQ(chart.Blocks(n).X, 2000 * (n - 1));
  }
  EXPECT_EQ(chart.Blocks(1).BC, 0x111111);
}

TEST_F(EditCommands, GroupTurnsTheSelectionIntoAGroupAndUngroupFreesItsMembers) {
  SelectFirstThree();
  const std::int64_t n = chart.BlockCount();
  chart.GroupSelection();
  EXPECT_EQ(chart.Blocks(n).Compl, ckGroup);
  EXPECT_EQ(notified, std::vector<std::int64_t>{n});

  chart.UngroupBlock();
  EXPECT_EQ(chart.BlockCount(), 4);
  EXPECT_EQ(chart.ActiveBlock(), 0);
  EXPECT_EQ(notified.back(), 0);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(chart.Blocks(i).Owner, nullptr);
  EXPECT_EQ(chart.History().FUndoCount(), 2);
}

TEST_F(EditCommands, GroupUngroupAndAlignOnTheWrongKindOfBlockDoNothing) {
  chart.SetActiveBlock(1);
  chart.SetModified(false);
  chart.GroupSelection();
  chart.UngroupBlock();
  chart.AlignSelection(0);
  SelectFirstThree();
  chart.UngroupBlock();
  ExpectNothingHappened();
}

TEST_F(EditCommands, DeletingAGroupDeletesTheMembersOfNestedGroupsToo) {
  chart.MakeMultiSelection(0, 0, 3000, 1000, {1, 2});
  chart.GroupSelection();
  chart.MakeMultiSelection(0, 0, 7000, 5000, {3, 5});
  chart.GroupSelection();
  chart.DeleteActiveBlock(true);
  ASSERT_EQ(chart.BlockCount(), 1);
  EXPECT_EQ(chart.Blocks(1).BT, btLine);
}

TEST_F(EditCommands, DrawingOrderMovesKeepLinksAndTheActiveBlock) {
  TBlock& selection = SelectFirstThree();
  TBlock* first = &chart.Blocks(1);
  chart.SetActiveBlock(1);

  chart.BringToFront(1);
  EXPECT_EQ(&chart.Blocks(5), first);
  EXPECT_EQ(chart.ActiveBlock(), 5);
  EXPECT_EQ(first->Owner, &selection);

  chart.SendToBack(5);
  EXPECT_EQ(&chart.Blocks(1), first);
  EXPECT_EQ(chart.ActiveBlock(), 1);
  EXPECT_EQ(selection.Members.front(), first);
  EXPECT_EQ(chart.History().FUndoCount(), 2);
}

TEST_F(EditCommands, MovingAnotherBlockKeepsTheSameBlockActive) {
  chart.SetActiveBlock(3);
  TBlock* active = &chart.Blocks(3);
  chart.BringToFront(1);
  EXPECT_EQ(chart.ActiveBlockPtr(), active);
}

TEST_F(EditCommands, BringingTheLastBlockForwardOrTheFirstBackRecordsNothing) {
  chart.SetActiveBlock(4);
  chart.SetModified(false);
  chart.BringToFront(4);
  chart.SendToBack(1);
  ExpectNothingHappened();
  EXPECT_EQ(chart.Blocks(4).BT, btLine);
}

struct AlignCase {
  int kind;
  std::int64_t x, y;
};

class AlignKinds : public EditCommands, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(AlignKinds, MovesEachMemberAgainstTheContainersEdge) {
  chart.MakeMultiSelection(1000, 500, 5000, 3000, {2});
  const TBlock& selection = chart.Blocks(chart.BlockCount());
  chart.Blocks(2).W = 2000;
  chart.AlignSelection(GetParam().kind);
  EXPECT_EQ(chart.Blocks(2).X, GetParam().x);
  EXPECT_EQ(chart.Blocks(2).Y, GetParam().y);
  EXPECT_EQ(selection.X, 1000);
  EXPECT_EQ(selection.W, 5000);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, AlignKinds,
                         ::testing::Values(AlignCase{0, 1000, 0}, AlignCase{1, 4000, 0}, AlignCase{2, 2000, 500},
                                           AlignCase{3, 2000, 2700}, AlignCase{4, 2000, 0}));

TEST_F(EditCommands, AlignSkipsLinesUnlessAlignLinesIsOn) {
  chart.MakeMultiSelection(500, 0, 9000, 9000, {1, 4});
  chart.AlignSelection(0);
  EXPECT_EQ(chart.Blocks(1).X, 500);
  EXPECT_EQ(chart.Blocks(4).X, 0);

  chart.SetAlignLines(true);
  chart.AlignSelection(0);
  EXPECT_EQ(chart.Blocks(4).X, 500);
}

TEST_F(EditCommands, ReplacingTextsIsOneUndoPointThatRestoresEveryText) {
  chart.Blocks(1).Text = "a";
  chart.Blocks(2).Text = "b";
  chart.Blocks(4).Text = "d\r\ne";
  chart.SetModified(false);
  log->Clear();
  chart.ReplaceBlockTexts({{1, "A"}, {2, "b"}, {4, "D\r\nE"}});
  EXPECT_EQ(chart.Blocks(1).Text, "A");
  EXPECT_EQ(chart.Blocks(4).Text, "D\r\nE");
  EXPECT_EQ(chart.History().FUndoCount(), 1);
  EXPECT_TRUE(chart.FModified());
  ASSERT_EQ(log->Count(ChartChange::Blocks), 1);
  const auto blocks = std::ranges::find(log->notices, ChartChange::Blocks, &ChartNotice::Kind);
  EXPECT_EQ(blocks->ChangedBlocks, (std::vector<std::int64_t>{1, 4}));

  chart.Undo();
  EXPECT_EQ(chart.Blocks(1).Text, "a");
  EXPECT_EQ(chart.Blocks(2).Text, "b");
  EXPECT_EQ(chart.Blocks(4).Text, "d\r\ne");
}

TEST_F(EditCommands, ReplacingTextsByThemselvesOrOfMissingBlocksDoesNothing) {
  chart.SetModified(false);
  log->Clear();
  chart.ReplaceBlockTexts({{1, chart.Blocks(1).Text}, {0, "x"}, {5, "x"}});
  chart.ReplaceBlockTexts({});
  ExpectNothingHappened();
  EXPECT_TRUE(log->notices.empty());
}

TEST_F(EditCommands, GoingToABlockSelectsItAndDropsAnotherMultiSelection) {
  SelectFirstThree();
  chart.GoToBlock(5);
  EXPECT_EQ(chart.BlockCount(), 5);
  EXPECT_EQ(notified, std::vector<std::int64_t>{5});

  chart.GoToBlock(2);
  EXPECT_EQ(chart.BlockCount(), 4);
  EXPECT_EQ(chart.ActiveBlock(), 2);
  EXPECT_EQ(chart.Blocks(2).Owner, nullptr);
  EXPECT_EQ(notified.back(), 2);
}

}  // namespace
}  // namespace quobrix
