#include "chart/BlocksHolderModel.h"

#include <gtest/gtest.h>

#include "support/ChartBuilder.h"
#include "support/NoticeLog.h"

namespace quobrix {
namespace {

using test::AddRect;
using test::NoticeLog;

TEST(NewChart, StartsEmptyWithAnA4SheetAndTheDefaults) {
  BlocksHolderModel chart;
  EXPECT_EQ(chart.BlockCount(), 0);
  EXPECT_EQ(chart.ActiveBlock(), 0);
  EXPECT_EQ(chart.FileName(), "Untitled");
  EXPECT_EQ(chart.SheetWidth(), 21000);
  EXPECT_EQ(chart.SheetHeight(), 29700);
  EXPECT_EQ(chart.DocumentPages(), 1);
  EXPECT_EQ(chart.ZoomPercents(), 100);
  EXPECT_EQ(chart.HorzResolution(), 378);
  EXPECT_EQ(chart.VertResolution(), 378);
  EXPECT_EQ(chart.FSheetMargins().Left, 1000);
  EXPECT_EQ(chart.FSheetMargins().Right, 1000);
  EXPECT_EQ(chart.FSheetMargins().Top, 1000);
  EXPECT_EQ(chart.FSheetMargins().Bottom, 1000);
  EXPECT_EQ(chart.SheetColor(), clWindow);
  EXPECT_EQ(chart.Rulers(), rNone);
  EXPECT_EQ(chart.PosGridSize(), 1000);
  EXPECT_EQ(chart.DefBlockFont().Name, "Arial");
  EXPECT_FALSE(chart.FModified());
}

TEST(NewChart, ChartWindowValuesGiveAWhiteSheetAndA10PointCyrillicFont) {
  BlocksHolderModel chart;
  chart.ApplyChartWindowValues();
  EXPECT_EQ(chart.SheetColor(), clWhite);
  EXPECT_EQ(chart.DefBlockFont().Height, -13);
  EXPECT_EQ(chart.DefBlockFont().Size(), 10);
  EXPECT_EQ(chart.DefBlockFont().Color, clWindowText);
  EXPECT_EQ(chart.DefBlockFont().Charset, RUSSIAN_CHARSET);
  EXPECT_FALSE(chart.DefBlockFont().Bold || chart.DefBlockFont().Italic || chart.DefBlockFont().Underline ||
               chart.DefBlockFont().StrikeOut);
}

TEST(BlockFont, SizeInPointsSurvivesTheTripThroughPixelHeight) {
  TBlockFont font;
  for (int points = -200; points <= 400; ++points) {
    font.SetSize(points);
    ASSERT_EQ(font.Size(), points) << "height " << font.Height;
  }
}

TEST(ActiveBlock, AssigningTheSameNumberAgainDoesNotRepaint) {
  BlocksHolderModel chart;
  AddRect(chart, 0, 0);
  NoticeLog log(chart);
  chart.SetActiveBlock(1);
  chart.SetActiveBlock(1);
  EXPECT_EQ(log.Count(ViewChange::Selection), 1);
  EXPECT_EQ(log.Count(ChartChange::ActiveBlock), 0);
}

TEST(ActiveBlock, ANumberBeyondTheListNamesNoBlock) {
  BlocksHolderModel chart;
  AddRect(chart, 0, 0);
  chart.SetActiveBlock(7);
  EXPECT_EQ(chart.ActiveBlockPtr(), nullptr);
}

TEST(ViewOnly, ClearsTheSelectionAndKeepsDrawingModesOff) {
  BlocksHolderModel chart;
  AddRect(chart, 0, 0);
  chart.SetActiveBlock(1);
  chart.SetDrawingBlockByHand(true);
  NoticeLog log(chart);
  chart.SetViewOnly(true);
  EXPECT_EQ(chart.ActiveBlock(), 0);
  EXPECT_EQ(log.ActiveBlocks(), std::vector<std::int64_t>{0});
  EXPECT_FALSE(chart.DrawingBlockByHand());
  chart.SetDrawingLineByHand(true);
  chart.SetDrawingMLineByHand(true);
  chart.SetDrawingBlockByHand(true);
  EXPECT_FALSE(chart.DrawingLineByHand() || chart.DrawingMLineByHand() || chart.DrawingBlockByHand());
}

TEST(DrawingModes, SequenceOfLinesSwitchesLineDrawingWithIt) {
  BlocksHolderModel chart;
  chart.SetDrawingMLineByHand(true);
  EXPECT_TRUE(chart.DrawingLineByHand());
  chart.SetDrawingLineByHand(false);
  EXPECT_FALSE(chart.DrawingMLineByHand());
}

TEST(SheetProperties, ZoomNotifiesAndStaysAtLeastOne) {
  BlocksHolderModel chart;
  NoticeLog log(chart);
  chart.SetZoomPercents(100);
  chart.SetZoomPercents(0);
  EXPECT_EQ(log.Count(ViewChange::Zoom), 2);
  EXPECT_EQ(log.notices.size(), 2u);
  EXPECT_EQ(chart.ZoomPercents(), 1);
}

TEST(SheetProperties, PageCountRepaintsOnlyWhenItChanges) {
  BlocksHolderModel chart;
  NoticeLog log(chart);
  chart.SetDocumentPages(1);
  chart.SetDocumentPages(3);
  EXPECT_EQ(log.Count(ViewChange::Sheet), 1);
  EXPECT_EQ(chart.DocumentPages(), 3);
}

TEST(SheetProperties, DegenerateSizesAreRaisedToOneSoPageArithmeticNeverDividesByZero) {
  BlocksHolderModel chart;
  chart.SetSheetWidth(0);
  chart.SetSheetHeight(-5);
  chart.SetHorzResolution(0);
  chart.SetPosGridSize(0);
  chart.SetDocumentPages(0);
  EXPECT_EQ(chart.SheetWidth(), 1);
  EXPECT_EQ(chart.SheetHeight(), 1);
  EXPECT_EQ(chart.HorzResolution(), 1);
  EXPECT_EQ(chart.PosGridSize(), 1);
  EXPECT_EQ(chart.DocumentPages(), 1);
}

TEST(AddBlock, FillsTheNewBlockFromArgumentsAndDefaults) {
  BlocksHolderModel chart;
  chart.SetDefBlockTextAlign(taRightJustify);
  chart.SetDefBlockPlace(btpUnder);
  TBlockFont font = chart.DefBlockFont();
  font.Name = "Courier New";
  chart.SetDefBlockFont(font);
  chart.SetActiveBlock(0);
  const auto n = chart.AddBlock({.Type = btLine,
                                 .Rect = {10, 20, -300, -400},
                                 .FillColor = 0x123456,
                                 .FillStyle = bsClear,
                                 .LineColor = 0x654321,
                                 .LineStyle = psDash,
                                 .LineWidth = 30,
                                 .Text = "txt"});
  ASSERT_EQ(n, 1);
  const TBlock& b = chart.Blocks(1);
  EXPECT_EQ(b.BT, btLine);
  EXPECT_EQ(b.X, 10);
  EXPECT_EQ(b.Y, 20);
  EXPECT_EQ(b.W, -300);  // drawn right to left: stored as it is
  EXPECT_EQ(b.H, -400);
  EXPECT_EQ(b.MC, 0x123456);
  EXPECT_EQ(b.BC, 0x654321);
  EXPECT_EQ(b.BS, psDash);
  EXPECT_EQ(b.BW, 30);
  EXPECT_EQ(b.FS, bsClear);
  EXPECT_EQ(b.Text, "txt");
  EXPECT_EQ(b.TA, taRightJustify);
  EXPECT_EQ(b.TP, btpUnder);
  EXPECT_EQ(b.TF.Name, "Courier New");
  EXPECT_EQ(b.SC, 0);
  EXPECT_EQ(b.Compl, ckNone);
  EXPECT_EQ(b.LineArrows, blaSimple);
  EXPECT_TRUE(chart.FModified());
  EXPECT_EQ(chart.ActiveBlock(), 0);
}

TEST(AddBlock, TheNewBlockOwnsACopyOfTheDefaultFont) {
  BlocksHolderModel chart;
  AddRect(chart, 0, 0);
  TBlockFont bold = chart.DefBlockFont();
  bold.Bold = true;
  chart.SetDefBlockFont(bold);
  EXPECT_FALSE(chart.Blocks(1).TF.Bold);
}

TEST(MultiSelection, AddingABlockDissolvesItFirst) {
  BlocksHolderModel chart;
  for (int i = 0; i < 5; ++i) AddRect(chart, i * 3000, 0);
  chart.MakeMultiSelection(0, 0, 20000, 2000, {1, 2, 3, 4, 5});
  ASSERT_EQ(chart.BlockCount(), 6);
  ASSERT_EQ(chart.Blocks(6).Compl, ckMultiSelection);
  ASSERT_EQ(chart.Blocks(6).Members.size(), 5u);
  const auto n = AddRect(chart, 0, 5000);
  EXPECT_EQ(n, 6);
  EXPECT_EQ(chart.BlockCount(), 6);
  for (std::int64_t i = 1; i <= 6; ++i) EXPECT_EQ(chart.Blocks(i).Owner, nullptr);
}

TEST(MultiSelection, IsActiveAndAnnouncedWithItsDebugText) {
  BlocksHolderModel chart;
  AddRect(chart, 0, 0);
  AddRect(chart, 3000, 0);
  NoticeLog log(chart);
  chart.MakeMultiSelection(0, 0, 6000, 2000, {1, 2});
  EXPECT_EQ(chart.ActiveBlock(), 3);
  EXPECT_EQ(log.ActiveBlocks().back(), 3);
  EXPECT_TRUE(log.DebugMessages().empty());  // diagnostics stay off until switched on

  chart.SetDebugMessages(true);
  chart.DissolveMultiSelection();
  chart.MakeMultiSelection(0, 0, 6000, 2000, {1, 2});
  ASSERT_EQ(log.DebugMessages().size(), 1u);
  EXPECT_EQ(log.DebugMessages()[0], "Создан блок \"мультивыделение\"");
}

TEST(MultiSelection, AGroupStandingLastIsNotDissolved) {
  BlocksHolderModel chart;
  AddRect(chart, 0, 0);
  AddRect(chart, 3000, 0);
  chart.MakeMultiSelection(0, 0, 6000, 2000, {1, 2});
  chart.Blocks(3).Compl = ckGroup;
  AddRect(chart, 0, 5000);
  EXPECT_EQ(chart.BlockCount(), 4);
  EXPECT_EQ(chart.Blocks(1).Owner, &chart.Blocks(3));
}

class Containers : public ::testing::Test {
 protected:
  // Blocks 1-3 symbols; 4 a group of 1 and 2; 5 a group of 4 and 3 (nested).
  void SetUp() override {
    for (int i = 0; i < 3; ++i) AddRect(chart, i * 3000, 0);
    chart.MakeMultiSelection(0, 0, 6000, 2000, {1, 2});
    chart.Blocks(4).Compl = ckGroup;
    chart.MakeMultiSelection(0, 0, 9000, 2000, {4, 3});
    chart.Blocks(5).Compl = ckGroup;
  }
  BlocksHolderModel chart;
};

TEST_F(Containers, DeletingTheOuterGroupWithMembersDeletesNestedMembersToo) {
  AddRect(chart, 0, 9000);
  ASSERT_TRUE(chart.DeleteBlock(true, 5));
  ASSERT_EQ(chart.BlockCount(), 1);
  EXPECT_EQ(chart.Blocks(1).Y, 9000);
}

TEST_F(Containers, DeletingWithoutMembersFreesTheDirectMembersOnly) {
  ASSERT_TRUE(chart.DeleteBlock(false, 5));
  ASSERT_EQ(chart.BlockCount(), 4);
  EXPECT_EQ(chart.Blocks(3).Owner, nullptr);
  EXPECT_EQ(chart.Blocks(4).Owner, nullptr);
  EXPECT_EQ(chart.Blocks(1).Owner, &chart.Blocks(4));
}

TEST_F(Containers, OwnersAndMembersFollowBlocksWhenTheListShifts) {
  TBlock* group = &chart.Blocks(4);
  ASSERT_TRUE(chart.DeleteBlock(false, 3));  // a member of the outer group, before the inner one
  EXPECT_EQ(chart.IndexOfBlock(group), 3);
  EXPECT_EQ(chart.Blocks(1).Owner, group);
  EXPECT_EQ(chart.Blocks(2).Owner, group);
  ASSERT_EQ(chart.Blocks(4).Members.size(), 1u);  // the deleted member left its container
  EXPECT_EQ(chart.Blocks(4).Members[0], group);
}

TEST_F(Containers, ANumberOutsideTheListDeletesNothing) {
  EXPECT_FALSE(chart.DeleteBlock(true, 0));
  EXPECT_FALSE(chart.DeleteBlock(true, 6));
  EXPECT_EQ(chart.BlockCount(), 5);
}

TEST_F(Containers, DeletingTheActiveBlockClearsTheSelectionAndNotifies) {
  NoticeLog log(chart);
  chart.SetActiveBlock(4);
  chart.SetModified(false);
  EXPECT_TRUE(chart.DeleteActiveBlock(true));
  EXPECT_EQ(chart.BlockCount(), 2);  // block 3 and the outer group remain
  EXPECT_EQ(chart.ActiveBlock(), 0);
  EXPECT_EQ(log.ActiveBlocks().back(), 0);
  EXPECT_TRUE(chart.FModified());
  ASSERT_EQ(chart.Blocks(2).Members.size(), 1u);
}

TEST(IndexOfBlock, ABlockOutsideTheListIsNumberZero) {
  BlocksHolderModel chart;
  AddRect(chart, 0, 0);
  TBlock stranger;
  EXPECT_EQ(chart.IndexOfBlock(&stranger), 0);
  EXPECT_EQ(chart.IndexOfBlock(nullptr), 0);
  EXPECT_EQ(chart.IndexOfBlock(&chart.Blocks(1)), 1);
}

}  // namespace
}  // namespace quobrix
