// SPDX-License-Identifier: GPL-3.0-or-later
#include "v1/v1_reply.h"

#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "v1/v1_settings_table.h"

namespace vuriru {
namespace {

// A reply that sets every V1 setting away from its factory index.
std::vector<uint8_t> SampleV1Reply(size_t length) {
  std::vector<uint8_t> reply(length, 0);
  reply[0] = 0x2E;                 // "3.4V/Cell"
  reply[2] = 2;                    // Running Mode
  reply[3] = 8;                    // Percentage Braking
  reply[4] = 7;                    // Percentage Drag Brake
  reply[5] = 4;                    // Motor Timing
  reply[6] = 3;                    // Initial Acceleration
  reply[7] = 8;                    // Throttle Limit
  reply[8] = 0;                    // Throttle Percent Reverse
  reply[10] = 5;                   // Neutral range
  reply[11] = 1;                   // Motor Rotation
  if (length > 14) reply[14] = 1;  // BEC "8.4V"
  return reply;
}

TEST(DecodeV1Reply, ReadsEachSettingFromItsByte) {
  V1SettingsBlock block = V1FactoryBlock(kV1BecShown);
  ASSERT_TRUE(DecodeV1Reply(SampleV1Reply(18), block));
  EXPECT_EQ(block.index, (std::array<int32_t, kV1SettingCount>{4, 2, 4, 3, 0, 8, 8, 7, 1, 5, 1}));
}

TEST(DecodeV1Reply, CutOffCodeWithBecHiddenLeavesBec) {
  V1SettingsBlock block = V1FactoryBlock();
  block[V1Setting::Bec] = 1;
  std::vector<uint8_t> reply = SampleV1Reply(18);
  reply[0] = 0x2C;
  reply[14] = 0;
  ASSERT_TRUE(DecodeV1Reply(reply, block));
  const auto& row = V1Row(V1SettingsTable(), V1Setting::CutOffVoltage);
  EXPECT_EQ(row.options[static_cast<size_t>(block[V1Setting::CutOffVoltage])], "3.2V/Cell");
  EXPECT_EQ(block[V1Setting::Bec], 1);
}

TEST(DecodeV1Reply, BytesThatNameNoOptionLeaveTheirSetting) {
  V1SettingsBlock block = V1FactoryBlock(kV1BecShown);
  std::vector<uint8_t> reply(18, 0xFF);  // no known cut-off code, every index past its list
  reply[0] = 0x27;
  reply[9] = 0;  // unused byte
  ASSERT_TRUE(DecodeV1Reply(reply, block));
  EXPECT_EQ(block.index, V1FactoryBlock().index);

  reply[11] = 2;  // Motor Rotation has two options
  reply[14] = 2;  // BEC has two options
  ASSERT_TRUE(DecodeV1Reply(reply, block));
  EXPECT_EQ(block.index, V1FactoryBlock().index);
}

TEST(DecodeV1Reply, ShortRepliesAreRefusedOrKeepBec) {
  V1SettingsBlock block = V1FactoryBlock(kV1BecShown);
  block[V1Setting::Bec] = 1;
  EXPECT_FALSE(DecodeV1Reply(std::vector<uint8_t>(11, 0x2E), block));
  EXPECT_EQ(block[V1Setting::CutOffVoltage], 2);

  // 12..14 bytes end before BEC's byte 14: the rest is read, BEC stays.
  for (size_t length : {12u, 13u, 14u}) {
    V1SettingsBlock copy = block;
    ASSERT_TRUE(DecodeV1Reply(SampleV1Reply(length), copy)) << length;
    EXPECT_EQ(copy[V1Setting::MotorRotation], 1) << length;
    EXPECT_EQ(copy[V1Setting::Bec], 1) << length;
  }
  std::vector<uint8_t> withBec = SampleV1Reply(15);
  withBec[14] = 0;
  ASSERT_TRUE(DecodeV1Reply(withBec, block));
  EXPECT_EQ(block[V1Setting::Bec], 0);
}

std::vector<uint8_t> SampleCnReply(size_t length) {
  std::vector<uint8_t> reply(length, 0);
  reply[0] = 0x2A;  // index 2
  reply[2] = 2;
  reply[3] = 1;
  reply[4] = 2;
  reply[5] = 3;
  reply[6] = 1;
  reply[7] = 5;
  reply[8] = 6;
  reply[9] = 1;  // Motor Rotation in the 12- and 15-byte replies
  reply[10] = 4;
  reply[11] = 0;                   // Motor Rotation in the 14- and 18-byte replies
  if (length > 13) reply[13] = 7;  // Boost Start RPM
  if (length > 14) reply[14] = 8;  // Turbo Timing
  if (length > 15) reply[15] = 6;  // Turbo Delay
  return reply;
}

TEST(DecodeCnV1Reply, ReadsByReplyLength) {
  using S = CnV1Setting;
  struct Case {
    size_t length;
    int32_t motorRotation;
    bool turbo;
  };
  for (const Case& c : {Case{12, 1, false}, Case{14, 0, false}, Case{15, 1, true}, Case{18, 0, true}}) {
    CnV1SettingsBlock block = CnV1FactoryBlock();
    block[S::MotorRotation] = 1 - c.motorRotation;
    ASSERT_TRUE(DecodeCnV1Reply(SampleCnReply(c.length), block)) << c.length;
    EXPECT_EQ(block[S::CutOffVoltage], 2) << c.length;
    EXPECT_EQ(block[S::RunningMode], 2);
    EXPECT_EQ(block[S::PercentageBraking], 1);
    EXPECT_EQ(block[S::PercentageDragBrake], 2);
    EXPECT_EQ(block[S::MotorTiming], 3);
    EXPECT_EQ(block[S::InitialAcceleration], 1);
    EXPECT_EQ(block[S::ThrottleLimit], 5);
    EXPECT_EQ(block[S::ThrottlePercentReverse], 6);
    EXPECT_EQ(block[S::NeutralRange], 4);
    EXPECT_EQ(block[S::MotorRotation], c.motorRotation) << c.length;
    EXPECT_EQ(block[S::BoostStartRpm], c.turbo ? 7 : 0) << c.length;
    EXPECT_EQ(block[S::TurboTiming], c.turbo ? 8 : 0) << c.length;
    // A 15-byte reply ends before Turbo Delay's byte 15.
    EXPECT_EQ(block[S::TurboDelay], c.length == 18 ? 6 : 0) << c.length;
  }
}

TEST(DecodeCnV1Reply, OtherLengthsAndBadCutOffChangeNothing) {
  const CnV1SettingsBlock factory = CnV1FactoryBlock();
  for (size_t length : {0u, 1u, 11u, 13u, 16u, 17u, 19u, 64u}) {
    CnV1SettingsBlock block = factory;
    EXPECT_FALSE(DecodeCnV1Reply(std::vector<uint8_t>(length, 1), block)) << length;
    EXPECT_EQ(block.index, factory.index) << length;
  }
  CnV1SettingsBlock block = factory;
  std::vector<uint8_t> reply = SampleCnReply(14);
  reply[0] = 0x20;  // would give index -3
  ASSERT_TRUE(DecodeCnV1Reply(reply, block));
  EXPECT_EQ(block[CnV1Setting::CutOffVoltage], 5);
}

// Whatever arrives, decoding stays inside the reply and leaves only indexes
// that name an option of their list.
TEST(V1ReplyDecoding, RandomRepliesOfEveryLengthStayInBoundsAndInRange) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 200; ++round) {
    for (size_t length = 0; length <= 24; ++length) {
      // Exactly-sized heap buffers, so a read past the end trips the sanitizer.
      std::vector<uint8_t> reply(length);
      for (auto& b : reply) b = static_cast<uint8_t>(byte(random));

      V1SettingsBlock v1 = V1FactoryBlock(round % 2 ? kV1BecShown : kV1BecHidden);
      DecodeV1Reply(reply, v1);
      for (const auto& row : V1SettingsTable()) EXPECT_TRUE(IsOptionIndex(row, v1[row.setting])) << row.caption;

      CnV1SettingsBlock cn = CnV1FactoryBlock();
      DecodeCnV1Reply(reply, cn);
      for (const auto& row : CnV1SettingsTable()) EXPECT_TRUE(IsOptionIndex(row, cn[row.setting])) << row.caption;
    }
  }
}

}  // namespace
}  // namespace vuriru
