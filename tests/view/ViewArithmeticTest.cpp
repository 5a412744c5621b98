// Coordinate and snapping arithmetic of the chart view, without a widget.
#include <QTest>

#include "view/GridSnapping.h"
#include "view/ViewCoordinates.h"

using namespace quobrix;

class ViewArithmeticTest : public QObject {
  Q_OBJECT

 private slots:
  void chartPointsLandOnTruncatedPixels_data() {
    QTest::addColumn<qint64>("inset");
    QTest::addColumn<qint64>("zoom");
    QTest::addColumn<qint64>("chart");
    QTest::addColumn<qint64>("pixel");
    QTest::newRow("A4 width") << qint64(0) << qint64(100) << qint64(21000) << qint64(793);
    QTest::newRow("A4 height") << qint64(0) << qint64(100) << qint64(29700) << qint64(1122);
    QTest::newRow("block at 10 mm") << qint64(0) << qint64(100) << qint64(1000) << qint64(37);
    QTest::newRow("with ruler inset") << qint64(22) << qint64(100) << qint64(1000) << qint64(59);
    QTest::newRow("negative truncates toward zero") << qint64(0) << qint64(100) << qint64(-1000) << qint64(-37);
    QTest::newRow("zoom 200") << qint64(0) << qint64(200) << qint64(1000) << qint64(75);
  }
  void chartPointsLandOnTruncatedPixels() {
    QFETCH(qint64, inset);
    QFETCH(qint64, zoom);
    QFETCH(qint64, chart);
    QFETCH(qint64, pixel);
    ViewTransform view{378, zoom, inset, 0, 0};
    QCOMPARE(view.ChartToWindow({chart, chart}), (WindowPoint{pixel, pixel}));
  }

  void windowPointsMapBackThroughOriginAndInset() {
    ViewTransform view{378, 100, 22, 100, 50};
    QCOMPARE(view.WindowToChart({22 - 100 + 37, 22 - 50 + 37}), (ChartPoint{978, 978}));
    QCOMPARE(view.PixelsToChart(1), 26);
    QCOMPARE(view.PixelsToChartRounded(1), 26);  // 26.45
    ViewTransform zoomed{378, 300, 0, 0, 0};
    QCOMPARE(zoomed.PixelsToChart(1), 8);  // below the 20-unit move threshold
    QCOMPARE(zoomed.PixelsToChartRounded(1), 9);
  }

  void roundingGoesToTheEvenNeighbourOnHalves() {
    QCOMPARE(RoundHalfEven(2.5), 2);
    QCOMPARE(RoundHalfEven(3.5), 4);
    QCOMPARE(RoundHalfEven(-2.5), -2);
    QCOMPARE(RoundHalfEven(37.8), 38);
  }

  void snapToGridRoundsMagnitudeKeepingSign_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<qint64>("snapped");
    QTest::newRow("below half") << qint64(1499) << qint64(1000);
    QTest::newRow("half rounds away") << qint64(1500) << qint64(2000);
    QTest::newRow("negative half") << qint64(-1500) << qint64(-2000);
    QTest::newRow("negative below half") << qint64(-1499) << qint64(-1000);
    QTest::newRow("drag by 1400") << qint64(1400) << qint64(1000);
    QTest::newRow("drag by 1600") << qint64(1600) << qint64(2000);
    QTest::newRow("zero") << qint64(0) << qint64(0);
  }
  void snapToGridRoundsMagnitudeKeepingSign() {
    QFETCH(qint64, value);
    QFETCH(qint64, snapped);
    QCOMPARE(SnapToGrid(value, 1000), snapped);
  }

  void snappedWindowPointsLieOnGridLines() {
    ViewTransform view{378, 100, 0, 0, 0};
    QCOMPARE(SnapPixelsToGrid(40, 0, view, 1000), 38);   // 10 mm is 37.8 pixels
    QCOMPARE(SnapPixelsToGrid(60, 0, view, 1000), 76);   // 20 mm is 75.6 pixels
    ViewTransform scrolled{378, 100, 22, 10, 0};
    QCOMPARE(SnapPixelsToGrid(50, 10, scrolled, 1000), 38 + 22 - 10);
  }
};

QTEST_APPLESS_MAIN(ViewArithmeticTest)
#include "ViewArithmeticTest.moc"
