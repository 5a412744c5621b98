// Line ends that stick to symbols: drawn or dragged near a symbol, an end
// lands on its outline, and stays there through resizes, saving and reading.
#include <QTest>

#include "support/TempDir.h"
#include "support/ViewFixture.h"

using namespace quobrix;

namespace {

QPoint At(TBlocksHolder& bh, std::int64_t x, std::int64_t y) {
  const WindowPoint w = bh.Transform().ChartToWindow({x, y});
  return {static_cast<int>(w.x), static_cast<int>(w.y)};
}

void Press(TBlocksHolder& bh, QPoint p, Qt::KeyboardModifiers mods = {}) {
  QTest::mousePress(&bh, Qt::LeftButton, mods, p);
}
void Move(TBlocksHolder& bh, QPoint p, Qt::KeyboardModifiers mods = {}) {
  QMouseEvent e(QEvent::MouseMove, QPointF(p), bh.mapToGlobal(QPointF(p)), Qt::NoButton, Qt::LeftButton, mods);
  QCoreApplication::sendEvent(&bh, &e);
}
void Release(TBlocksHolder& bh, QPoint p) { QTest::mouseRelease(&bh, Qt::LeftButton, {}, p); }

ChartPoint LineEnd(const TBlock& line) { return {line.X + line.W, line.Y + line.H}; }

}  // namespace

class LineGlueTest : public QObject {
  Q_OBJECT

 private slots:
  // One pixel is ten chart units. A decision's left corner is at (2000, 1500).
  void aLineReleasedNearASymbolSticksAndFollowsItThroughAResizeAndTheFile() {
    test::ViewFixture f(590, 400, 1000);
    f.model().AddDefaultBlock(btLogicIf, 2000, 1000, 2000, 1000);
    f.model().SetDrawingLineByHand(true);
    TBlocksHolder& bh = f.bh();
    const QPoint corner = At(bh, 2000, 1500);
    Press(bh, At(bh, 500, 1500));
    Move(bh, corner - QPoint(6, 0));
    QVERIFY(bh.Glue().has_value());
    QCOMPARE(bh.Glue()->block, qint64(1));
    QCOMPARE(bh.Glue()->connectionPoints.size(), std::size_t(4));
    const QColor highlight = bh.grab().toImage().pixelColor(corner);
    QCOMPARE(highlight, QColor(0x00, 0x78, 0xD0));
    Release(bh, corner - QPoint(6, 0));
    QVERIFY(!bh.Glue().has_value());
    QCOMPARE(LineEnd(f.model().Blocks(2)), (ChartPoint{2000, 1500}));

    // Select the decision, then pull its bottom-right handle.
    Press(bh, At(bh, 3000, 1500));
    Release(bh, At(bh, 3000, 1500));
    Press(bh, At(bh, 4000, 2000));
    Move(bh, At(bh, 4400, 2200));
    Release(bh, At(bh, 4400, 2200));
    QCOMPARE(f.model().Blocks(1).H, qint64(1200));
    QCOMPARE(LineEnd(f.model().Blocks(2)), (ChartPoint{2000, 1600}));
    QCOMPARE(f.model().History().FUndoCount(), 2);

    test::TempDir dir;
    const std::string path = (dir.Path() / "glued.qbs").string();
    QVERIFY(f.model().SaveToFile(path));
    BlocksHolderModel read;
    QVERIFY(read.LoadFromFile(path));
    QCOMPARE(LineEnd(read.Blocks(2)), (ChartPoint{2000, 1600}));
    QCOMPARE(read.Blocks(1).W, qint64(2400));
  }

  void altTurnsGlueOffForThatDrag() {
    test::ViewFixture f(590, 400, 1000);
    f.model().AddDefaultBlock(btLogicIf, 2000, 1000, 2000, 1000);
    f.model().SetDrawingLineByHand(true);
    TBlocksHolder& bh = f.bh();
    const QPoint off = At(bh, 1940, 1500);
    Press(bh, At(bh, 500, 1500), Qt::AltModifier);
    Move(bh, off, Qt::AltModifier);
    QVERIFY(!bh.Glue().has_value());
    Release(bh, off);
    QCOMPARE(LineEnd(f.model().Blocks(2)), (ChartPoint{1940, 1500}));
  }

  // Within eight pixels of a connection point the end takes it; elsewhere
  // near the outline, the nearest point of the outline.
  void aDraggedLineEndTakesAConnectionPointOrTheNearestOutlinePoint() {
    test::ViewFixture f(590, 400, 1000);
    f.model().AddDefaultBlock(btEllipse, 2000, 1000, 2000, 1000);
    f.model().AddDefaultBlock(btLine, 500, 500, 500, 0);
    f.model().SetActiveBlock(2);
    TBlocksHolder& bh = f.bh();
    Press(bh, At(bh, 1000, 500));
    QCOMPARE(bh.FResizeCorner(), 4);
    Move(bh, At(bh, 3040, 950));
    Release(bh, At(bh, 3040, 950));
    QCOMPARE(LineEnd(f.model().Blocks(2)), (ChartPoint{3000, 1000}));
    Press(bh, At(bh, 3000, 1000));
    Move(bh, At(bh, 4000, 1150));  // beyond the right end's reach, above it
    Release(bh, At(bh, 4000, 1150));
    const ChartPoint end = LineEnd(f.model().Blocks(2));
    QVERIFY(end.x < 4000 && end.y < 1500 && end.y > 1000);
    QVERIFY(qAbs(std::hypot((end.x - 3000) / 1000.0, (end.y - 1500) / 500.0) - 1) < 0.002);
  }

  // Grabbed by a press, a line drawn from a symbol starts on its outline too.
  void aLineStartedInsideASymbolStartsOnItsOutline() {
    test::ViewFixture f(590, 400, 1000);
    f.model().AddDefaultBlock(btRectangle, 2000, 1000, 2000, 1000);
    f.model().SetDrawingLineByHand(true);
    TBlocksHolder& bh = f.bh();
    Press(bh, At(bh, 3000, 1960));
    Move(bh, At(bh, 3000, 3000));
    Release(bh, At(bh, 3000, 3000));
    const TBlock& line = f.model().Blocks(2);
    QCOMPARE((ChartPoint{line.X, line.Y}), (ChartPoint{3000, 2000}));
  }

  // With routing on, a line drawn from one symbol to another goes around the
  // symbol between them, from the start's glue point to the end's.
  void withRoutingOnALineFromSymbolToSymbolGoesAroundTheOneBetween() {
    test::ViewFixture f(590, 600, 1000);
    f.model().AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
    f.model().AddDefaultBlock(btRectangle, 1000, 5000, 2000, 1000);
    f.model().AddDefaultBlock(btEllipse, 500, 2800, 3000, 1400);
    f.bh().FRouteLines = true;
    f.model().SetDrawingLineByHand(true);
    TBlocksHolder& bh = f.bh();
    Press(bh, At(bh, 2000, 1960));
    Move(bh, At(bh, 2000, 5040));
    Release(bh, At(bh, 2000, 5040));
    QVERIFY(f.model().BlockCount() > 4);
    const TBlock& first = f.model().Blocks(4);
    QCOMPARE((ChartPoint{first.X, first.Y}), (ChartPoint{2000, 2000}));
    QCOMPARE(LineEnd(f.model().Blocks(f.model().BlockCount())), (ChartPoint{2000, 5000}));
    for (std::int64_t n = 4; n <= f.model().BlockCount(); ++n) {
      const TBlock& line = f.model().Blocks(n);
      const std::int64_t x0 = std::min(line.X, line.X + line.W), x1 = std::max(line.X, line.X + line.W);
      const std::int64_t y0 = std::min(line.Y, line.Y + line.H), y1 = std::max(line.Y, line.Y + line.H);
      QVERIFY(line.W == 0 || line.H == 0);
      const bool cuts = line.W == 0 ? 500 < x0 && x0 < 3500 && y0 < 4200 && 2800 < y1
                                    : 2800 < y0 && y0 < 4200 && x0 < 3500 && 500 < x1;
      QVERIFY2(!cuts, qPrintable(QString("line %1 cuts through the ellipse's box").arg(n)));
    }
  }
};

QTEST_MAIN(LineGlueTest)
#include "LineGlueTest.moc"
