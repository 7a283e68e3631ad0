// SPDX-License-Identifier: GPL-3.0-or-later
#include "v1/v1_frame.h"

#include <vector>

#include <gtest/gtest.h>

#include "v1/v1_settings_table.h"

namespace vuriru {
namespace {

using Bytes = std::vector<uint8_t>;

bool AllPairs(const V1Frame& frame) {
  for (const V1Write& w : frame) {
    if (w.length != 2) return false;
  }
  return true;
}

TEST(BuildV1Frame, FactoryValuesWithBecHiddenAreTenPairs) {
  const auto frame = BuildV1Frame(V1FactoryBlock());
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->size(), 10u);
  EXPECT_TRUE(AllPairs(*frame));
  EXPECT_EQ(FlattenV1Frame(*frame), (Bytes{0xE2, 0x01, 0xE3, 0x04, 0xE4, 0x00, 0xE5, 0x02, 0xE6, 0x02,
                                           0xE7, 0x00, 0xE8, 0x04, 0xEA, 0x02, 0xEB, 0x00, 0xEC, 0x2A}));
}

TEST(BuildV1Frame, BecShownAddsFourPairsBeforeTheCutOff) {
  V1SettingsBlock block = V1FactoryBlock(kV1BecShown);
  block[V1Setting::Bec] = 1;            // "8.4V"
  block[V1Setting::CutOffVoltage] = 5;  // "NOCut-Off"
  const auto frame = BuildV1Frame(block);
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->size(), 14u);
  EXPECT_TRUE(AllPairs(*frame));
  EXPECT_EQ(FlattenV1Frame(*frame),
            (Bytes{0xE2, 0x01, 0xE3, 0x04, 0xE4, 0x00, 0xE5, 0x02, 0xE6, 0x02, 0xE7, 0x00, 0xE8, 0x04,
                   0xEA, 0x02, 0xEB, 0x00, 0xA1, 0x01, 0xA1, 0x01, 0xA1, 0x01, 0xA1, 0x01, 0xEC, 0x2F}));
}

TEST(BuildV1Frame, EachSettingTravelsUnderItsCommand) {
  V1SettingsBlock block;
  block.index = {0, 2, 4, 3, 8, 8, 8, 7, 1, 5, 0};
  const auto frame = BuildV1Frame(block);
  ASSERT_TRUE(frame);
  EXPECT_EQ(FlattenV1Frame(*frame),
            (Bytes{0xE2, 2, 0xE3, 8, 0xE4, 7, 0xE5, 4, 0xE6, 3, 0xE7, 8, 0xE8, 8, 0xEA, 5, 0xEB, 1, 0xEC, 0x26}));
}

TEST(BuildV1Frame, IndexOutsideItsListIsNeverSent) {
  for (size_t i = 0; i < kV1SettingCount; ++i) {
    V1SettingsBlock block = V1FactoryBlock(kV1BecShown);
    block.index[i] = static_cast<int32_t>(V1SettingsTable()[i].options.size());
    EXPECT_FALSE(BuildV1Frame(block)) << i;
    block.index[i] = -1;
    EXPECT_FALSE(BuildV1Frame(block)) << i;
  }
  // A bad BEC value does not matter while BEC is not sent.
  V1SettingsBlock hidden = V1FactoryBlock();
  hidden[V1Setting::Bec] = 7;
  EXPECT_TRUE(BuildV1Frame(hidden));
}

CnV1SettingsBlock SampleCnBlock() {
  CnV1SettingsBlock block;
  block.index = {3, 2, 1, 3, 4, 5, 6, 7, 1, 4, 8, 6, 7};
  return block;
}

TEST(BuildCnV1Frame, FramesForEachReplyLength) {
  const Bytes middle = {0xE2, 2, 0xE3, 6, 0xE4, 7, 0xE5, 1, 0xE6, 3, 0xE7, 5, 0xE8, 4, 0xEB, 1, 0xEA, 4, 0xE9, 1};
  const Bytes turbo = {0xA1, 8, 0xA2, 7, 0xA3, 6};
  struct Case {
    size_t length;
    Bytes head;
    bool turbo;
    bool closing;
    size_t writes;
  };
  const Case cases[] = {
      {12, {0xED, 3}, false, true, 12},
      {14, {0xEC, 0x2C}, false, false, 11},
      {15, {0xED, 3}, true, true, 15},
      {18, {0xEC, 0x2C}, true, false, 14},
  };
  for (const Case& c : cases) {
    const auto frame = BuildCnV1Frame(SampleCnBlock(), c.length);
    ASSERT_TRUE(frame) << c.length;
    EXPECT_EQ(frame->size(), c.writes) << c.length;
    Bytes expected = c.head;
    expected.insert(expected.end(), middle.begin(), middle.end());
    if (c.turbo) expected.insert(expected.end(), turbo.begin(), turbo.end());
    if (c.closing) expected.push_back(0xD1);
    EXPECT_EQ(FlattenV1Frame(*frame), expected) << c.length;
    // Every write is a pair except a closing 0xD1, which goes alone.
    for (size_t i = 0; i + 1 < frame->size(); ++i) EXPECT_EQ((*frame)[i].length, 2) << c.length;
    EXPECT_EQ(frame->back() == V1Write::Single(0xD1), c.closing) << c.length;
  }
}

TEST(BuildCnV1Frame, FactoryNoCutOffGoesAsIndexOrCode) {
  const auto shortFrame = BuildCnV1Frame(CnV1FactoryBlock(), 12);
  ASSERT_TRUE(shortFrame);
  EXPECT_EQ(shortFrame->front(), V1Write::Pair(0xED, 5));
  const auto longFrame = BuildCnV1Frame(CnV1FactoryBlock(), 18);
  ASSERT_TRUE(longFrame);
  EXPECT_EQ(longFrame->front(), V1Write::Pair(0xEC, 0x2F));
}

TEST(BuildCnV1Frame, UnknownLengthOrBadIndexSendsNothing) {
  for (size_t length : {0u, 11u, 13u, 16u, 17u, 19u}) EXPECT_FALSE(BuildCnV1Frame(SampleCnBlock(), length)) << length;

  CnV1SettingsBlock block = SampleCnBlock();
  block[CnV1Setting::CutOffVoltage] = 6;
  EXPECT_FALSE(BuildCnV1Frame(block, 12));
  EXPECT_FALSE(BuildCnV1Frame(block, 14));

  block = SampleCnBlock();
  block[CnV1Setting::TurboDelay] = 9;
  EXPECT_TRUE(BuildCnV1Frame(block, 14));  // not sent with 14 bytes
  EXPECT_FALSE(BuildCnV1Frame(block, 18));
}

}  // namespace
}  // namespace vuriru
