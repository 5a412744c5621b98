#include <gtest/gtest.h>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartClipboard.h"
#include "support/NoticeLog.h"

namespace quobrix {
namespace {

// Holds what was put on it, as a clipboard shared by every chart would.
class MemoryClipboard : public ChartClipboard {
 public:
  bool Put(const ClipboardContents& contents) override {
    if (!accepts) return false;
    held = contents;
    return true;
  }
  std::optional<std::string> Fragment() override {
    if (held) return held->Fragment;
    return std::nullopt;
  }
  bool accepts = true;
  std::optional<ClipboardContents> held;
};

class ClipboardCommands : public ::testing::Test {
 protected:
  MemoryClipboard clipboard;
  BlocksHolderModel chart;
  std::vector<std::int64_t> notified;
  ChartSubscription watch;

  void SetUp() override {
    chart.AddDefaultBlock(btRectangle, 1000, 2000, 2000, 1000);
    chart.AddDefaultBlock(btEllipse, 4000, 2000, 1000, 1000);
    chart.AddDefaultBlock(btLine, 8000, 9000, -3000, -1000);
    watch = test::OnActiveBlockChanged(chart, [&](std::int64_t n) { notified.push_back(n); });
    chart.SetModified(false);
  }
};

TEST_F(ClipboardCommands, CopyWithNothingSelectedPutsNothing) {
  EXPECT_FALSE(chart.CopyToClipboard(clipboard));
  EXPECT_FALSE(chart.CutToClipboard(clipboard));
  EXPECT_FALSE(clipboard.held);
  EXPECT_FALSE(chart.FModified());
}

TEST_F(ClipboardCommands, CopyPutsTheFragmentAndPictureSizesAtBothResolutions) {
  chart.SetActiveBlock(1);
  ASSERT_TRUE(chart.CopyToClipboard(clipboard));
  const ClipboardContents& put = *clipboard.held;
  EXPECT_EQ(put.Fragment, chart.BlockToFragment(chart.Blocks(1)));
  // 3 x 378 pixels per 100 mm for the bitmap, 378 for the metafile, 5 pixels to spare.
  EXPECT_EQ(put.Bitmap.Width, 2000 * 1134 / 10000 + 5);
  EXPECT_EQ(put.Bitmap.Height, 1000 * 1134 / 10000 + 5);
  EXPECT_EQ(put.Bitmap.OffsetX, 1000 * 1134 / 10000);
  EXPECT_EQ(put.Bitmap.OffsetY, 2000 * 1134 / 10000);
  EXPECT_EQ(put.Bitmap.Resolution, 1134);
  EXPECT_EQ(put.Metafile.Width, 2000 * 378 / 10000 + 5);
  EXPECT_EQ(put.Metafile.Resolution, 378);
}

TEST_F(ClipboardCommands, ALineDrawnUpwardsAndLeftwardsFitsItsPicture) {
  chart.SetActiveBlock(3);
  ASSERT_TRUE(chart.CopyToClipboard(clipboard));
  const ClipboardPicture& bitmap = clipboard.held->Bitmap;
  EXPECT_EQ(bitmap.Width, 3000 * 1134 / 10000 + 5);
  EXPECT_EQ(bitmap.OffsetX, 8000 * 1134 / 10000 - 3000 * 1134 / 10000);
  EXPECT_EQ(bitmap.OffsetY, 9000 * 1134 / 10000 - 1000 * 1134 / 10000);
}

TEST_F(ClipboardCommands, ABlockTooLargeForAPictureStillCopiesItsFragment) {
  chart.Blocks(1).W = INT64_MIN;
  chart.SetActiveBlock(1);
  ASSERT_TRUE(chart.CopyToClipboard(clipboard));
  EXPECT_FALSE(clipboard.held->Bitmap.CanBeDrawn());
  EXPECT_FALSE(clipboard.held->Fragment.empty());
}

TEST_F(ClipboardCommands, PastingAMultiSelectionOfTwoAppendsItsBlocksAndContainer) {
  chart.MakeMultiSelection(0, 0, 6000, 4000, {1, 2});
  ASSERT_TRUE(chart.CopyToClipboard(clipboard));
  BlocksHolderModel target;
  const auto watchTarget = test::OnActiveBlockChanged(target, [&](std::int64_t n) { notified.push_back(n); });
  notified.clear();

  ASSERT_TRUE(target.PasteFromClipboard(clipboard));

  ASSERT_EQ(target.BlockCount(), 3);
  const TBlock& container = target.Blocks(3);
  EXPECT_EQ(container.Compl, ckMultiSelection);
  EXPECT_EQ(container.Members, (std::vector<TBlock*>{&target.Blocks(1), &target.Blocks(2)}));
  EXPECT_EQ(target.ActiveBlock(), 3);
  EXPECT_EQ(notified, std::vector<std::int64_t>{3});
  EXPECT_TRUE(target.FModified());
  EXPECT_EQ(target.History().FUndoCount(), 1);
}

TEST_F(ClipboardCommands, PastingDissolvesTheMultiSelectionFirst) {
  chart.MakeMultiSelection(0, 0, 6000, 4000, {1, 2});
  ASSERT_TRUE(chart.CopyToClipboard(clipboard));
  ASSERT_TRUE(chart.PasteFromClipboard(clipboard));
  ASSERT_EQ(chart.BlockCount(), 6);
  EXPECT_EQ(chart.Blocks(1).Owner, nullptr);
}

TEST_F(ClipboardCommands, ForeignOrMissingTextChangesNothing) {
  for (const char* text : {"", "Hello", " [Quobrix Sheme v.1.0]"}) {
    EXPECT_FALSE(chart.PasteFragment(text)) << text;
  }
  EXPECT_FALSE(chart.PasteFromClipboard(clipboard));
  EXPECT_EQ(chart.BlockCount(), 3);
  EXPECT_FALSE(chart.FModified());
  EXPECT_EQ(chart.History().FUndoCount(), 0);
  EXPECT_TRUE(notified.empty());
}

// Cut is an edit like Delete: undo brings the cut blocks back, without the
// selection that held them.
TEST_F(ClipboardCommands, CutDeletesTheBlockWithItsMembersAfterAnUndoPoint) {
  chart.MakeMultiSelection(0, 0, 6000, 4000, {1, 2});
  ASSERT_TRUE(chart.CutToClipboard(clipboard));
  ASSERT_EQ(chart.BlockCount(), 1);
  EXPECT_EQ(chart.ActiveBlock(), 0);
  EXPECT_TRUE(chart.FModified());
  EXPECT_EQ(chart.History().FUndoCount(), 1);
  chart.Undo();
  EXPECT_EQ(chart.BlockCount(), 3);
  EXPECT_EQ(chart.MultiSelection(), nullptr);
  EXPECT_EQ(chart.Blocks(1).Owner, nullptr);
}

// A fragment has one level of containers: the blocks of an inner group go
// into the pasted group itself, so cut and paste loses none of them.
TEST_F(ClipboardCommands, CuttingAGroupHoldingAGroupAndPastingItBringsBackEveryBlock) {
  chart.MakeMultiSelection(0, 0, 6000, 4000, {1, 2});
  chart.GroupSelection();
  chart.MakeMultiSelection(0, 0, 9000, 9000, {3, 4});
  chart.GroupSelection();
  ASSERT_EQ(chart.Blocks(5).Members.size(), 2u);
  ASSERT_TRUE(chart.CutToClipboard(clipboard));
  ASSERT_EQ(chart.BlockCount(), 0);
  ASSERT_TRUE(chart.PasteFromClipboard(clipboard));
  ASSERT_EQ(chart.BlockCount(), 4);
  const TBlock& group = chart.Blocks(4);
  EXPECT_EQ(group.Compl, ckGroup);
  ASSERT_EQ(group.Members.size(), 3u);
  // Member order, with the inner group's members where the inner group stood.
  EXPECT_EQ(group.Members[0]->BT, btLine);
  EXPECT_EQ(group.Members[1]->BT, btRectangle);
  EXPECT_EQ(group.Members[2]->BT, btEllipse);
}

TEST_F(ClipboardCommands, CutKeepsTheBlockWhenTheClipboardRefusesIt) {
  clipboard.accepts = false;
  chart.SetActiveBlock(1);
  EXPECT_FALSE(chart.CutToClipboard(clipboard));
  EXPECT_EQ(chart.BlockCount(), 3);
  EXPECT_FALSE(chart.FModified());
  EXPECT_EQ(chart.History().FUndoCount(), 0);
}

TEST_F(ClipboardCommands, PastingSomethingThatIsNoFragmentLeavesTheChartUnmodified) {
  EXPECT_FALSE(chart.PasteFragment("[no fragment"));
  EXPECT_FALSE(chart.FModified());
  EXPECT_EQ(chart.History().FUndoCount(), 0);
}

}  // namespace
}  // namespace quobrix
