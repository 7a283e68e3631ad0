// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/curve_block.h"

#include <gtest/gtest.h>

#include "curves/curve_set.h"

namespace vuriru {
namespace {

TEST(CurveBlock, LaysOutTableXYCheckBytesAndOnes) {
  StoredCurve c;
  for (size_t i = 0; i < kStoredCurveLength; ++i) {
    c.table[i] = static_cast<uint8_t>(i % 101);
    c.x[i] = static_cast<uint8_t>((i * 3) % 101);
    c.y[i] = static_cast<uint8_t>((i * 7) % 101);
  }
  const CurveBlock block = BuildCurveBlock(c);
  int sum = 0;
  for (size_t i = 0; i < 40; ++i) {
    EXPECT_EQ(block[i], c.table[i]);
    EXPECT_EQ(block[40 + i], c.x[i]);
    EXPECT_EQ(block[80 + i], c.y[i]);
    sum += c.table[i] + c.x[i] + c.y[i];
  }
  EXPECT_EQ(block[120], sum / 100);
  EXPECT_EQ(block[121], sum % 100);
  for (size_t i = 122; i < kCurveBlockLength; ++i) EXPECT_EQ(block[i], 1) << i;
}

TEST(CurveBlock, FreshThrottleCurveIsByteExact) {
  SettingsBlock settings;
  CurveSet curves(settings);
  const CurveBlock block = BuildCurveBlock(curves, CurveNumber::Throttle);
  CurveBlock expected{};
  // Sampled straight line: 0, 5, 7, 10, ..., 97, 100.
  for (size_t k = 1; k < 40; ++k) expected[k] = static_cast<uint8_t>(5 * (k + 1) / 2);
  expected[41] = 100;
  expected[81] = 100;
  // S = (2 + 5 + ... + 100 = 2040) - 2 for the forced first entry + 100 + 100.
  expected[120] = 22;
  expected[121] = 38;
  for (size_t i = 122; i < 150; ++i) expected[i] = 1;
  EXPECT_EQ(block, expected);
}

TEST(CurveCheckBytes, SumsSignedBytesAndKeepsLowBytes) {
  std::array<uint8_t, kCurveValueCount> v{};
  EXPECT_EQ(ComputeCheckBytes(v), (CurveCheckBytes{0, 0}));
  v.fill(100);  // S = 12000: quotient 120, remainder 0
  EXPECT_EQ(ComputeCheckBytes(v), (CurveCheckBytes{120, 0}));
  v.fill(0);
  v[0] = 0xFF;  // -1 as a signed byte: S / 100 = 0, S % 100 = -1 -> 0xFF
  EXPECT_EQ(ComputeCheckBytes(v), (CurveCheckBytes{0, 0xFF}));
  v.fill(0x80);  // S = -15360: -153 -> 0x67, -60 -> 0xC4
  EXPECT_EQ(ComputeCheckBytes(v), (CurveCheckBytes{0x67, 0xC4}));
}

TEST(IsPossibleCurve, AcceptsOnlyCurvesTheEditorCouldMake) {
  auto curve = [](std::initializer_list<std::pair<int, int>> pts) {
    StoredCurve c;
    size_t i = 0;
    for (auto [x, y] : pts) {
      c.x[i] = static_cast<uint8_t>(x);
      c.y[i++] = static_cast<uint8_t>(y);
    }
    return c;
  };
  EXPECT_TRUE(IsPossibleCurve(curve({{0, 0}, {100, 100}})));
  EXPECT_TRUE(IsPossibleCurve(curve({{0, 0}, {50, 0}, {50, 100}, {100, 100}, {3, 200}})))
      << "entries after the end point are not looked at";
  EXPECT_FALSE(IsPossibleCurve(curve({{1, 0}, {100, 100}})));
  EXPECT_FALSE(IsPossibleCurve(curve({{0, 0}, {60, 10}, {59, 20}, {100, 100}})));
  EXPECT_FALSE(IsPossibleCurve(curve({{0, 0}, {50, 101}, {100, 100}})));
  EXPECT_FALSE(IsPossibleCurve(StoredCurve{}));

  StoredCurve late = curve({{0, 0}});
  late.x[40] = 100;
  late.y[40] = 100;
  EXPECT_FALSE(IsPossibleCurve(late)) << "the end point must be among the first 40";
  late.x[39] = 100;
  late.y[39] = 100;
  EXPECT_TRUE(IsPossibleCurve(late));
}

}  // namespace
}  // namespace vuriru
