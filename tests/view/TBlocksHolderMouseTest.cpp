// Mouse editing of the chart canvas through real mouse events.
#include <QTest>

#include "support/NoticeLog.h"
#include "support/ViewFixture.h"

using namespace quobrix;

namespace {

void Press(TBlocksHolder& bh, int x, int y, Qt::KeyboardModifiers mods = {}, Qt::MouseButton b = Qt::LeftButton) {
  QTest::mousePress(&bh, b, mods, QPoint(x, y));
}
void Move(TBlocksHolder& bh, int x, int y, Qt::KeyboardModifiers mods = {}) {
  QMouseEvent e(QEvent::MouseMove, QPointF(x, y), bh.mapToGlobal(QPointF(x, y)), Qt::NoButton, Qt::LeftButton, mods);
  QCoreApplication::sendEvent(&bh, &e);
}
void Release(TBlocksHolder& bh, int x, int y, Qt::MouseButton b = Qt::LeftButton) {
  QTest::mouseRelease(&bh, b, {}, QPoint(x, y));
}
void Drag(TBlocksHolder& bh, QPoint from, QPoint to, Qt::KeyboardModifiers mods = {}) {
  Press(bh, from.x(), from.y(), mods);
  Move(bh, to.x(), to.y(), mods);
  Release(bh, to.x(), to.y());
}

}  // namespace

class TBlocksHolderMouseTest : public QObject {
  Q_OBJECT

 private slots:
  void aPressSelectsTheTopmostOfOverlappingSymbols() {
    test::ViewFixture f;
    for (int i = 0; i < 3; ++i) f.model().AddDefaultBlock(btRectangle, 1000 + i * 100, 1000, 3000, 2000);
    int notifications = 0;
    const auto watch = test::OnActiveBlockChanged(f.model(), [&](std::int64_t) { ++notifications; });
    Press(f.bh(), 60, 60);
    QCOMPARE(f.model().ActiveBlock(), qint64(3));
    QCOMPARE(notifications, 1);
    QCOMPARE(int(f.model().TextCaretPos()), 1);
  }

  // Tried as a new user would: clicks to select, then closing asked to save
  // a chart nobody had changed.
  void aClickThatMovesNothingLeavesNoUndoStepAndNoUnsavedWork() {
    test::ViewFixture f(590, 400, 1000);
    f.model().AddDefaultBlock(btRectangle, 1000, 1000, 3000, 2000);
    f.model().SetModified(false);
    Press(f.bh(), 200, 150);
    Move(f.bh(), 201, 150);  // a jitter below the move threshold
    Release(f.bh(), 201, 150);
    Press(f.bh(), 400, 300);  // the corner mark
    Release(f.bh(), 400, 300);
    QCOMPARE(f.model().ActiveBlock(), qint64(1));
    QCOMPARE(f.model().History().FUndoCount(), 0);
    QVERIFY(!f.model().FModified());
  }

  void aDragIsOneUndoPointHoweverManyStepsItTakes() {
    test::ViewFixture f(590, 400, 1000);
    f.model().AddDefaultBlock(btRectangle, 1000, 1000, 3000, 2000);
    f.model().SetModified(false);
    Press(f.bh(), 200, 150);
    for (int step = 1; step <= 20; ++step) Move(f.bh(), 200 + step * 5, 150);
    Release(f.bh(), 300, 150);
    QCOMPARE(f.model().Blocks(1).X, qint64(2000));
    QCOMPARE(f.model().History().FUndoCount(), 1);
    QVERIFY(f.model().FModified());
    f.model().Undo();
    QCOMPARE(f.model().Blocks(1).X, qint64(1000));
  }

  void cornerMarksCatchPressesFourPixelsAway_data() {
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("offsetPixels");
    QTest::addColumn<int>("corner");
    QTest::newRow("zoom 100, on the mark's edge") << 100 << 4 << 4;
    QTest::newRow("zoom 100, just outside") << 100 << 5 << 0;
    QTest::newRow("zoom 200, on the mark's edge") << 200 << 4 << 4;
  }
  void cornerMarksCatchPressesFourPixelsAway() {
    QFETCH(int, zoom);
    QFETCH(int, offsetPixels);
    QFETCH(int, corner);
    test::ViewFixture f(590, 400, 1000);
    f.model().SetZoomPercents(zoom);
    f.model().AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
    f.model().SetActiveBlock(1);
    const int cx = 3000 * zoom / 1000, cy = 2000 * zoom / 1000;
    Press(f.bh(), cx + offsetPixels, cy + offsetPixels);
    QCOMPARE(f.bh().FResizeCorner(), corner);
    if (corner == 0) QCOMPARE(f.model().ActiveBlock(), qint64(0));
  }

  void cornerToleranceIs105UnitsAtZoom100And52AtZoom200() {
    test::ViewFixture f;
    QCOMPARE(f.bh().PixelsToChart(4), qint64(105));
    f.model().SetZoomPercents(200);
    QCOMPARE(f.bh().PixelsToChart(4), qint64(52));
  }

  void draggingCornersResizes() {
    test::ViewFixture f(590, 400, 1000);  // one pixel is ten chart units
    f.model().AddDefaultBlock(btRectangle, 1000, 1000, 3000, 2000);
    f.model().SetActiveBlock(1);
    Drag(f.bh(), {400, 300}, {500, 350});  // bottom-right by (+1000, +500)
    TBlock& b = f.model().Blocks(1);
    QCOMPARE(b.W, qint64(4000));
    QCOMPARE(b.H, qint64(2500));
    Drag(f.bh(), {100, 100}, {200, 150});  // top-left by the same
    QCOMPARE(b.X, qint64(2000));
    QCOMPARE(b.Y, qint64(1500));
    QCOMPARE(b.W, qint64(3000));
    QCOMPARE(b.H, qint64(2000));
    QCOMPARE(f.model().History().FUndoCount(), 2);  // each resize can be undone
  }

  void movesBelowTheThresholdAreIgnored_data() {
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("moves");
    QTest::newRow("zoom 300: one pixel is 8 or 9 units") << 300 << false;
    QTest::newRow("zoom 100: one pixel is 26 or 27 units") << 100 << true;
  }
  void movesBelowTheThresholdAreIgnored() {
    QFETCH(int, zoom);
    QFETCH(bool, moves);
    test::ViewFixture f;
    f.model().SetZoomPercents(zoom);
    f.model().AddDefaultBlock(btRectangle, 1000, 1000, 3000, 2000);
    const int x = 1500 * 378 * zoom / 1000000, y = 1500 * 378 * zoom / 1000000;
    Press(f.bh(), x, y);
    Move(f.bh(), x + 1, y);
    QCOMPARE(f.model().Blocks(1).X != 1000, moves);
  }

  void linesTouchingAMovedSymbolFollowIt() {
    test::ViewFixture f(590, 400, 1000);
    auto& m = f.model();
    m.AddDefaultBlock(btRectangle, 1000, 1000, 3000, 2000);
    m.AddDefaultBlock(btLine, 4100, 2000, 3000, 0);    // its start 1 mm right of the rectangle
    m.AddDefaultBlock(btLine, 0, 500, 1000, 600);      // its end on the rectangle's left edge
    m.AddDefaultBlock(btLine, 1500, 1500, 1000, 500);  // wholly inside: stays
    Drag(f.bh(), {200, 200}, {300, 250});              // by (+1000, +500)
    QCOMPARE(f.bh().FAttachedLines().size(), size_t(0));  // emptied at release
    QCOMPARE(m.Blocks(2).X, qint64(5100));
    QCOMPARE(m.Blocks(2).Y, qint64(2500));
    QCOMPARE(m.Blocks(2).W, qint64(2000));  // the far end stays
    QCOMPARE(m.Blocks(3).X, qint64(0));
    QCOMPARE(m.Blocks(3).W, qint64(2000));
    QCOMPARE(m.Blocks(3).H, qint64(1100));
    QCOMPARE(m.Blocks(4).X, qint64(1500));
  }

  void squaresAndCirclesStaySquareWhenMoved() {
    test::ViewFixture f(590, 400, 1000);
    f.model().AddDefaultBlock(btCircle, 1000, 1000, 1500, 1000);
    Drag(f.bh(), {120, 120}, {150, 150});
    QCOMPARE(f.model().Blocks(1).W, qint64(1000));
    QCOMPARE(f.model().Blocks(1).H, qint64(1000));
  }

  void shiftStraightensALineDraggedByItsEnd() {
    test::ViewFixture f(590, 400, 1000);
    f.model().AddDefaultBlock(btLine, 1000, 1000, 3000, 100);
    f.model().SetActiveBlock(1);
    Drag(f.bh(), {400, 110}, {400, 115}, Qt::ShiftModifier);  // H becomes 150
    QCOMPARE(f.model().Blocks(1).H, qint64(0));
    QCOMPARE(f.model().Blocks(1).W, qint64(3000));
  }

  void aRubberBandAroundTwoSymbolsMakesAMultiSelection() {
    test::ViewFixture f(590, 400, 1000);
    auto& m = f.model();
    m.AddDefaultBlock(btRectangle, 1000, 1000, 1000, 1000);
    m.AddDefaultBlock(btRectangle, 3000, 1000, 1000, 1000);
    m.AddDefaultBlock(btRectangle, 9000, 1000, 1000, 1000);
    Drag(f.bh(), {50, 50}, {450, 250});
    QCOMPARE(m.BlockCount(), qint64(4));
    QCOMPARE(m.ActiveBlock(), qint64(4));
    QCOMPARE(m.Blocks(4).Compl, std::uint8_t(ckMultiSelection));
    QCOMPARE(m.Blocks(4).Members.size(), size_t(2));
    Press(f.bh(), 550, 350);  // elsewhere
    Release(f.bh(), 550, 350);
    QCOMPARE(m.BlockCount(), qint64(3));
    QCOMPARE(m.Blocks(1).Owner, nullptr);
  }

  void aRightPressSelectsWithoutARubberBand() {
    test::ViewFixture f(590, 400, 1000);
    f.model().AddDefaultBlock(btRectangle, 1000, 1000, 1000, 1000);
    Press(f.bh(), 150, 150, {}, Qt::RightButton);
    QCOMPARE(f.model().ActiveBlock(), qint64(1));
    QCOMPARE(f.bh().FRubberRect(), TRect{});
  }

  void nearlyVerticalLinesDrawnByHandComeOutVertical() {
    test::ViewFixture f;
    f.model().SetDrawingLineByHand(true);
    Drag(f.bh(), {100, 100}, {103, 180});
    QCOMPARE(f.model().BlockCount(), qint64(1));
    const TBlock& line = f.model().Blocks(1);
    QCOMPARE(line.BT, std::uint8_t(btLine));
    QCOMPARE(line.W, qint64(0));
    QCOMPARE(line.H, qint64(2116));  // 80 pixels
    QCOMPARE(f.model().ActiveBlock(), qint64(1));
    QVERIFY(!f.model().DrawingLineByHand());
  }

  void symbolsDrawnRightToLeftKeepANegativeWidth() {
    test::ViewFixture f(590, 400, 1000);
    f.model().SetDrawedBlockType(btBeginEnd);
    f.model().SetDrawingBlockByHand(true);
    Drag(f.bh(), {300, 100}, {200, 160});
    const TBlock& b = f.model().Blocks(1);
    QCOMPARE(b.BT, std::uint8_t(btBeginEnd));
    QCOMPARE(b.X, qint64(3000));
    QCOMPARE(b.W, qint64(-1000));
    QCOMPARE(b.H, qint64(600));
  }

  void aSequenceOfLinesStaysArmedUntilEscape() {
    test::ViewFixture f(590, 400, 1000);
    f.model().SetDrawingMLineByHand(true);
    Drag(f.bh(), {100, 100}, {200, 100});
    Drag(f.bh(), {200, 100}, {200, 200});
    QCOMPARE(f.model().BlockCount(), qint64(2));
    QCOMPARE(f.model().ActiveBlock(), qint64(0));
    Press(f.bh(), 200, 200);
    Move(f.bh(), 250, 250);
    QTest::keyClick(&f.bh(), Qt::Key_Escape);
    QVERIFY(!f.model().DrawingLineByHand());
    QVERIFY(!f.model().DrawingMLineByHand());
    QCOMPARE(f.bh().FDrawRect(), TRect{});
  }

  void draggingNearTheEdgeScrolls() {
    test::ViewFixture f(590, 400, 1000);
    f.model().SetZoomPercents(300);  // a sheet far wider than the window
    f.model().AddDefaultBlock(btRectangle, 100, 100, 1000, 1000);
    Press(f.bh(), 60, 60);
    Move(f.bh(), 585, 60);
    QCOMPARE(f.bh().FOriginX(), qint64(10));
    Move(f.bh(), 586, 60);
    QCOMPARE(f.bh().FOriginX(), qint64(20));
  }

  void aCornerMarkIsGrabbedEvenUnderAnotherBlock() {
    test::ViewFixture f(590, 400, 1000);
    f.model().AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
    f.model().AddDefaultBlock(btRectangle, 2500, 1500, 2000, 2000);  // covers the first one's corner
    f.model().SetActiveBlock(1);
    Press(f.bh(), 300, 200);
    QCOMPARE(f.bh().FResizeCorner(), 4);
    QCOMPARE(f.model().ActiveBlock(), qint64(1));
  }

  void lineEndsSnapToTheNearestSymbolEdge() {
    test::ViewFixture f(590, 400, 1000);
    f.model().AddDefaultBlock(btRectangle, 1000, 1000, 4000, 2000);
    ChartPoint p{1300, 2000};  // 300 from the left edge, 1000 from top and bottom
    QVERIFY(f.bh().SnapToObject(p));
    QCOMPARE(p, (ChartPoint{1000, 2000}));
    ChartPoint outside{9000, 9000};
    QVERIFY(!f.bh().SnapToObject(outside));
  }

  void aDroppedFragmentJumpsUnderTheMouseThenFollowsIt() {
    test::ViewFixture f(590, 400, 1000);
    auto& m = f.model();
    m.AddDefaultBlock(btRectangle, 100, 100, 100, 100);
    Press(f.bh(), 15, 15);  // the last press is where the pull starts from
    Release(f.bh(), 15, 15);
    QVERIFY(m.PasteFragment(m.BlockToFragment(m.Blocks(1))) && m.ActiveBlock() == 2);
    m.Blocks(2).X = 5000;
    m.Blocks(2).Y = 3000;
    f.bh().FPlacingFragment = true;
    Move(f.bh(), 16, 16);
    QCOMPARE(m.Blocks(2).X, qint64(150));  // its near corner came to the last mouse point
    QCOMPARE(m.Blocks(2).Y, qint64(150));
    Move(f.bh(), 36, 26);
    QCOMPARE(m.Blocks(2).X, qint64(350));
    QCOMPARE(m.Blocks(2).Y, qint64(250));
    Release(f.bh(), 36, 26);
    QVERIFY(!f.bh().FPlacingFragment);
  }

  void dragsReportOnTheDebugChannelWhenItIsOn() {
    test::ViewFixture f(590, 400, 1000);
    auto& m = f.model();
    m.AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
    std::vector<std::string> debug;
    m.SetDebugMessages(true);
    const auto watch = test::OnDebug(m, [&](const std::string& msg) { debug.push_back(msg); });
    Drag(f.bh(), {150, 150}, {160, 150});
    const std::vector<std::string> expected = {"Номер активного блока = 1", "[MOUSEMOVE, 0,01mm] XX: 1600, YY: 1500",
                                               "[Дельта позиции, 0,01mm] X: 100, Y: 0", "Движение блока"};
    QCOMPARE(debug, expected);
  }

  void viewOnlySelectsButNeverEdits() {
    test::ViewFixture f(590, 400, 1000);
    f.model().AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
    f.model().SetViewOnly(true);
    Drag(f.bh(), {150, 150}, {250, 250});
    QCOMPARE(f.model().ActiveBlock(), qint64(1));
    QCOMPARE(f.model().Blocks(1).X, qint64(1000));
  }

  void goToBlockBringsABlockBeyondThirtyTwoBitPixelsIntoView() {
    test::ViewFixture f;
    const std::int64_t far = std::int64_t{1} << 40;  // about 4e10 pixels down the chart
    f.model().AddDefaultBlock(btRectangle, 1000, far, 2000, 1000);
    f.bh().GoToBlock(1);
    const WindowPoint corner = f.bh().Transform().ChartToWindow({1000, far});
    QVERIFY(corner.x >= 0 && corner.x < f.bh().width() - 10);
    QVERIFY(corner.y >= 0 && corner.y < f.bh().height() - 10);
    const QPoint inside(int(corner.x) + 5, int(corner.y) + 5);
    Drag(f.bh(), inside, inside + QPoint(40, 0));
    QCOMPARE(f.model().ActiveBlock(), qint64(1));
    QVERIFY(f.model().Blocks(1).X > 1000);
    QCOMPARE(f.model().Blocks(1).Y, far);
  }

  // Blocks at the ends of the range: scrolling to them, pressing, dragging
  // blocks and corners, rubber bands and drawing by hand, with every snap on.
  // The sanitizer build fails on any overflow.
  void editingAtTheEndsOfTheRangeIsDefined() {
    test::ViewFixture f;
    auto& m = f.model();
    const std::int64_t kMin = INT64_MIN, kMax = INT64_MAX;
    m.AddDefaultBlock(btRectangle, kMax - 1000, kMax - 1000, kMax, kMax);
    m.AddDefaultBlock(btSquare, kMin, kMin, 2000, kMin);
    m.AddDefaultBlock(btLine, kMin, kMax, kMax, kMin);
    m.MakeMultiSelection(kMax, kMin, kMax, kMin, {1, 2, 3});
    f.bh().FUseGrid = true;
    for (std::int64_t zoom : {std::int64_t{100}, kMax}) {
      m.SetZoomPercents(zoom);
      for (std::int64_t n = 1; n <= m.BlockCount(); ++n) {
        f.bh().GoToBlock(n);
        for (const QPoint at : {QPoint(1, 1), QPoint(300, 200), QPoint(589, 399)}) {
          Drag(f.bh(), at, at + QPoint(37, -23));
          Drag(f.bh(), at, at + QPoint(-300, 200), Qt::ShiftModifier);
        }
        f.bh().grab();
      }
      m.SetDrawedBlockType(btCircle);
      m.SetDrawingBlockByHand(true);
      Drag(f.bh(), {10, 10}, {500, 300});
      m.SetDrawingLineByHand(true);
      Drag(f.bh(), {500, 300}, {10, 12});
      f.bh().SetOriginX(kMax);
      f.bh().SetOriginY(kMax);
      f.bh().PageDown();
      f.bh().ScrollBy(kMax, kMax);
      f.bh().PageUp();
      f.bh().grab();
    }
    QVERIFY(m.BlockCount() >= 4);
  }
};

QTEST_MAIN(TBlocksHolderMouseTest)
#include "TBlocksHolderMouseTest.moc"
