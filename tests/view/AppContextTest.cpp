// Two contexts side by side: a chart window reads and writes the settings of
// the context it was given, and a change in one context reaches none of the
// windows of the other.
#include <QAction>
#include <QTest>

#include "support/FakeChartHost.h"
#include "view/AppContext.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

using namespace quobrix;

namespace {

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
};

QTEST_MAIN(AppContextTest)
#include "AppContextTest.moc"
