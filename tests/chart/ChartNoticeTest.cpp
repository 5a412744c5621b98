// Every way of changing a chart is announced to its observers, once the
// change is complete, and observers come and go safely.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>

#include "UndoTestFolder.h"
#include "chart/BlocksHolderModel.h"
#include "chart/ChartClipboard.h"
#include "chart/TextCaret.h"
#include "support/NoticeLog.h"

namespace quobrix {
namespace {

class HeldClipboard : public ChartClipboard {
 public:
  bool Put(const ClipboardContents& contents) override {
    fragment = contents.Fragment;
    return true;
  }
  std::optional<std::string> Fragment() override { return fragment; }
  std::optional<std::string> fragment;
};

// What an edit must announce: a notice of this kind (and detail).
struct Expected {
  Expected(ChartChange k) : kind(k) {}
  Expected(StructureChange how) : kind(ChartChange::Structure), structure(how) {}
  Expected(ViewChange what) : kind(ChartChange::View), view(what) {}

  bool Matches(const ChartNotice& n) const { return n.Kind == kind && n.Structure == structure && n.View == view; }

  ChartChange kind;
  StructureChange structure = StructureChange::None;
  ViewChange view = ViewChange::None;
};

const Expected kBlocks = ChartChange::Blocks;

struct EditPath {
  const char* name;
  std::function<void(BlocksHolderModel&)> prepare;
  std::function<void(BlocksHolderModel&)> edit;
  Expected expected;
};

void PrintTo(const EditPath& path, std::ostream* os) { *os << path.name; }

void Select(BlocksHolderModel& c, std::int64_t n) { c.SetActiveBlock(n); }
void SelectFirstTwo(BlocksHolderModel& c) { c.MakeMultiSelection(-100, -100, 5500, 1500, {1, 2}); }
void Nothing(BlocksHolderModel&) {}

TBlockFont Courier() {
  TBlockFont font;
  font.Name = "Courier New";
  return font;
}

TBlock Recoloured(const BlocksHolderModel& c) {
  TBlock b;
  c.Block(b);
  b.MC = 0x00FF00;
  return b;
}

const EditPath kPaths[] = {
    {"BlockX", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockX(50); }, kBlocks},
    {"BlockY", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockY(50); }, kBlocks},
    {"BlockW", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockW(50); }, kBlocks},
    {"BlockH", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockH(50); }, kBlocks},
    {"BlockMC", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockMC(0xFF); }, kBlocks},
    {"BlockBC", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockBC(0xFF); }, kBlocks},
    {"BlockFS", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockFS(bsCross); }, kBlocks},
    {"BlockBS", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockBS(psDot); }, kBlocks},
    {"BlockBW", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockBW(7); }, kBlocks},
    {"BlockTA", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockTA(taLeftJustify); }, kBlocks},
    {"BlockTP", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockTP(btpUnder); }, kBlocks},
    {"BlockLineArrows", [](auto& c) { Select(c, 4); }, [](auto& c) { c.SetBlockLineArrows(blaEndDot); }, kBlocks},
    {"BlockFont", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockFont(Courier()); }, kBlocks},
    {"BlockText", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockText("typed"); }, kBlocks},
    {"Block", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlock(Recoloured(c)); }, kBlocks},
    {"Align", SelectFirstTwo, [](auto& c) { c.AlignSelection(2); }, kBlocks},
    {"DragMove", [](auto& c) { Select(c, 3); }, [](auto& c) { c.MoveActiveBlock(300, 300, false); }, kBlocks},
    {"DragCorner", [](auto& c) { Select(c, 3); }, [](auto& c) { c.DragActiveCorner(4, 300, 300, false); }, kBlocks},
    {"DragWithAttachedLine",
     [](auto& c) {
       Select(c, 1);
       c.AttachLines(1, 200);
     },
     [](auto& c) { c.MoveActiveBlock(0, 500, true); }, kBlocks},
    {"Typing",
     [](auto& c) {
       Select(c, 1);
       TextCaretPos = 1;
     },
     [](auto& c) { c.InsertTextAtCaret('a'); }, kBlocks},
    {"TypingLineBreak", [](auto& c) { Select(c, 1); },
     [](auto& c) { c.EditTextAtCaret(BlocksHolderModel::TextKey::LineBreak); }, kBlocks},
    {"AddBlock", Nothing,
     [](auto& c) {
       c.AddBlock({.Type = btEllipse,
                   .Rect = {0, 5000, 100, 100},
                   .FillColor = clWhite,
                   .FillStyle = bsSolid,
                   .LineColor = clBlack,
                   .LineStyle = psSolid,
                   .LineWidth = 1,
                   .Text = "x"});
     },
     Expected(StructureChange::Added)},
    {"AddDefaultBlock", Nothing, [](auto& c) { c.AddDefaultBlock(btCircle, 0, 5000, 100, 100); },
     Expected(StructureChange::Added)},
    {"MultiSelection", Nothing, SelectFirstTwo, Expected(StructureChange::Added)},
    {"DeleteBlock", Nothing, [](auto& c) { c.DeleteBlock(true, 2); }, Expected(StructureChange::Deleted)},
    {"DeleteActiveBlock", [](auto& c) { Select(c, 2); }, [](auto& c) { c.DeleteActiveBlock(true); },
     Expected(StructureChange::Deleted)},
    {"BringToFront", [](auto& c) { Select(c, 1); }, [](auto& c) { c.BringToFront(1); },
     Expected(StructureChange::Reordered)},
    {"SendToBack", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SendToBack(3); },
     Expected(StructureChange::Reordered)},
    {"Group", SelectFirstTwo, [](auto& c) { c.GroupSelection(); }, Expected(StructureChange::Grouped)},
    {"Ungroup",
     [](auto& c) {
       SelectFirstTwo(c);
       c.GroupSelection();
     },
     [](auto& c) { c.UngroupBlock(); }, Expected(StructureChange::Deleted)},
    {"Paste", [](auto& c) { Select(c, 1); }, [](auto& c) { c.PasteFragment(c.BlockToFragment(c.Blocks(1))); },
     Expected(StructureChange::Added)},
    {"Cut", [](auto& c) { Select(c, 2); }, [](auto& c) { c.CutToClipboard(); }, Expected(StructureChange::Deleted)},
    {"Undo",
     [](auto& c) {
       c.RecordUndoPoint();
       c.AddDefaultBlock(btCircle, 0, 5000, 100, 100);
     },
     [](auto& c) { c.Undo(); }, Expected(StructureChange::Undone)},
    {"Redo",
     [](auto& c) {
       c.RecordUndoPoint();
       c.AddDefaultBlock(btCircle, 0, 5000, 100, 100);
       c.Undo();
     },
     [](auto& c) { c.Redo(); }, Expected(StructureChange::Redone)},
    {"UndoPoint", Nothing, [](auto& c) { c.RecordUndoPoint(); }, ChartChange::History},
    {"GoToBlock", Nothing, [](auto& c) { c.GoToBlock(2); }, ChartChange::ActiveBlock},
    {"Modified", [](auto& c) { c.SetModified(false); }, [](auto& c) { c.SetModified(true); }, ChartChange::Modified},
    {"Author", Nothing, [](auto& c) { c.SetAuthor("me"); }, ChartChange::Document},
    {"FileName", Nothing, [](auto& c) { c.SetFileName("/charts/a.qbs"); }, ChartChange::Document},
    {"Zoom", Nothing, [](auto& c) { c.SetZoomPercents(250); }, ViewChange::Zoom},
    {"SheetWidth", Nothing, [](auto& c) { c.SetSheetWidth(30000); }, ViewChange::Sheet},
    {"Margins", Nothing, [](auto& c) { c.SetSheetMargins({.Left = 1, .Right = 2, .Top = 3, .Bottom = 4}); },
     ViewChange::Sheet},
};

// Rectangles 1 to 3 in a row; line 4 starts on the first one's right edge
// and ends on the second one's left edge.
class EveryEditingPath : public ::testing::TestWithParam<EditPath> {
 protected:
  void SetUp() override {
    SetChartClipboard(&clipboard);
    for (int i = 0; i < 3; ++i) chart.AddDefaultBlock(btRectangle, 3000 * i, 0, 2000, 1000);
    chart.AddDefaultBlock(btLine, 2000, 500, 1000, 0);
  }
  void TearDown() override { SetChartClipboard(nullptr); }

  test::UndoTestFolder folder;
  HeldClipboard clipboard;
  BlocksHolderModel chart;
};

TEST_P(EveryEditingPath, IsAnnouncedOnceTheChangeIsComplete) {
  GetParam().prepare(chart);
  // What the chart holds whenever the expected notice arrives.
  std::vector<std::string> seen;
  std::vector<std::int64_t> seenActive;
  test::NoticeLog log(chart);
  const ChartSubscription watch = chart.Subscribe([&](const ChartNotice& n) {
    if (!GetParam().expected.Matches(n)) return;
    seen.push_back(chart.ChartFileText());
    seenActive.push_back(chart.ActiveBlock());
  });
  const std::string before = chart.ChartFileText();

  GetParam().edit(chart);

  ASSERT_EQ(seen.size(), 1u) << "notices: " << log.notices.size();
  EXPECT_EQ(seen[0], chart.ChartFileText());
  EXPECT_EQ(seenActive[0], chart.ActiveBlock());
  const auto kind = GetParam().expected.kind;
  if (kind == ChartChange::Blocks || kind == ChartChange::Structure) {
    EXPECT_NE(before, chart.ChartFileText());
  }
}

INSTANTIATE_TEST_SUITE_P(Paths, EveryEditingPath, ::testing::ValuesIn(kPaths),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ChartNotices, LoadingAnnouncesTheLoadAfterTheNewZoom) {
  test::TempDir dir;
  BlocksHolderModel source;
  source.AddDefaultBlock(btRectangle, 0, 0, 100, 100);
  source.SetZoomPercents(150);
  ASSERT_TRUE(source.SaveToFile(dir.File("a.qbs")));
  BlocksHolderModel chart;
  test::NoticeLog log(chart);

  ASSERT_TRUE(chart.LoadFromFile(dir.File("a.qbs")));

  EXPECT_EQ(log.Count(ViewChange::Zoom), 1);  // OnZoomChanged, as every assignment of the zoom
  EXPECT_EQ(log.Count(StructureChange::Loaded), 1);
  auto at = [&](auto matches) { return std::find_if(log.notices.begin(), log.notices.end(), matches); };
  EXPECT_LT(at([](const ChartNotice& n) { return n.View == ViewChange::Zoom; }),
            at([](const ChartNotice& n) { return n.Structure == StructureChange::Loaded; }));
  EXPECT_EQ(log.Count(ChartChange::Document), 4);  // author, description, organization, file name
}

TEST(ChartNotices, AFailedLoadAnnouncesNothing) {
  test::TempDir dir;
  std::ofstream(dir.File("bad.qbs")) << "not a chart";
  BlocksHolderModel chart;
  chart.AddDefaultBlock(btRectangle, 0, 0, 100, 100);
  test::NoticeLog log(chart);
  EXPECT_FALSE(chart.LoadFromFile(dir.File("bad.qbs")));
  EXPECT_TRUE(log.notices.empty());
}

TEST(ChartNotices, UndoAnnouncesTheShorterHistory) {
  test::UndoTestFolder folder;
  BlocksHolderModel chart;
  chart.RecordUndoPoint();
  chart.RecordUndoPoint();
  std::vector<int> countsSeen;
  const ChartSubscription watch = chart.Subscribe([&](const ChartNotice& n) {
    if (n.Kind == ChartChange::Structure || n.Kind == ChartChange::History)
      countsSeen.push_back(chart.History().FUndoCount());
  });
  chart.Undo();
  EXPECT_EQ(countsSeen, (std::vector<int>{1, 1}));
}

TEST(ChartNotices, EveryObserverHearsEveryNotice) {
  BlocksHolderModel chart;
  test::NoticeLog first(chart);
  test::NoticeLog second(chart);
  chart.AddDefaultBlock(btRectangle, 0, 0, 100, 100);
  chart.GoToBlock(1);
  EXPECT_EQ(first.ActiveBlocks(), std::vector<std::int64_t>{1});
  EXPECT_EQ(second.ActiveBlocks(), std::vector<std::int64_t>{1});
  EXPECT_EQ(first.notices.size(), second.notices.size());
}

TEST(ChartNotices, AnObserverDestroyedBeforeTheChartIsNeverCalled) {
  BlocksHolderModel chart;
  int calls = 0;
  struct Window {
    explicit Window(BlocksHolderModel& chart, int& calls)
        : subscription(chart.Subscribe([&calls](const ChartNotice&) { ++calls; })) {}
    ChartSubscription subscription;
  };
  auto window = std::make_unique<Window>(chart, calls);
  chart.AddDefaultBlock(btRectangle, 0, 0, 100, 100);
  const int heard = calls;
  ASSERT_GT(heard, 0);

  window.reset();
  chart.AddDefaultBlock(btRectangle, 0, 0, 100, 100);
  chart.SetZoomPercents(200);

  EXPECT_EQ(calls, heard);
}

TEST(ChartNotices, AnObserverMayLeaveWhileANoticeIsSentAndTheOthersStillHearIt) {
  BlocksHolderModel chart;
  int leaverCalls = 0;
  ChartSubscription leaver;
  leaver = chart.Subscribe([&](const ChartNotice&) {
    ++leaverCalls;
    leaver = ChartSubscription();
  });
  test::NoticeLog stayer(chart);
  chart.SetZoomPercents(200);
  chart.SetZoomPercents(300);
  EXPECT_EQ(leaverCalls, 1);
  EXPECT_EQ(stayer.Count(ViewChange::Zoom), 2);
}

TEST(ChartNotices, ASubscriptionMayOutliveItsChart) {
  ChartSubscription subscription;
  {
    BlocksHolderModel chart;
    subscription = chart.Subscribe([](const ChartNotice&) {});
    EXPECT_TRUE(subscription.Connected());
  }
  EXPECT_FALSE(subscription.Connected());
}

TEST(ChartNotices, DiagnosticsGoOutOnlyWhileSwitchedOn) {
  BlocksHolderModel chart;
  test::NoticeLog log(chart);
  chart.DoDebug("off");
  chart.FDebugMessages = true;
  chart.DoDebug("on");
  EXPECT_EQ(log.DebugMessages(), std::vector<std::string>{"on"});
}

TEST(ChartNotices, TheModifiedFlagIsAnnouncedOnlyWhenItSwitches) {
  BlocksHolderModel chart;
  test::NoticeLog log(chart);
  chart.SetModified(true);
  chart.SetModified(true);
  chart.SetModified(false);
  ASSERT_EQ(log.Count(ChartChange::Modified), 2);
  EXPECT_TRUE(log.notices[0].Modified);
  EXPECT_FALSE(log.notices[1].Modified);
}

}  // namespace
}  // namespace quobrix
