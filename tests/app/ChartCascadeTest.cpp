// Where new chart windows go when others already stand where they would.
#include <QTest>
#include <algorithm>
#include <vector>

#include "app/ChartCascade.h"

using namespace quobrix;

Q_DECLARE_METATYPE(std::vector<QPoint>)

namespace {

// A work area below a 30-pixel panel of a 1280 x 800 screen.
const QRect kWorkArea(0, 30, 1280, 770);
const QSize kWindow(700, 500);

}  // namespace

class ChartCascadeTest : public QObject {
  Q_OBJECT

 private slots:
  void aWindowStepsAwayFromTheWindowsItWouldCover_data() {
    QTest::addColumn<QPoint>("wanted");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<std::vector<QPoint>>("taken");
    QTest::addColumn<QPoint>("placed");
    const int s = kCascadeStep;
    QTest::newRow("free place kept") << QPoint(100, 100) << kWindow << std::vector<QPoint>{QPoint(200, 200)}
                                     << QPoint(100, 100);
    QTest::newRow("taken place steps") << QPoint(100, 100) << kWindow << std::vector<QPoint>{QPoint(100, 100)}
                                       << QPoint(100 + s, 100 + s);
    QTest::newRow("steps past every taken step")
        << QPoint(100, 100) << kWindow
        << std::vector<QPoint>{QPoint(100 + s, 100 + s), QPoint(100, 100), QPoint(100 + 2 * s, 100 + 2 * s)}
        << QPoint(100 + 3 * s, 100 + 3 * s);
    QTest::newRow("bottom edge starts again from the top, a step right")
        << QPoint(300, 300) << kWindow << std::vector<QPoint>{QPoint(300, 300)} << QPoint(s, 30);
    QTest::newRow("a window larger than the work area keeps stepping")
        << QPoint(0, 30) << QSize(1400, 900) << std::vector<QPoint>{QPoint(0, 30)} << QPoint(s, 30 + s);
  }

  void aWindowStepsAwayFromTheWindowsItWouldCover() {
    QFETCH(QPoint, wanted);
    QFETCH(QSize, size);
    QFETCH(std::vector<QPoint>, taken);
    QFETCH(QPoint, placed);
    QCOMPARE(CascadedPosition(wanted, size, kWorkArea, taken), placed);
  }

  // Windows opened one after another at the place the last one closed at,
  // from the work area's corner and from its middle.
  void windowsOpenedInARowNeverCoverEachOtherAndStayInTheWorkArea() {
    for (const QPoint wanted : {kWorkArea.topLeft(), QPoint(290, 160)}) {
      std::vector<QPoint> taken;
      for (int n = 0; n < 60; ++n) {
        const QPoint placed = CascadedPosition(wanted, kWindow, kWorkArea, taken);
        QVERIFY2(std::find(taken.begin(), taken.end(), placed) == taken.end(), qPrintable(QString::number(n)));
        QVERIFY(kWorkArea.contains(QRect(placed, kWindow)));
        taken.push_back(placed);
      }
    }
  }
};

QTEST_MAIN(ChartCascadeTest)
#include "ChartCascadeTest.moc"
