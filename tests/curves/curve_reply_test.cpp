// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/curve_reply.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vuriru {
namespace {

// A reply for the curve (0,0) (40,70) (100,100) with a recognisable table.
std::vector<uint8_t> GoodReply() {
  std::vector<uint8_t> r(kCurveReplyLength, 0);
  r[0] = 0x80;
  for (size_t i = 0; i < 40; ++i) r[1 + i] = static_cast<uint8_t>(i + 1);
  r[41 + 1] = 40;
  r[81 + 1] = 70;
  r[41 + 2] = 100;
  r[81 + 2] = 100;
  const CurveCheckBytes check = ComputeCheckBytes(std::span<const uint8_t, kCurveValueCount>(r.data() + 1, 120));
  r[121] = check.quotient;
  r[122] = check.remainder;
  return r;
}

struct CurveReplyTest : ::testing::Test {
  SettingsBlock settings;
  CurveSet curves{settings};

  bool Store(CurveNumber n, const std::vector<uint8_t>& r, size_t length) {
    return StoreCurveReply(n, r.data(), length, curves, settings);
  }
  bool Store(CurveNumber n, const std::vector<uint8_t>& r) { return Store(n, r, r.size()); }
};

TEST_F(CurveReplyTest, SoundReplyForACustomCurveReplacesArraysAndPoints) {
  settings.Current(Setting::BrakeCurve) = 7;  // any non-zero index means Custom
  const std::vector<uint8_t> r = GoodReply();
  EXPECT_TRUE(Store(CurveNumber::Brake, r));
  EXPECT_EQ(settings.Current(Setting::BrakeCurve), 1);
  const CurveModel& brake = curves.brake;
  EXPECT_EQ(brake.Count(), 3u);
  EXPECT_EQ(brake.Points()[1], (GridPoint{40, 70}));
  // Reloading samples the points again, replacing the table the reply carried.
  EXPECT_EQ(brake.Stored().table[1], 9);  // input 5: 70/40*5 = 8.75
  EXPECT_EQ(brake.Stored().x[1], 40);
}

TEST_F(CurveReplyTest, SoundReplyForALinearCurveStaysLinearAndKeepsThePoints) {
  const std::vector<uint8_t> r = GoodReply();
  EXPECT_TRUE(Store(CurveNumber::Boost, r));
  EXPECT_EQ(settings.Current(Setting::BoostSlope), 0);
  const CurveModel& boost = curves.boost;
  EXPECT_EQ(boost.Count(), 3u);
  EXPECT_EQ(boost.Points()[1], (GridPoint{0, 100})) << "point list not rebuilt";
  for (size_t i = 0; i < 40; ++i) {
    EXPECT_EQ(boost.Stored().table[i], r[1 + i]);
    EXPECT_EQ(boost.Stored().x[i], r[41 + i]);
    EXPECT_EQ(boost.Stored().y[i], r[81 + i]);
  }
}

TEST_F(CurveReplyTest, CancelAfterAReplyForALinearCurveReturnsToTheWholeReplyCurve) {
  // The editor is shown later with its old straight line; CANCEL goes back to
  // the stored curve, which is now the controller's, end point included.
  EXPECT_TRUE(Store(CurveNumber::Throttle, GoodReply()));
  CurveModel& throttle = curves.throttle;
  ASSERT_EQ(throttle.Count(), 2u);
  throttle.Show();
  throttle.Cancel();
  const std::vector<GridPoint> points(throttle.Points().begin(), throttle.Points().end());
  EXPECT_EQ(points, (std::vector<GridPoint>{{0, 0}, {40, 70}, {100, 100}}));

  // And a shorter curve after a longer one leaves no stale point behind its end.
  std::vector<uint8_t> line(kCurveReplyLength, 0);
  line[42] = line[82] = 100;
  const CurveCheckBytes check = ComputeCheckBytes(std::span<const uint8_t, kCurveValueCount>(line.data() + 1, 120));
  line[121] = check.quotient;
  line[122] = check.remainder;
  EXPECT_TRUE(Store(CurveNumber::Throttle, line));
  throttle.Cancel();
  EXPECT_EQ(throttle.Count(), 2u);
  EXPECT_EQ(throttle.Points().back(), (GridPoint{100, 100}));
}

TEST_F(CurveReplyTest, RefusedRepliesChangeNothing) {
  settings.Current(Setting::BrakeCurve) = 1;
  const StoredCurve before = curves.brake.Stored();
  std::vector<std::vector<uint8_t>> refused;

  std::vector<uint8_t> badQuotient = GoodReply();
  badQuotient[121] += 1;
  refused.push_back(badQuotient);
  std::vector<uint8_t> changedValue = GoodReply();
  changedValue[10] += 1;
  refused.push_back(changedValue);
  // 122 zero bytes after the first: check bytes 0 and 0 match, but there is
  // no curve in it.
  std::vector<uint8_t> zeros(kCurveReplyLength, 0);
  refused.push_back(zeros);
  // Matching check bytes around a curve whose x goes back.
  std::vector<uint8_t> backwards = GoodReply();
  backwards[42] = 60;
  backwards[43] = 50;
  backwards[44] = 100;
  backwards[84] = 100;
  const CurveCheckBytes check =
      ComputeCheckBytes(std::span<const uint8_t, kCurveValueCount>(backwards.data() + 1, 120));
  backwards[121] = check.quotient;
  backwards[122] = check.remainder;
  refused.push_back(backwards);

  for (const auto& r : refused) {
    EXPECT_FALSE(Store(CurveNumber::Brake, r));
    EXPECT_EQ(curves.brake.Stored().x, before.x);
    EXPECT_EQ(curves.brake.Stored().y, before.y);
    EXPECT_EQ(curves.brake.Stored().table, before.table);
    EXPECT_EQ(curves.brake.Count(), 2u);
  }
}

TEST_F(CurveReplyTest, ShortReplyIsRefusedWithoutReadingPastIt) {
  const std::vector<uint8_t> full = GoodReply();
  for (size_t length = 0; length < kCurveReplyLength; ++length) {
    // An exact-size copy, so the sanitizer catches any read past its end.
    std::vector<uint8_t> r(full.begin(), full.begin() + static_cast<ptrdiff_t>(length));
    EXPECT_FALSE(Store(CurveNumber::Boost, r)) << length;
  }
  EXPECT_FALSE(StoreCurveReply(CurveNumber::Boost, nullptr, 0, curves, settings));
  EXPECT_FALSE(Store(static_cast<CurveNumber>(4), full));
}

TEST_F(CurveReplyTest, RandomRepliesNeverBreakTheCurve) {
  uint32_t seed = 7;
  auto next = [&seed] { return (seed = seed * 1664525u + 1013904223u) >> 24; };
  settings.Current(Setting::ThCurve) = 1;
  for (int round = 0; round < 3000; ++round) {
    std::vector<uint8_t> r(next() % 140);
    for (auto& b : r) b = static_cast<uint8_t>(next());
    if (r.size() >= kCurveReplyLength && round % 2 == 0) {
      // Half of them with matching check bytes, so the curve rule is reached.
      const CurveCheckBytes c = ComputeCheckBytes(std::span<const uint8_t, kCurveValueCount>(r.data() + 1, 120));
      r[121] = c.quotient;
      r[122] = c.remainder;
    }
    Store(CurveNumber::Throttle, r);
    ASSERT_TRUE(IsPossibleCurve(curves.throttle.Stored()));
  }
}

}  // namespace
}  // namespace vuriru
