// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/curve_sampling.h"

#include <gtest/gtest.h>

namespace vuriru {
namespace {

struct Curve {
  CurveBytes x{};
  CurveBytes y{};
  uint32_t count = 0;
};

Curve MakeCurve(std::initializer_list<std::pair<int, int>> points) {
  Curve c;
  for (auto [x, y] : points) {
    c.x[c.count] = static_cast<uint8_t>(x);
    c.y[c.count] = static_cast<uint8_t>(y);
    ++c.count;
  }
  return c;
}

TEST(SampleCurve, InputsStepThreeThenTwoFromTwoToHundred) {
  EXPECT_EQ(SampleInput(0), 2);
  EXPECT_EQ(SampleInput(1), 5);
  EXPECT_EQ(SampleInput(2), 7);
  EXPECT_EQ(SampleInput(3), 10);
  EXPECT_EQ(SampleInput(38), 97);
  EXPECT_EQ(SampleInput(39), 100);
}

TEST(SampleCurve, StraightLineGivesTheInputsWithFirstForcedToZero) {
  const Curve c = MakeCurve({{0, 0}, {100, 100}});
  CurveBytes table{};
  table.fill(0xEE);
  SampleCurve(c.x, c.y, c.count, table);
  EXPECT_EQ(table[0], 0);
  for (size_t k = 1; k < kSampleCount; ++k) EXPECT_EQ(table[k], SampleInput(k)) << k;
  for (size_t k = kSampleCount; k < table.size(); ++k) EXPECT_EQ(table[k], 0xEE) << "only 40 entries are written";
}

TEST(SampleCurve, InterpolatesInSinglePrecisionAndRoundsHalfAway) {
  const Curve c = MakeCurve({{0, 0}, {50, 80}, {100, 100}});
  CurveBytes table{};
  SampleCurve(c.x, c.y, c.count, table);
  EXPECT_EQ(table[1], 8);    // input 5: 8.0
  EXPECT_EQ(table[2], 11);   // input 7: 11.2
  EXPECT_EQ(table[19], 80);  // input 50 hits the point itself
  EXPECT_EQ(table[20], 81);  // input 52: 80 + 0.8
  EXPECT_EQ(table[39], 100);

  // 0.5, 2.5 and 7.5 all round away from zero.
  const Curve half = MakeCurve({{0, 0}, {4, 1}, {8, 11}, {10, 1}, {100, 100}});
  SampleCurve(half.x, half.y, half.count, table);
  EXPECT_EQ(table[0], 0);  // input 2: 0.5 -> 1, then forced to 0
  EXPECT_EQ(table[1], 4);  // input 5: 1 + 2.5 -> 4
  EXPECT_EQ(table[2], 9);  // input 7: 1 + 7.5 -> 9
  EXPECT_EQ(table[3], 1);  // input 10 is the point (10,1)
}

TEST(SampleCurve, VerticalStepTakesTheLaterPoint) {
  const Curve c = MakeCurve({{0, 0}, {50, 20}, {50, 90}, {100, 100}});
  CurveBytes table{};
  SampleCurve(c.x, c.y, c.count, table);
  EXPECT_EQ(table[19], 20);  // input 50 meets (50,20) first
  EXPECT_EQ(table[20], 90);  // input 52 interpolates from (50,90): 90 + 0.4
}

TEST(SampleCurve, CurveEndingLeftOfHundredLeavesLaterEntriesAndEnds) {
  Curve c = MakeCurve({{0, 0}, {50, 50}});
  c.x[2] = 99;  // a stale entry behind the last point is never used
  c.y[2] = 1;
  CurveBytes table{};
  table.fill(0xEE);
  SampleCurve(c.x, c.y, c.count, table);
  EXPECT_EQ(table[0], 2) << "not forced to 0";
  for (size_t k = 1; k < 20; ++k) EXPECT_EQ(table[k], SampleInput(k)) << k;
  for (size_t k = 20; k < kSampleCount; ++k) EXPECT_EQ(table[k], 0xEE) << k;
}

TEST(SampleCurve, ArbitraryBytesAndCountsStayInBounds) {
  uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
  for (int round = 0; round < 2000; ++round) {
    Curve c;
    for (size_t i = 0; i < kStoredCurveLength; ++i) {
      c.x[i] = static_cast<uint8_t>(next() >> 16);
      c.y[i] = static_cast<uint8_t>(next() >> 16);
    }
    CurveBytes table{};
    SampleCurve(c.x, c.y, next() % 300, table);
  }
}

}  // namespace
}  // namespace vuriru
