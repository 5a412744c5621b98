#include <gtest/gtest.h>

#include "chart/CoordinateMath.h"

namespace quobrix {
namespace {

constexpr std::int64_t kMin = INT64_MIN, kMax = INT64_MAX;

TEST(WrappingArithmetic, StepsOutsideTheRangeStillGiveTheExactResultWhenItFits) {
  // A move far out and back, as dragging a block at the edge of the range does.
  EXPECT_EQ(WrapSub(WrapAdd(kMax, 1000), 1500), kMax - 500);
  EXPECT_EQ(WrapAdd(WrapMul(kMax, 2), 2), 0);
  EXPECT_EQ(WrapAdd(kMax, 1), kMin);
  EXPECT_EQ(WrapNeg(kMin), kMin);
}

TEST(WrappingArithmetic, DivisionIsDefinedForEveryPair) {
  EXPECT_EQ(WrapDiv(-7, 2), -3);  // toward zero, as the drawing's div
  EXPECT_EQ(WrapDiv(kMin, -1), kMin);
  EXPECT_EQ(WrapDiv(12345, 0), 0);
}

TEST(Distances, AreExactAcrossTheWholeRange) {
  EXPECT_EQ(Magnitude(kMin), std::uint64_t{1} << 63);
  EXPECT_EQ(Distance(kMin, kMax), UINT64_MAX);
  EXPECT_EQ(Distance(kMax, kMin), UINT64_MAX);
  EXPECT_EQ(Distance(-3, 4), 7u);
}

TEST(SaturatingBounds, StopAtTheEndsSoAWidenedSpanStaysOrdered) {
  EXPECT_EQ(SaturatingSub(kMin + 5, 10), kMin);
  EXPECT_EQ(SaturatingAdd(kMax - 5, 10), kMax);
  EXPECT_EQ(SaturatingSub(kMax, kMin), kMax);
  EXPECT_EQ(SaturatingAdd(kMin, kMin), kMin);
  EXPECT_EQ(SaturatingAdd(-5, 10), 5);
}

TEST(CheckedProducts, RefuseOnlyWhatDoesNotFit) {
  EXPECT_EQ(CheckedMul(kMin, 1), kMin);
  EXPECT_EQ(CheckedMul(kMin, -1), std::nullopt);
  EXPECT_EQ(CheckedMul(std::int64_t{1} << 32, std::int64_t{1} << 31), std::nullopt);
}

TEST(DevicePixels, KeepTheLow32Bits) {
  EXPECT_EQ(ToPixel((std::int64_t{1} << 32) + 5), 5);
  EXPECT_EQ(ToPixel(std::int64_t{1} << 31), INT32_MIN);
  EXPECT_EQ(OffsetPixels(INT32_MAX, 1), INT32_MIN);
  EXPECT_EQ(OffsetPixels(INT32_MIN, -3), INT32_MAX - 2);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbourAndHugeValuesAreHeld) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(1e300), std::int64_t{1} << 62);
  EXPECT_EQ(RoundHalfEven(-1e300), -(std::int64_t{1} << 62));
  EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
}

}  // namespace
}  // namespace quobrix
