// The main window's snapping to the edges of the work area.
#include <QTest>

#include "view/ScreenSnap.h"

using namespace quobrix;

class ScreenSnapTest : public QObject {
  Q_OBJECT

 private slots:
  void framesNearAnEdgeMoveOntoIt_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QPoint>("snapped");
    // A 300 x 100 frame in a work area from (0, 30) to (1280, 800).
    QTest::newRow("near the left and top") << QPoint(20, 50) << QPoint(0, 30);
    QTest::newRow("just too far") << QPoint(21, 51) << QPoint(21, 51);
    QTest::newRow("beyond the left edge") << QPoint(-15, 400) << QPoint(0, 400);
    QTest::newRow("near the right and bottom") << QPoint(965, 690) << QPoint(980, 700);
    QTest::newRow("in the middle") << QPoint(500, 400) << QPoint(500, 400);
  }

  void framesNearAnEdgeMoveOntoIt() {
    QFETCH(QPoint, at);
    QFETCH(QPoint, snapped);
    QCOMPARE(SnapToEdges(QRect(at, QSize(300, 100)), QRect(0, 30, 1280, 770), 20), snapped);
  }
};

QTEST_MAIN(ScreenSnapTest)
#include "ScreenSnapTest.moc"
