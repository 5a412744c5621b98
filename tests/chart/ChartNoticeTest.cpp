// Every way of changing a chart is announced to its observers, once the
// change is complete, and observers come and go safely.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <set>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartClipboard.h"
#include "chart/ChartEdit.h"
#include "chart/ChartFileReader.h"
#include "support/NoticeLog.h"
#include "support/TempDir.h"

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

// The clipboard the paths copy to and paste from.
HeldClipboard gClipboard;

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
  const char* mutator;  // the public member of the chart the path drives
  std::function<void(BlocksHolderModel&)> prepare;
  std::function<void(BlocksHolderModel&)> edit;
  Expected expected;
};

void PrintTo(const EditPath& path, std::ostream* os) { *os << path.name; }

// Where the paths that write chart files put them: the running test's folder.
std::string gScratchFolder;
std::string ScratchFile(const std::string& name) { return gScratchFolder + "/" + name; }

void Select(BlocksHolderModel& c, std::int64_t n) { c.SetActiveBlock(n); }
void SelectFirstTwo(BlocksHolderModel& c) { c.MakeMultiSelection(-100, -100, 5500, 1500, {1, 2}); }
void Nothing(BlocksHolderModel&) {}
void AddBlockAsAnEdit(BlocksHolderModel& c) {
  ChartEdit edit(c);
  c.AddDefaultBlock(btCircle, 0, 5000, 100, 100);
}

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
    {"BlockX", "SetBlockX", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockX(50); }, kBlocks},
    {"BlockY", "SetBlockY", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockY(50); }, kBlocks},
    {"BlockW", "SetBlockW", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockW(50); }, kBlocks},
    {"BlockH", "SetBlockH", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockH(50); }, kBlocks},
    {"BlockMC", "SetBlockMC", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockMC(0xFF); }, kBlocks},
    {"BlockBC", "SetBlockBC", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockBC(0xFF); }, kBlocks},
    {"BlockFS", "SetBlockFS", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockFS(bsCross); }, kBlocks},
    {"BlockBS", "SetBlockBS", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockBS(psDot); }, kBlocks},
    {"BlockBW", "SetBlockBW", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockBW(7); }, kBlocks},
    {"BlockTA", "SetBlockTA", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockTA(taLeftJustify); }, kBlocks},
    {"BlockTP", "SetBlockTP", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockTP(btpUnder); }, kBlocks},
    {"BlockLineArrows", "SetBlockLineArrows", [](auto& c) { Select(c, 4); }, [](auto& c) { c.SetBlockLineArrows(blaEndDot); }, kBlocks},
    {"BlockFont", "SetBlockFont", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockFont(Courier()); }, kBlocks},
    {"BlockText", "SetBlockText", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockText("typed"); }, kBlocks},
    {"Block", "SetBlock", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlock(Recoloured(c)); }, kBlocks},
    {"ReplacedTexts", "ReplaceBlockTexts", Nothing, [](auto& c) { c.ReplaceBlockTexts({{1, "replaced"}, {2, "too"}}); },
     kBlocks},
    {"Align", "AlignSelection", SelectFirstTwo, [](auto& c) { c.AlignSelection(2); }, kBlocks},
    {"DragMove", "MoveActiveBlock", [](auto& c) { Select(c, 3); }, [](auto& c) { c.MoveActiveBlock(300, 300, false); }, kBlocks},
    {"DragCorner", "DragActiveCorner", [](auto& c) { Select(c, 3); }, [](auto& c) { c.DragActiveCorner(4, 300, 300, false); }, kBlocks},
    {"DragWithAttachedLine", "MoveActiveBlock",
     [](auto& c) {
       Select(c, 1);
       c.AttachLines(1, 200);
     },
     [](auto& c) { c.MoveActiveBlock(0, 500, true); }, kBlocks},
    {"Typing", "InsertTextAtCaret",
     [](auto& c) {
       Select(c, 1);
       c.TextCaretPos() = 1;
     },
     [](auto& c) { c.InsertTextAtCaret('a'); }, kBlocks},
    {"TypingLineBreak", "EditTextAtCaret", [](auto& c) { Select(c, 1); },
     [](auto& c) { c.EditTextAtCaret(BlocksHolderModel::TextKey::LineBreak); }, kBlocks},
    {"AddBlock", "AddBlock", Nothing,
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
    {"AddDefaultBlock", "AddDefaultBlock", Nothing, [](auto& c) { c.AddDefaultBlock(btCircle, 0, 5000, 100, 100); },
     Expected(StructureChange::Added)},
    {"MultiSelection", "MakeMultiSelection", Nothing, SelectFirstTwo, Expected(StructureChange::Added)},
    {"DeleteBlock", "DeleteBlock", Nothing, [](auto& c) { c.DeleteBlock(true, 2); }, Expected(StructureChange::Deleted)},
    {"DeleteActiveBlock", "DeleteActiveBlock", [](auto& c) { Select(c, 2); }, [](auto& c) { c.DeleteActiveBlock(true); },
     Expected(StructureChange::Deleted)},
    {"BringToFront", "BringToFront", [](auto& c) { Select(c, 1); }, [](auto& c) { c.BringToFront(1); },
     Expected(StructureChange::Reordered)},
    {"SendToBack", "SendToBack", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SendToBack(3); },
     Expected(StructureChange::Reordered)},
    {"Group", "GroupSelection", SelectFirstTwo, [](auto& c) { c.GroupSelection(); }, Expected(StructureChange::Grouped)},
    {"Ungroup", "UngroupBlock",
     [](auto& c) {
       SelectFirstTwo(c);
       c.GroupSelection();
     },
     [](auto& c) { c.UngroupBlock(); }, Expected(StructureChange::Deleted)},
    {"Paste", "PasteFragment", [](auto& c) { Select(c, 1); }, [](auto& c) { c.PasteFragment(c.BlockToFragment(c.Blocks(1))); },
     Expected(StructureChange::Added)},
    {"Cut", "CutToClipboard", [](auto& c) { Select(c, 2); }, [](auto& c) { c.CutToClipboard(gClipboard); }, Expected(StructureChange::Deleted)},
    {"Undo", "Undo",
     [](auto& c) { AddBlockAsAnEdit(c); },
     [](auto& c) { c.Undo(); }, Expected(StructureChange::Undone)},
    {"Redo", "Redo",
     [](auto& c) {
       AddBlockAsAnEdit(c);
       c.Undo();
     },
     [](auto& c) { c.Redo(); }, Expected(StructureChange::Redone)},
    {"GoToBlock", "GoToBlock", Nothing, [](auto& c) { c.GoToBlock(2); }, ChartChange::ActiveBlock},
    {"Modified", "SetModified", [](auto& c) { c.SetModified(false); }, [](auto& c) { c.SetModified(true); }, ChartChange::Modified},
    {"Author", "SetAuthor", Nothing, [](auto& c) { c.SetAuthor("me"); }, ChartChange::Document},
    {"FileName", "SetFileName", Nothing, [](auto& c) { c.SetFileName("/charts/a.qbs"); }, ChartChange::Document},
    {"Zoom", "SetZoomPercents", Nothing, [](auto& c) { c.SetZoomPercents(250); }, ViewChange::Zoom},
    {"SheetWidth", "SetSheetWidth", Nothing, [](auto& c) { c.SetSheetWidth(30000); }, ViewChange::Sheet},
    {"Margins", "SetSheetMargins", Nothing, [](auto& c) { c.SetSheetMargins({.Left = 1, .Right = 2, .Top = 3, .Bottom = 4}); },
     ViewChange::Sheet},
    {"FontColor", "SetBlockFontColor", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetBlockFontColor(0xFF); },
     kBlocks},
    {"Description", "SetDescription", Nothing, [](auto& c) { c.SetDescription("flow"); }, ChartChange::Document},
    {"Organization", "SetOrganization", Nothing, [](auto& c) { c.SetOrganization("us"); }, ChartChange::Document},
    {"DocumentInfo", "ChangeDocumentInfo", Nothing, [](auto& c) { c.ChangeDocumentInfo("a", "b", "c"); },
     ChartChange::Document},
    {"ViewOnly", "SetViewOnly", [](auto& c) { Select(c, 1); }, [](auto& c) { c.SetViewOnly(true); },
     ChartChange::ActiveBlock},
    {"HorzResolution", "SetHorzResolution", Nothing, [](auto& c) { c.SetHorzResolution(96); }, ViewChange::Sheet},
    {"VertResolution", "SetVertResolution", Nothing, [](auto& c) { c.SetVertResolution(96); }, ViewChange::Sheet},
    {"SheetHeight", "SetSheetHeight", Nothing, [](auto& c) { c.SetSheetHeight(30000); }, ViewChange::Sheet},
    {"SheetColor", "SetSheetColor", Nothing, [](auto& c) { c.SetSheetColor(0xFF); }, ViewChange::Sheet},
    {"SheetColorCommand", "ChangeSheetColor", Nothing, [](auto& c) { c.ChangeSheetColor(0xFF); }, ViewChange::Sheet},
    {"SheetSize", "ChangeSheetSize", Nothing, [](auto& c) { c.ChangeSheetSize(30000, 20000); }, ViewChange::Sheet},
    {"PageSetup", "ChangePageSetup", Nothing,
     [](auto& c) { c.ChangePageSetup(30000, 20000, {.Left = 1, .Right = 2, .Top = 3, .Bottom = 4}); },
     ViewChange::Sheet},
    {"Rulers", "SetRulers", Nothing, [](auto& c) { c.SetRulers(rBoth); }, ViewChange::Sheet},
    {"DocumentPages", "SetDocumentPages", Nothing, [](auto& c) { c.SetDocumentPages(3); }, ViewChange::Sheet},
    {"ActiveBlock", "SetActiveBlock", Nothing, [](auto& c) { c.SetActiveBlock(2); }, ViewChange::Selection},
    {"ActiveBlockChanged", "DoActiveBlockChanged", Nothing, [](auto& c) { c.DoActiveBlockChanged(); },
     ChartChange::ActiveBlock},
    {"Dissolve", "DissolveMultiSelection", SelectFirstTwo, [](auto& c) { c.DissolveMultiSelection(); },
     Expected(StructureChange::Deleted)},
    {"PasteFromClipboard", "PasteFromClipboard",
     [](auto& c) {
       Select(c, 1);
       c.CopyToClipboard(gClipboard);
     },
     [](auto& c) { c.PasteFromClipboard(gClipboard); }, Expected(StructureChange::Added)},
    {"Fragment", "LoadFragment", Nothing, [](auto& c) { c.LoadFragment(c.BlockToFragment(c.Blocks(1))); },
     Expected(StructureChange::Added)},
    {"Save", "SaveToFile", Nothing, [](auto& c) { c.SaveToFile(ScratchFile("saved.qbs")); }, ChartChange::Document},
    {"Load", "LoadFromFile",
     [](auto& c) {
       c.WriteChartCopy(ScratchFile("loaded.qbs"));
       c.AddDefaultBlock(btCircle, 0, 5000, 100, 100);
     },
     [](auto& c) { c.LoadFromFile(ScratchFile("loaded.qbs")); }, Expected(StructureChange::Loaded)},
    {"Reload", "ReloadFromFile",
     [](auto& c) {
       c.SaveToFile(ScratchFile("reloaded.qbs"));
       c.AddDefaultBlock(btCircle, 0, 5000, 100, 100);
     },
     [](auto& c) { c.ReloadFromFile(); }, Expected(StructureChange::Loaded)},
    {"ReadElsewhere", "LoadRead",
     [](auto& c) {
       c.WriteChartCopy(ScratchFile("read.qbs"));
       c.AddDefaultBlock(btCircle, 0, 5000, 100, 100);
     },
     [](auto& c) {
       FileStamp stamp;
       c.LoadRead(ScratchFile("read.qbs"), ReadChartFile(ScratchFile("read.qbs"), &stamp), stamp);
     },
     Expected(StructureChange::Loaded)},
};

// Rectangles 1 to 3 in a row; line 4 starts on the first one's right edge
// and ends on the second one's left edge.
class EveryEditingPath : public ::testing::TestWithParam<EditPath> {
 protected:
  void SetUp() override {
    gClipboard.fragment.reset();
    gScratchFolder = scratch.Path().string();
    for (int i = 0; i < 3; ++i) chart.AddDefaultBlock(btRectangle, 3000 * i, 0, 2000, 1000);
    chart.AddDefaultBlock(btLine, 2000, 500, 1000, 0);
  }

  test::TempDir scratch;
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

// Public members that change something of the chart object yet announce
// nothing, and why.
const std::map<std::string, const char*> kSilentMutators = {
    {"ApplyChartWindowValues", "the values a chart window starts with, before anyone watches"},
    {"Subscribe", "joins the notice list"},
    {"SetPosGridSize", "the step of the canvas's moves; nothing shows it"},
    {"SetDebugMessages", "switches the diagnostics the chart sends"},
    {"SetDefBlockColor", "a default for new blocks; the chart stays as it is"},
    {"SetDefBlockFillStyle", "a default for new blocks; the chart stays as it is"},
    {"SetDefBlockBorderColor", "a default for new blocks; the chart stays as it is"},
    {"SetDefBlockBorderWidth", "a default for new blocks; the chart stays as it is"},
    {"SetDefBlockBorderStyle", "a default for new blocks; the chart stays as it is"},
    {"SetDefBlockFont", "a default for new blocks; the chart stays as it is"},
    {"SetDefBlockTextAlign", "a default for new blocks; the chart stays as it is"},
    {"SetDefBlockPlace", "a default for new blocks; the chart stays as it is"},
    {"SetDefLineArrows", "a default for new lines; the chart stays as it is"},
    {"SetDrawedBlockType", "arms the canvas's drawing tool; the chart stays as it is"},
    {"SetAlignLines", "a setting of the align command; the chart stays as it is"},
    {"SetDrawingLineByHand", "arms the canvas's drawing tool; the chart stays as it is"},
    {"SetDrawingMLineByHand", "arms the canvas's drawing tool; the chart stays as it is"},
    {"SetDrawingBlockByHand", "arms the canvas's drawing tool; the chart stays as it is"},
    {"AttachLines", "picks the lines a drag takes along; the chart stays as it is"},
    {"DetachLines", "drops the lines a drag takes along; the chart stays as it is"},
    {"CopyToClipboard", "fills the clipboard; the chart stays as it is"},
    {"Blocks", "hands out a block to change in place, unannounced: the edit paths above do not use it"},
    {"ActiveBlockPtr", "hands out the active block to change in place, unannounced"},
    {"History", "hands out the undo history; its changes come through the edits, Undo and Redo"},
    {"TextCaretPos", "moves the insertion point of in-place typing; the canvas repaints it, the chart stays as it is"},
};

std::string ChartHeader() {
  std::ifstream in(QUOBRIX_SOURCE_DIR "/chart/BlocksHolderModel.h");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The name of the member function `declaration` declares when it is not
// const; nothing for a const one, a field, a type, a constructor or an operator.
std::optional<std::string> MutatorName(const std::string& declaration) {
  static const std::regex kFunction(R"(^\s*(?:\[\[\w+\]\]\s*)?(?:virtual\s+)?[\w:<>,\s*&]*?\b([A-Za-z_]\w*)\s*\()");
  std::smatch match;
  if (!std::regex_search(declaration, match, kFunction)) return std::nullopt;
  const std::string name = match[1];
  if (name == "BlocksHolderModel" || name == "struct" || name == "enum" || name == "class") return std::nullopt;
  int depth = 0;
  std::size_t i = static_cast<std::size_t>(match.position(0) + match.length(0)) - 1;
  for (; i < declaration.size(); ++i) {
    if (declaration[i] == '(') ++depth;
    if (declaration[i] == ')' && --depth == 0) break;
  }
  const std::string after = declaration.substr(i + 1);
  if (std::regex_search(after, std::regex(R"(^\s*const\b)"))) return std::nullopt;
  return name;
}

// The public member functions of the chart that are not const, read from its
// header: its public part without comments, cut into declarations at the
// semicolons and the bodies of its own level.
std::set<std::string> PublicMutators(const std::string& header) {
  const std::string withoutComments = std::regex_replace(header, std::regex(R"(//[^\n]*)"), "");
  const std::size_t cls = withoutComments.find("class BlocksHolderModel {");
  const std::size_t begin = withoutComments.find("public:", cls);
  const std::size_t end = withoutComments.find("private:", begin);
  std::set<std::string> names;
  if (cls == std::string::npos || begin == std::string::npos || end == std::string::npos) return names;
  std::string declaration;
  int braces = 0, parentheses = 0;
  auto take = [&] {
    if (auto name = MutatorName(declaration)) names.insert(*name);
    declaration.clear();
  };
  for (std::size_t i = begin + 7; i < end; ++i) {
    const char ch = withoutComments[i];
    if (ch == '(') ++parentheses;
    if (ch == ')') --parentheses;
    if (parentheses == 0 && ch == '{') ++braces;
    if (parentheses == 0 && ch == '}' && --braces == 0) {
      take();
      continue;
    }
    if (braces == 0 && ch == ';') {
      take();
      continue;
    }
    if (braces == 0) declaration += ch;
  }
  return names;
}

// A new way of changing the chart cannot go unannounced unseen: every
// public member that is not const has an edit path above or a reason here.
TEST(ChartNotices, EveryPublicMutatorHasAnEditPathOrSaysWhyItIsSilent) {
  const std::set<std::string> mutators = PublicMutators(ChartHeader());
  ASSERT_TRUE(mutators.count("SetBlockX")) << "the chart's header was not read";
  ASSERT_FALSE(mutators.count("FModified"));
  std::set<std::string> accounted;
  for (const EditPath& path : kPaths) accounted.insert(path.mutator);
  for (const auto& [name, why] : kSilentMutators) {
    EXPECT_FALSE(accounted.count(name)) << name << " has an edit path and a reason to be silent";
    accounted.insert(name);
  }

  for (const std::string& name : mutators)
    EXPECT_TRUE(accounted.count(name)) << name << " changes the chart: give it an edit path, or say why it is silent";
  for (const std::string& name : accounted) EXPECT_TRUE(mutators.count(name)) << name << " is no public mutator";
}

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
  EXPECT_EQ(log.Count(ChartChange::Document), 1);  // once, for author, description, organization and file name
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
  BlocksHolderModel chart;
  AddBlockAsAnEdit(chart);
  AddBlockAsAnEdit(chart);
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
  chart.SetDebugMessages(true);
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
