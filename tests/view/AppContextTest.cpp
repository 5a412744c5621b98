// Two contexts side by side: a chart window reads and writes the settings of
// the context it was given and copies and pastes through its clipboard; a
// change in one context reaches none of the windows of the other.
#include <QAction>
#include <QTest>

#include "chart/ChartClipboard.h"
#include "platform/QtChartClipboard.h"
#include "support/FakeChartHost.h"
#include "support/TempDir.h"
#include "view/AppContext.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

using namespace quobrix;

namespace {

// A clipboard of the test's own, as a context may be made with.
class HeldClipboard : public ChartClipboard {
 public:
  bool Put(const ClipboardContents& contents) override {
    fragment = contents.Fragment;
    return true;
  }
  std::optional<std::string> Fragment() override { return fragment; }
  std::optional<std::string> fragment;
};

// A sheet narrower than the panel leaves room at the left while centred.
int LeftRoom(test::ChartWindow& w) {
  w.form->BHPanel->resize(1000 + 2, 500);
  w.form->bhResize();
  return w.form->LeftShape->width();
}

}  // namespace

class AppContextTest : public QObject {
  Q_OBJECT

 private slots:
  void anOptionChangesOnlyTheWindowsOfItsContext() {
    test::ChartWindow centred, plain;
    plain.context.Settings().ChangeOptions([](ProgramOptions& o) { o.CenterChartInWindow = false; });
    QCOMPARE(LeftRoom(plain), 0);
    QVERIFY(LeftRoom(centred) > 0);
    QVERIFY(centred.context.Settings().Options().CenterChartInWindow);
  }

  void thePaletteSymbolAndTheClosedPlacementStayInTheirContext() {
    test::ChartWindow chosen, other;
    chosen.context.Settings().SetLastLibrarySymbol(btEllipse);
    other.host.table.Action(CommandId::RepeatSymbol).trigger();
    QVERIFY(!other.model().DrawingBlockByHand());
    chosen.host.table.Action(CommandId::RepeatSymbol).trigger();
    QCOMPARE(int(chosen.model().DrawedBlockType()), int(btEllipse));

    const int untouchedWidth = other.context.Settings().LastChartPlacement().Width;
    chosen.form->resize(640, 480);
    QVERIFY(chosen.form->close());
    QCOMPARE(chosen.context.Settings().LastChartPlacement().Width, 640);
    QCOMPARE(other.context.Settings().LastChartPlacement().Width, untouchedWidth);
  }

  void copyAndPasteUseTheClipboardOfTheWindowsContext() {
    test::FakeChartHost host;
    HeldClipboard heldA, heldB;
    AppContext contextA(heldA), contextB(heldB);
    THolderForm a(host, contextA), b(host, contextB);
    a.bh->Model().AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
    a.bh->Model().SetActiveBlock(1);
    a.FormActivate();
    host.table.Action(CommandId::Copy).trigger();
    QVERIFY(heldA.fragment && IsFragmentText(*heldA.fragment));
    QVERIFY(!heldB.fragment);

    // The desktop's clipboard holds the fragment too, so Paste is enabled;
    // b still pastes only what its own clipboard holds.
    QtChartClipboard().Put({.Fragment = *heldA.fragment});
    b.FormActivate();
    QAction& paste = host.table.Action(CommandId::Paste);
    QTRY_VERIFY(paste.isEnabled());
    paste.trigger();
    QCOMPARE(b.bh->Model().BlockCount(), qint64(0));
    heldB.fragment = heldA.fragment;
    paste.trigger();
    QCOMPARE(b.bh->Model().BlockCount(), qint64(1));
  }
};

QTEST_MAIN(AppContextTest)
#include "AppContextTest.moc"
