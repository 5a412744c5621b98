// The spatial index against a plain scan of every block, through the edits
// that change where blocks lie.
#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartEdit.h"
#include "support/TempDir.h"

namespace quobrix {
namespace {

using Numbers = std::vector<std::int64_t>;

Numbers Scanned(const BlocksHolderModel& chart, const ChartArea& area) {
  Numbers found;
  for (std::int64_t n = 1; n <= chart.BlockCount(); ++n) {
    const auto reach = BlockReach(chart.Blocks(n));
    if (!reach || reach->Meets(area)) found.push_back(n);
  }
  return found;
}

class RandomEdits {
 public:
  explicit RandomEdits(BlocksHolderModel& chart, const std::string& file) : chart_(chart), file_(file) {}

  std::int64_t Number(std::int64_t lo, std::int64_t hi) { return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng_); }

  void AddBlock() {
    const bool line = Number(0, 3) == 0;
    const std::int64_t x = Number(-5000, 80000), y = Number(-5000, 80000);
    const std::int64_t w = line ? Number(-6000, 6000) : Number(0, 6000), h = line ? Number(-6000, 6000) : Number(0, 4000);
    const std::int64_t n = chart_.AddDefaultBlock(static_cast<std::uint8_t>(line ? std::int64_t{btLine} : Number(3, 40)), x, y, w, h);
    chart_.SetActiveBlock(n);
    if (Number(0, 5) == 0) chart_.SetBlockBW(Number(1, 400));
  }

  // Selects a block at random; false for an empty chart.
  bool SelectSome() {
    if (chart_.BlockCount() == 0) return false;
    chart_.SetActiveBlock(Number(1, chart_.BlockCount()));
    return true;
  }

  // One edit picked at random; returns its name for the failure message.
  const char* Step() {
    switch (Number(0, 11)) {
      case 0:
        AddBlock();
        return "add";
      case 1:
        if (!SelectSome()) return "none";
        chart_.AttachLines(chart_.ActiveBlock(), 2000);
        chart_.MoveActiveBlock(Number(-3000, 3000), Number(-3000, 3000), true);
        return "move with attached lines";
      case 2:
        if (!SelectSome()) return "none";
        chart_.DragActiveCorner(static_cast<int>(Number(1, 4)), Number(-2000, 2000), Number(-2000, 2000), false);
        return "drag a corner";
      case 3:
        if (!SelectSome()) return "none";
        chart_.SetBlockW(Number(-1000, 9000));
        chart_.SetBlockX(Number(-1000, 90000));
        return "edit place and size";
      case 4:
      {
        if (!SelectSome()) return "none";
        ChartEdit edit(chart_);
        chart_.DeleteActiveBlock(true);
        return "delete";
      }
      case 5:
        if (Number(0, 1) == 0) {
          chart_.Undo();
          return "undo";
        }
        chart_.Redo();
        return "redo";
      case 6:
        chart_.SaveToFile(file_);
        chart_.LoadFromFile(file_);
        return "save and load";
      case 7:
        if (!SelectSome()) return "none";
        chart_.PasteFragment(chart_.BlockToFragment(chart_.Blocks(chart_.ActiveBlock())));
        return "paste";
      case 8: {
        if (chart_.BlockCount() < 3) return "none";
        Numbers members{Number(1, chart_.BlockCount()), Number(1, chart_.BlockCount())};
        std::sort(members.begin(), members.end());
        chart_.MakeMultiSelection(0, 0, 30000, 30000, members);
        chart_.MoveActiveBlock(Number(-3000, 3000), Number(-3000, 3000), false);
        chart_.AlignSelection(static_cast<int>(Number(0, 3)));
        return "multi-selection moved and aligned";
      }
      case 9:
        if (!SelectSome()) return "none";
        chart_.SetBlockTP(Number(0, 1) == 0 ? btpUnder : btpInside);
        chart_.InsertTextAtCaret('x');
        return "text placed outside, typing";
      case 10:
        if (!SelectSome()) return "none";
        if (Number(0, 1) == 0)
          chart_.BringToFront(chart_.ActiveBlock());
        else
          chart_.SendToBack(chart_.ActiveBlock());
        return "reorder";
      default:
        if (!SelectSome()) return "none";
        chart_.SetBlockX(std::numeric_limits<std::int64_t>::max() - Number(0, 1000));
        return "damaged coordinate";
    }
  }

  ChartArea SomeArea() {
    const std::int64_t x = Number(-10000, 90000), y = Number(-10000, 90000);
    return {x, y, x + Number(0, 40000), y + Number(0, 40000)};
  }

 private:
  BlocksHolderModel& chart_;
  std::string file_;
  std::mt19937_64 rng_{19};
};

TEST(BlockIndex, AgreesWithAScanThroughRandomEdits) {
  test::TempDir dir;
  BlocksHolderModel chart;
  RandomEdits edits(chart, dir.File("chart.qbs"));
  for (int i = 0; i < 300; ++i) edits.AddBlock();
  for (int step = 0; step < 400; ++step) {
    const char* what = edits.Step();
    for (int probe = 0; probe < 4; ++probe) {
      const ChartArea area = probe == 0 ? ChartArea{INT64_MIN, INT64_MIN, INT64_MAX, INT64_MAX} : edits.SomeArea();
      ASSERT_EQ(chart.BlocksNear(area), Scanned(chart, area)) << "step " << step << ": " << what;
    }
  }
}

TEST(BlockIndex, FindsOnlyWhatIsNearInALargeChart) {
  BlocksHolderModel chart;
  for (std::int64_t i = 0; i < 20000; ++i) chart.AddDefaultBlock(btRectangle, (i % 100) * 3000, (i / 100) * 3000, 2000, 2000);
  const ChartArea corner{0, 0, 5000, 5000};
  EXPECT_EQ(chart.BlocksNear(corner), Scanned(chart, corner));
  EXPECT_LT(chart.BlocksNear(corner).size(), 20u);
  // A block dragged far away is found there and no longer at its old place.
  chart.SetActiveBlock(1);
  chart.MoveActiveBlock(150000, 150000, false);
  EXPECT_EQ(chart.BlocksNear(corner), Scanned(chart, corner));
  EXPECT_EQ(chart.BlocksNear({150000, 150000, 150000, 150000}), Scanned(chart, {150000, 150000, 150000, 150000}));
}

// A chain of a million symbols reaches twenty kilometres down the sheet, and
// a damaged block may lie anywhere: all of them are filed where they lie.
TEST(BlockIndex, FindsOnlyWhatIsNearHoweverFarTheChartReaches) {
  BlocksHolderModel chart;
  for (std::int64_t i = 0; i < 20000; ++i) chart.AddDefaultBlock(btRectangle, (i % 100) * 3000, (i / 100) * 3000, 2000, 2000);
  for (std::int64_t i = 1; i <= 2000; ++i) chart.AddDefaultBlock(btRectangle, 1000, i * 2'000'000, 2000, 1200);
  const std::int64_t outlier = chart.AddDefaultBlock(btRectangle, -400'000'000'000'000, 400'000'000'000'000, 10, 10);
  for (const ChartArea& area : {ChartArea{0, 0, 5000, 5000}, ChartArea{0, 3'000'000'000, 5000, 3'000'005'000},
                                ChartArea{-400'000'000'000'100, 399'999'999'999'900, -400'000'000'000'000,
                                          400'000'000'000'000},
                                ChartArea{900'000'000'000, 0, 900'000'005'000, 5000}}) {
    const Numbers near = chart.BlocksNear(area);
    EXPECT_EQ(near, Scanned(chart, area));
    EXPECT_LT(near.size(), 20u);
  }
  EXPECT_EQ(chart.BlocksNear({-400'000'000'000'000, 400'000'000'000'000, -400'000'000'000'000,
                              400'000'000'000'000}),
            Numbers{outlier});
}

TEST(BlockIndex, ReachCoversArrowHeadsAndThickPens) {
  TBlock line;
  line.BT = btLine;
  line.X = 1000;
  line.Y = 1000;
  line.W = 0;
  line.H = 2000;
  line.BW = 100;  // arrow heads reach twelve pen widths beyond the end
  const auto reach = BlockReach(line);
  ASSERT_TRUE(reach);
  EXPECT_LE(reach->top, 1000 - 1200);
  EXPECT_GE(reach->bottom, 3000 + 1200);
  EXPECT_LE(reach->left, 1000 - 1200);
}

TEST(BlockIndex, TextBesideABlockOrWrappingSumsHaveNoReach) {
  TBlock labelled;
  labelled.Text = "label";
  labelled.TP = btpRightSide;
  EXPECT_FALSE(BlockReach(labelled));
  labelled.TP = btpInside;
  EXPECT_TRUE(BlockReach(labelled));
  TBlock far;
  far.X = std::numeric_limits<std::int64_t>::max();
  far.W = 10;
  EXPECT_FALSE(BlockReach(far));
}

}  // namespace
}  // namespace quobrix
