// Where lines meet symbols: the connection points of every flowchart shape
// and the nearest point of an outline.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "chart/SymbolOutline.h"

namespace quobrix {
namespace {

TBlock Symbol(std::uint8_t type, std::int64_t x = 1000, std::int64_t y = 2000, std::int64_t w = 2000,
              std::int64_t h = 1000) {
  TBlock b;
  b.BT = type;
  b.X = x;
  b.Y = y;
  b.W = w;
  b.H = h;
  return b;
}

struct ShapeCase {
  const char* name;
  std::uint8_t type;
  std::vector<OutlinePoint> points;  // top, right, bottom, left
};

class ConnectionPointsOf : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ConnectionPointsOf, Shape) {
  const std::vector<OutlinePoint> got = ConnectionPoints(Symbol(GetParam().type));
  ASSERT_EQ(got.size(), GetParam().points.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_NEAR(got[i].x, GetParam().points[i].x, 1e-6) << "point " << i;
    EXPECT_NEAR(got[i].y, GetParam().points[i].y, 1e-6) << "point " << i;
  }
}

// The box is (1000, 2000) to (3000, 3000).
const std::vector<OutlinePoint> kSideMiddles = {{2000, 2000}, {3000, 2500}, {2000, 3000}, {1000, 2500}};

INSTANTIATE_TEST_SUITE_P(
    Flowchart, ConnectionPointsOf,
    ::testing::Values(ShapeCase{"rectangle", btRectangle, kSideMiddles}, ShapeCase{"ellipse", btEllipse, kSideMiddles},
                      ShapeCase{"decision_corners", btLogicIf, kSideMiddles},
                      ShapeCase{"hexagon", btHexagon, kSideMiddles},
                      ShapeCase{"terminator_ends", btBeginEnd, kSideMiddles},
                      ShapeCase{"document_on_its_wave", btDocument,
                                {{2000, 2000}, {3000, 2500}, {2000, 2900}, {1000, 2500}}},
                      ShapeCase{"parallelogram_on_its_slanted_sides", btSRectangle,
                                {{2000, 2000}, {2900, 2500}, {2000, 3000}, {1100, 2500}}},
                      ShapeCase{"circle_in_the_square_on_the_near_corner", btCircle,
                                {{1500, 2000}, {2000, 2500}, {1500, 3000}, {1000, 2500}}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ConnectionPoints, AMirroredSymbolHasTheSamePoints) {
  const std::vector<OutlinePoint> got = ConnectionPoints(Symbol(btSRectangle, 3000, 3000, -2000, -1000));
  // Drawn from the far corner, the slant runs the other way.
  EXPECT_NEAR(got[1].x, 2900, 1e-6);
  EXPECT_NEAR(got[3].x, 1100, 1e-6);
}

// Every nearest point lies on the outline, and no point of the outline is nearer.
TEST(NearestOnOutline, IsOnTheOutlineAndNoVertexIsNearer) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> place(0, 4000);
  for (const std::uint8_t type : {btRectangle, btEllipse, btLogicIf, btBeginEnd, btDocument, btRoundRectangle}) {
    const std::vector<OutlinePoint> outline = SymbolOutline(Symbol(type));
    for (int i = 0; i < 200; ++i) {
      const double x = place(random), y = place(random);
      const NearestPoint nearest = NearestOnOutline(outline, x, y);
      EXPECT_NEAR(NearestOnOutline(outline, nearest.point.x, nearest.point.y).distance, 0, 1e-6);
      for (const OutlinePoint& v : outline) EXPECT_LE(nearest.distance, std::hypot(v.x - x, v.y - y) + 1e-9);
    }
  }
}

}  // namespace
}  // namespace quobrix
