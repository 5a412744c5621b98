// Windows placed where no screen is any more come back where they can be
// grabbed; windows the user can reach stay where they are.
#include <QTest>

#include "app/ReachableWindow.h"

using namespace quobrix;

class ReachableWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void placements_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("reachable");
    // Two screens side by side; the left one's work area starts below a panel.
    QTest::newRow("inside") << QRect(100, 100, 400, 300) << QRect(100, 100, 400, 300);
    QTest::newRow("mostly beyond the right edge, title still there")
        << QRect(2500, 200, 400, 300) << QRect(2500, 200, 400, 300);
    QTest::newRow("on a monitor that is gone") << QRect(5000, 300, 400, 300) << QRect(2160, 300, 400, 300);
    QTest::newRow("above the top, bottom part showing") << QRect(100, -150, 400, 300) << QRect(100, 30, 400, 300);
    QTest::newRow("only a sliver of the title showing") << QRect(-370, 100, 400, 300) << QRect(0, 100, 400, 300);
    QTest::newRow("larger than every screen, shrunk onto the one showing most")
        << QRect(-50, -50, 3000, 2000) << QRect(1280, 0, 1280, 1024);
    QTest::newRow("far below, nearest the right screen") << QRect(2000, 9000, 400, 300) << QRect(2000, 724, 400, 300);
  }

  void placements() {
    QFETCH(QRect, frame);
    QFETCH(QRect, reachable);
    const QList<QRect> screens = {QRect(0, 30, 1280, 770), QRect(1280, 0, 1280, 1024)};
    QCOMPARE(ReachableFrame(frame, screens), reachable);
  }
};

QTEST_MAIN(ReachableWindowTest)
#include "ReachableWindowTest.moc"
