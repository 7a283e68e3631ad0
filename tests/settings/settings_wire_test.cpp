// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_wire.h"

#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "settings/settings_table.h"

namespace vuriru {
namespace {

std::vector<uint8_t> ReplyOf(size_t length) {
  std::vector<uint8_t> reply(length);
  for (size_t i = 0; i < length; ++i) reply[i] = static_cast<uint8_t>(100 + i);
  return reply;
}

TEST(SettingsReply, FullReplyStoresEveryByteInReplyOrder) {
  SettingsBlock block;
  ASSERT_TRUE(ParseSettingsReply(ReplyOf(35), block));
  EXPECT_EQ(block.Current(Setting::RunMode), 100);
  EXPECT_EQ(block.Current(Setting::DBrakeRate), 101);
  EXPECT_EQ(block.Current(Setting::TurboSlopeOff), 126);
  EXPECT_EQ(block.Log(RunningLog::BatteryMinVoltage), 127u);
  EXPECT_EQ(block.Log(RunningLog::MotorMaxRpm), 130u);
  EXPECT_EQ(block.Current(Setting::RaceMode), 131);
  EXPECT_EQ(block.Current(Setting::DeadBand), 132);
  EXPECT_EQ(block.Current(Setting::BecOutput), 133);
  EXPECT_EQ(block.Current(Setting::RpmLock), 134);
  // Page-only settings are untouched.
  EXPECT_EQ(block.Current(Setting::ThReverseSpd), 0);
}

TEST(SettingsReply, ValuesAreStoredAsTheyCome) {
  SettingsBlock block;
  std::vector<uint8_t> reply(35, 0);
  reply[0] = 7;     // beyond RUN MODE's last option
  reply[1] = 55;    // D.Brake Rate, never shown on a page
  reply[30] = 255;  // zero-extended, not sign-extended
  ASSERT_TRUE(ParseSettingsReply(reply, block));
  EXPECT_EQ(block.Current(Setting::RunMode), 7);
  EXPECT_EQ(block.Current(Setting::DBrakeRate), 55);
  EXPECT_EQ(block.Log(RunningLog::MotorMaxRpm), 255u);
}

TEST(SettingsReply, ShortRepliesKeepWhatTheyDoNotCarry) {
  SettingsBlock block;
  block.Current(Setting::BecOutput) = 1;
  block.Current(Setting::RpmLock) = 49;

  ASSERT_TRUE(ParseSettingsReply(ReplyOf(33), block));
  EXPECT_EQ(block.Current(Setting::DeadBand), 132);
  EXPECT_EQ(block.Current(Setting::BecOutput), 1);
  EXPECT_EQ(block.Current(Setting::RpmLock), 49);

  // A 34-byte reply is usually a whole one cut short: its byte 33 is the
  // controller's BEC Output and must go back unchanged on the next Apply.
  ASSERT_TRUE(ParseSettingsReply(ReplyOf(34), block));
  EXPECT_EQ(block.Current(Setting::BecOutput), 133);
  EXPECT_EQ(block.Current(Setting::RpmLock), 49);
  const SettingsFrame frame = BuildSettingsFrame(block);
  EXPECT_EQ(frame[60], 0xAE);
  EXPECT_EQ(frame[61], 133);
  EXPECT_EQ(frame[59], 49);
}

TEST(SettingsReply, IncompleteReplyChangesNothing) {
  SettingsBlock block;
  LoadFactorySettings(block);
  const SettingsBlock before = block;
  EXPECT_FALSE(ParseSettingsReply(ReplyOf(32), block));
  EXPECT_FALSE(ParseSettingsReply({}, block));
  EXPECT_EQ(block.current, before.current);
  EXPECT_EQ(block.runningLog, before.runningLog);
}

TEST(SettingsReply, LongerReplyIgnoresTheRest) {
  SettingsBlock block;
  ASSERT_TRUE(ParseSettingsReply(ReplyOf(59), block));
  EXPECT_EQ(block.Current(Setting::RpmLock), 134);
  EXPECT_EQ(block.Current(Setting::Profile), 0);
}

TEST(SettingsFrame, FactoryFrameByteForByte) {
  SettingsBlock block;
  LoadFactorySettings(block);
  // clang-format off
  const SettingsFrame expected{
      0xA4, 0,  0xEC, 1,  0xEF, 1,  0xE7, 0,  0xEA, 3,  0xE6, 14, 0xEB, 14, 0xE9, 0,  0xE4, 10, 0xE3, 6,
      0xED, 9,  0xEE, 4,  0xA6, 4,  0xA7, 4,  0xE1, 0,  0xE5, 0,  0xA3, 0,  0xA8, 0,  0xA9, 0,  0xAA, 0,
      0xA1, 0,  0xAB, 0,  0xA2, 6,  0xAC, 12, 0xAD, 4,  0xA5, 5,  0xE0, 0,  0xE2, 0,  0xE8, 10, 0xA0, 99,
      0xAE, 0,  0xAF, 1,  1,    1};
  // clang-format on
  EXPECT_EQ(BuildSettingsFrame(block), expected);
}

TEST(SettingsFrame, ReplyValuesLandBesideTheirTags) {
  // Reply byte i carries 100 + i; each frame value must follow its own tag.
  SettingsBlock block;
  ASSERT_TRUE(ParseSettingsReply(ReplyOf(35), block));
  const SettingsFrame frame = BuildSettingsFrame(block);
  const std::vector<std::pair<uint8_t, uint8_t>> pairs{
      {0xA4, 100}, {0xEC, 102}, {0xEF, 103}, {0xE7, 104}, {0xEA, 105}, {0xE6, 106}, {0xEB, 107}, {0xE9, 108},
      {0xE4, 109}, {0xE3, 110}, {0xED, 111}, {0xEE, 112}, {0xA6, 113}, {0xA7, 114}, {0xE1, 115}, {0xE5, 116},
      {0xA3, 117}, {0xA8, 118}, {0xA9, 119}, {0xAA, 120}, {0xA1, 121}, {0xAB, 122}, {0xA2, 123}, {0xAC, 124},
      {0xAD, 125}, {0xA5, 126}, {0xE0, 131}, {0xE2, 132}, {0xE8, 101}, {0xA0, 134}, {0xAE, 133}};
  for (size_t i = 0; i < pairs.size(); ++i) {
    EXPECT_EQ(frame[2 * i], pairs[i].first) << "pair " << i;
    EXPECT_EQ(frame[2 * i + 1], pairs[i].second) << "pair " << i;
  }
}

TEST(SettingsFrame, LowByteOfAnyIndexAndFixedTrailer) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    SettingsBlock block;
    for (auto& value : block.current) value = static_cast<int32_t>(random());
    const SettingsFrame frame = BuildSettingsFrame(block);
    EXPECT_EQ(frame[0 + 1], static_cast<uint8_t>(block.Current(Setting::RunMode) & 0xFF));
    EXPECT_EQ(frame[60 + 1], static_cast<uint8_t>(block.Current(Setting::BecOutput) & 0xFF));
    EXPECT_EQ(frame[62], 0xAF);
    EXPECT_EQ(frame[63], 0x01);
    EXPECT_EQ(frame[64], 0x01);
    EXPECT_EQ(frame[65], 0x01);
  }
}

TEST(SettingsReply, RandomRepliesOfEveryLength) {
  std::mt19937 random(11);
  for (size_t length = 0; length <= 64; ++length) {
    std::vector<uint8_t> reply(length);
    for (auto& b : reply) b = static_cast<uint8_t>(random());
    SettingsBlock block;
    EXPECT_EQ(ParseSettingsReply(reply, block), length >= 33);
    for (int32_t value : block.current) {
      EXPECT_GE(value, 0);
      EXPECT_LE(value, 255);
    }
  }
}

}  // namespace
}  // namespace vuriru
