// Windows placed where no screen is any more come back where they can be
// grabbed; windows the user can reach stay where they are; whatever numbers
// the settings file holds, a window ends up on a screen at a size it can have.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <climits>
#include <vector>

#include "platform/ProfileFile.h"
#include "platform/WindowPlacement.h"

namespace quobrix {
namespace {

// Two screens side by side; the left one's work area starts below a panel.
const QList<QRect> kTwoScreens = {QRect(0, 30, 1280, 770), QRect(1280, 0, 1280, 1024)};

struct ReachableCase {
  const char* what;
  QRect frame;
  QRect reachable;
};

TEST(ReachableFrame, KeepsWhatCanBeGrabbedAndBringsBackTheRest) {
  const ReachableCase cases[] = {
      {"inside", QRect(100, 100, 400, 300), QRect(100, 100, 400, 300)},
      {"mostly beyond the right edge, title still there", QRect(2500, 200, 400, 300), QRect(2500, 200, 400, 300)},
      {"on a monitor that is gone", QRect(5000, 300, 400, 300), QRect(2160, 300, 400, 300)},
      {"above the top, bottom part showing", QRect(100, -150, 400, 300), QRect(100, 30, 400, 300)},
      {"only a sliver of the title showing", QRect(-370, 100, 400, 300), QRect(0, 100, 400, 300)},
      {"larger than every screen, shrunk onto the one showing most", QRect(-50, -50, 3000, 2000),
       QRect(1280, 0, 1280, 1024)},
      {"far below, nearest the right screen", QRect(2000, 9000, 400, 300), QRect(2000, 724, 400, 300)},
  };
  for (const ReachableCase& c : cases) EXPECT_EQ(ReachableFrame(c.frame, kTwoScreens), c.reachable) << c.what;
}

bool Grabbable(const QRect& frame, const QList<QRect>& screens) {
  for (const QRect& screen : screens) {
    const QRect titleStrip = QRect(frame.left(), frame.top(), frame.width(), 20) & screen;
    if (titleStrip.height() == 20 && titleStrip.width() >= std::min(60, frame.width())) return true;
  }
  return false;
}

// Every combination of hostile and ordinary numbers for the four keys.
TEST(FrameOnScreens, AnyStoredNumbersGiveAGrabbableWindowNoLargerThanAScreen) {
  const std::vector<qint64> values = {INT_MIN, INT_MIN + 1, -1000000, -401, -1,      0,           1,
                                      99,      640,         2559,     5000, 1000000, INT_MAX - 1, INT_MAX};
  const QSize smallest(100, 100);
  for (const QList<QRect>& screens : {kTwoScreens, QList<QRect>{QRect(0, 0, 1024, 768)}}) {
    for (qint64 left : values)
      for (qint64 top : values)
        for (qint64 width : values)
          for (qint64 height : values) {
            const QRect frame = FrameOnScreens({left, top, width, height}, smallest, screens);
            ASSERT_TRUE(Grabbable(frame, screens)) << left << ' ' << top << ' ' << width << ' ' << height;
            ASSERT_GE(frame.width(), smallest.width());
            ASSERT_GE(frame.height(), smallest.height());
            ASSERT_LE(frame.width(), 1280);
            ASSERT_LE(frame.height(), screens.size() == 1 ? 768 : 1024);
          }
  }
}

TEST(FrameOnScreens, AnOrdinaryPlacementIsKeptAsItIs) {
  EXPECT_EQ(FrameOnScreens({150, 120, 640, 480}, QSize(100, 100), kTwoScreens), QRect(150, 120, 640, 480));
  EXPECT_EQ(FrameOnScreens({1500, 40, 2000, 900}, QSize(100, 100), kTwoScreens), QRect(1500, 40, 1280, 900));
}

TEST(FrameOnScreens, AScreenSmallerThanTheSmallestSizeGivesTheScreensSize) {
  EXPECT_EQ(FrameOnScreens({0, 0, 10, 10}, QSize(100, 100), {QRect(0, 0, 80, 60)}), QRect(0, 0, 80, 60));
}

TEST(ReadWindowPlacement, MissingKeysKeepTheWindowsOwnValuesAndAnUnsizedWindowKeepsItsSize) {
  QTemporaryDir dir;
  ProfileFile file(dir.filePath(QStringLiteral("q.ini")));
  file.WriteInteger(QStringLiteral("WinPos"), QStringLiteral("PaletteX"), 300);
  file.WriteInteger(QStringLiteral("WinPos"), QStringLiteral("PaletteW"), INT_MAX);
  file.WriteInteger(QStringLiteral("WinPos"), QStringLiteral("ChartW"), INT_MAX);
  file.WriteInteger(QStringLiteral("WinPos"), QStringLiteral("ChartY"), INT_MIN);
  const QRect current(40, 50, 200, 150);
  EXPECT_EQ(ReadWindowPlacement(file, QStringLiteral("Palette"), current), QRect(300, 50, 200, 150));
  const QRect chart = ReadWindowPlacement(file, QStringLiteral("Chart"), current, QSize(100, 100));
  const QList<QRect> screens = ScreenWorkAreas();
  ASSERT_FALSE(screens.isEmpty());
  EXPECT_EQ(chart.height(), 150);
  EXPECT_TRUE(Grabbable(chart, screens));
  EXPECT_LE(chart.width(), screens.front().width());
}

}  // namespace
}  // namespace quobrix
