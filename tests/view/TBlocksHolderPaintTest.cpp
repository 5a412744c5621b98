// What the chart canvas paints and how it scrolls.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "chart/ChartEdit.h"
#include "platform/QPainterCanvas.h"
#include "render/SheetPainting.h"
#include "support/RecordingCanvas.h"
#include "support/ViewFixture.h"

using namespace quobrix;
using quobrix::testsupport::CanvasCall;
using quobrix::testsupport::RecordingCanvas;

namespace {

std::vector<CanvasCall> Painted(TBlocksHolder& bh) {
  RecordingCanvas canvas;
  bh.Paint(canvas, bh.rect());
  return canvas.calls;
}

std::vector<std::vector<int>> RectanglesWithPen(const std::vector<CanvasCall>& calls, TPenStyle style, int width) {
  std::vector<std::vector<int>> out;
  for (const auto& c : calls)
    if (c.op == "Rectangle" && c.pen.Style == style && c.pen.Width == width && c.pen.Mode == TPenMode::Copy)
      out.push_back(c.args);
  return out;
}

// The clip's pixels as Paint leaves them, with or without skipping invisible blocks.
QImage Rendered(TBlocksHolder& bh, const QRect& clip, bool cull) {
  QImage image(bh.size(), QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setClipRect(clip);
  QPainterCanvas canvas(painter);
  bh.Paint(canvas, clip, cull);
  painter.end();
  return image.copy(clip);
}

int Count(const std::vector<CanvasCall>& calls, const std::string& op) {
  return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const auto& c) { return c.op == op; }));
}

}  // namespace

class TBlocksHolderPaintTest : public QObject {
  Q_OBJECT

 private slots:
  void pagesAndPrintableAreasStackWithoutGaps() {
    test::ViewFixture f(800, 3400);  // tall enough to show three pages
    f.model().SetDocumentPages(3);
    const auto calls = Painted(f.bh());
    const auto pages = RectanglesWithPen(calls, psSolid, 1);
    const auto printable = RectanglesWithPen(calls, psDot, 1);
    QCOMPARE(pages.size(), size_t(3));
    QCOMPARE(pages[0], (std::vector<int>{0, 0, 793, 1122}));
    QCOMPARE(pages[1], (std::vector<int>{0, 1122, 793, 2244}));
    QCOMPARE(pages[2], (std::vector<int>{0, 2244, 793, 3366}));
    QCOMPARE(printable.size(), size_t(3));
    QCOMPARE(printable[0], (std::vector<int>{37, 37, 756, 1085}));
    QCOMPARE(printable[2], (std::vector<int>{37, 2281, 756, 3329}));
  }

  void onlyPagesAndGridDotsThatReachIntoTheViewArePainted() {
    test::ViewFixture f;
    f.bh().FUseGrid = true;
    // As a damaged file may claim: billions of pages, each a kilometre square.
    f.model().SetDocumentPages(INT32_MAX);
    f.model().SetSheetWidth(100'000'000);
    f.model().SetSheetHeight(100'000'000);
    const auto calls = Painted(f.bh());
    QCOMPARE(RectanglesWithPen(calls, psSolid, 1).size(), size_t(1));
    QCOMPARE(RectanglesWithPen(calls, psDot, 1).size(), size_t(1));
    const int dots = Count(calls, "InvertPixel");
    QVERIFY(dots > 0 && dots <= (590 / 38 + 2) * (400 / 38 + 2));
  }

  void blocksSitAtTheirPixelsAndMoveWithTheRulerInset() {
    test::ViewFixture f;
    f.model().AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
    auto rectangles = RectanglesWithPen(Painted(f.bh()), psSolid, 1);
    QCOMPARE(rectangles.back(), (std::vector<int>{37, 37, 113, 75}));
    f.model().SetRulers(rBoth);
    const auto calls = Painted(f.bh());
    QVERIFY(std::any_of(calls.begin(), calls.end(), [](const auto& c) {
      return c.op == "Rectangle" && c.args == std::vector<int>{59, 59, 135, 97};
    }));
    QVERIFY(std::any_of(calls.begin(), calls.end(), [&](const auto& c) {
      return c.op == "Rectangle" && c.args == std::vector<int>{0, 0, f.bh().width(), 21};
    }));
  }

  void gridShowsAboveZoom40WithRoundedSteps() {
    test::ViewFixture f;
    f.bh().FUseGrid = true;
    f.model().SetZoomPercents(40);
    QCOMPARE(Count(Painted(f.bh()), "InvertPixel"), 0);
    f.model().SetZoomPercents(41);
    QVERIFY(Count(Painted(f.bh()), "InvertPixel") > 0);
    f.model().SetZoomPercents(100);
    const auto calls = Painted(f.bh());
    std::vector<CanvasCall> dots;
    for (const auto& c : calls)
      if (c.op == "InvertPixel") dots.push_back(c);
    QCOMPARE(dots[0].args, (std::vector<int>{-1, -2}));
    QCOMPARE(dots[1].args, (std::vector<int>{-1, 36}));  // 37.8 pixels rounds to 38
    f.bh().FShowGrid = false;
    QCOMPARE(Count(Painted(f.bh()), "InvertPixel"), 0);
  }

  void selectionMarksFollowTheKindOfBlock_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("marks");
    QTest::newRow("point") << int(btPoint) << 1;
    QTest::newRow("line") << int(btLine) << 2;
    QTest::newRow("rectangle") << int(btRectangle) << 4;
    QTest::newRow("container of two") << int(btSelection) << 3;
  }
  void selectionMarksFollowTheKindOfBlock() {
    QFETCH(int, type);
    QFETCH(int, marks);
    test::ViewFixture f;
    if (type == btSelection) {
      f.model().AddDefaultBlock(btRectangle, 0, 0, 1000, 1000);
      f.model().AddDefaultBlock(btRectangle, 2000, 0, 1000, 1000);
      f.model().MakeMultiSelection(0, 0, 3000, 1000, {1, 2});
    } else {
      f.model().AddDefaultBlock(static_cast<std::uint8_t>(type), 1000, 1000, 2000, 1000);
      f.model().SetActiveBlock(1);
    }
    const auto found = RectanglesWithPen(Painted(f.bh()), psSolid, 2);
    QCOMPARE(int(found.size()), marks);
    if (type == btRectangle) QCOMPARE(found[0], (std::vector<int>{33, 33, 41, 41}));
  }

  void selectionMarksAreYellowOnWhiteAndStayVisibleOnASystemSheet() {
    QCOMPARE(SelectionMarkColor(clWhite), TColor(0x00F9F9));
    QCOMPARE(SelectionMarkColor(clWindow), TColor(0x00F9F9));
    QCOMPARE(SelectionMarkColor(0x000000), TColor(0xFFFFFF));
  }

  // Yellow marks vanished on a block filled yellow.
  void selectionMarksShowOnAFillOfAnyColour_data() {
    QTest::addColumn<quint32>("fill");
    QTest::newRow("the marks' own colour") << quint32(SelectionMarkColor(clWhite));
    QTest::newRow("yellow") << quint32(0x00FFFF);
    QTest::newRow("white") << quint32(clWhite);
    QTest::newRow("black") << quint32(0x000000);
    QTest::newRow("the edge's colour") << quint32(0xFFFFFF - SelectionMarkColor(clWhite));
  }
  void selectionMarksShowOnAFillOfAnyColour() {
    QFETCH(quint32, fill);
    const QColor fillColor(fill & 0xFF, (fill >> 8) & 0xFF, (fill >> 16) & 0xFF);
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(fillColor);
    {
      QPainter painter(&image);
      QPainterCanvas canvas(painter);
      PaintSelectionMarks(canvas, {TPoint{20, 20}}, clWhite);
    }
    // Some pixel of the mark stands out clearly from the fill.
    int strongest = 0;
    for (int y = 12; y < 28; ++y)
      for (int x = 12; x < 28; ++x) {
        const QColor c = image.pixelColor(x, y);
        strongest = std::max(strongest, std::abs(c.red() - fillColor.red()) + std::abs(c.green() - fillColor.green()) +
                                            std::abs(c.blue() - fillColor.blue()));
      }
    QVERIFY2(strongest >= 300, qPrintable(QString::number(strongest)));
  }

  void scrollingKeepsTheOriginOnTheSheet() {
    test::ViewFixture f(590);
    f.bh().SetOriginX(20);
    f.bh().SetOriginY(30);
    f.bh().ScrollBy(-50, -50);
    QCOMPARE(f.bh().FOriginX(), qint64(0));
    QCOMPARE(f.bh().FOriginY(), qint64(0));
    f.bh().ScrollBy(300, 0);
    QCOMPARE(f.bh().FOriginX(), qint64(0));  // 793 - 300 = 493 < 550
    f.bh().ScrollBy(200, 0);
    QCOMPARE(f.bh().FOriginX(), qint64(200));
    QCOMPARE(f.bh().SetOriginY(-5), qint64(0));
    f.bh().PageDown();
    QCOMPARE(f.bh().FOriginY(), qint64(1122));
  }

  void goToBlockBringsAFarBlockToTheMiddle() {
    test::ViewFixture f(590, 400);
    f.model().AddDefaultBlock(btRectangle, 1000, 100000, 1000, 1000);
    f.bh().GoToBlock(1);
    QCOMPARE(f.model().ActiveBlock(), qint64(1));
    QCOMPARE(f.bh().FOriginY(), qint64(3780 - 200));
  }

  void skippingInvisibleBlocksChangesNoPixel() {
    test::ViewFixture f(600, 500);
    auto& m = f.model();
    for (int i = 0; i < 60; ++i) {
      const auto n = m.AddDefaultBlock(static_cast<std::uint8_t>(3 + i % 35), (i % 6) * 3500 - 2000,
                                       (i / 6) * 3000 - 1000, 3000, 2000);
      m.Blocks(n).Text = "Text " + std::to_string(i);
      m.Blocks(n).TP = static_cast<std::uint8_t>(i % 3);
    }
    for (int i = 0; i < 20; ++i) {
      const auto n = m.AddDefaultBlock(btLine, i * 1000, 500, 300, 40000);
      m.Blocks(n).LineArrows = static_cast<std::uint8_t>(i % 13);
      m.Blocks(n).BW = 100;
    }
    m.SetActiveBlock(5);
    f.bh().SetOriginX(100);
    f.bh().SetOriginY(150);
    const QRect clip(120, 80, 300, 260);
    QCOMPARE(Rendered(f.bh(), clip, true), Rendered(f.bh(), clip, false));
  }

  // A chain of a million symbols is twenty kilometres long: at its far end,
  // as at its start, only the symbols in view are drawn.
  void farDownALongChainOnlyTheSymbolsInViewAreDrawn() {
    test::ViewFixture f(600, 400);
    auto& m = f.model();
    for (std::int64_t k = 0; k < 1200; ++k) {
      const auto n = m.AddDefaultBlock(btRectangle, 1000, k * 2'000'000, 2500, 1200);
      m.Blocks(n).Text = "Step " + std::to_string(k);
    }
    auto drawnTexts = [&] {
      const auto calls = Painted(f.bh());
      return std::count_if(calls.begin(), calls.end(), [](const CanvasCall& c) { return !c.text.empty(); });
    };
    QCOMPARE(drawnTexts(), 1);
    f.bh().SetOriginY(f.bh().ChartToPixels(std::int64_t{1100} * 2'000'000) - 100);
    QCOMPARE(drawnTexts(), 1);
  }

  // Overlapping blocks stack in list order and follow drags, reordering,
  // deletion and undo, at any zoom.
  void paintingTheIndexedBlocksMatchesPaintingAllAfterEdits() {
    test::ViewFixture f(600, 500);
    auto& m = f.model();
    for (int i = 0; i < 144; ++i) {
      const auto n = m.AddDefaultBlock(static_cast<std::uint8_t>(3 + i % 35), (i % 12) * 1000, (i / 12) * 800, 1200, 1000);
      m.SetActiveBlock(n);
      m.SetBlockMC(static_cast<TColor>(0x203040 * (i + 1) & 0xFFFFFF));
      m.SetBlockBW(20 + 15 * (i % 6));
    }
    for (int i = 0; i < 10; ++i) {
      m.AddDefaultBlock(btLine, 1500 + i * 800, 9000, 2000 - i * 400, -6000);
      m.SetActiveBlock(m.BlockCount());
      m.SetBlockLineArrows(static_cast<TBlocksLineArrows>(blaFilledEndArrow + i % 3));
    }
    // Small clips find a block filed at a place it has left.
    std::vector<QRect> clips{QRect(0, 0, 600, 500)};
    for (int y = 0; y < 500; y += 100)
      for (int x = 0; x < 600; x += 100) clips.emplace_back(x, y, 100, 100);
    auto samePixels = [&](const char* after) {
      for (const QRect& clip : clips)
        if (Rendered(f.bh(), clip, true) != Rendered(f.bh(), clip, false))
          QFAIL(qPrintable(QString("pixels differ after %1 in %2,%3").arg(after).arg(clip.x()).arg(clip.y())));
    };
    samePixels("building");
    m.SetActiveBlock(3);
    m.BringToFront(3);
    samePixels("reordering");
    m.SetActiveBlock(7);
    ChartEdit(m).Changing();
    m.MoveActiveBlock(7000, 11000, true);  // into the empty corner of the window
    samePixels("a drag");
    m.SetActiveBlock(20);
    m.DeleteActiveBlock(true);
    samePixels("deleting");
    m.Undo();
    m.Undo();
    samePixels("undo");
    m.SetZoomPercents(30);
    samePixels("zooming out");
    m.SetZoomPercents(400);
    f.bh().SetOriginX(300);
    f.bh().SetOriginY(500);
    samePixels("zooming in");
  }
};

QTEST_MAIN(TBlocksHolderPaintTest)
#include "TBlocksHolderPaintTest.moc"
