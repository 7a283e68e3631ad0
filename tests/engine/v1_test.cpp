// SPDX-License-Identifier: GPL-3.0-or-later
// V1 controllers: the first read that shows the panel, the panel's own read,
// and the pair-by-pair store with its acknowledgements.

#include <gtest/gtest.h>

#include "engine/engine_rig.h"
#include "support/fake_hid_library.h"

namespace vuriru::test {
namespace {

// Factory values, BEC hidden: ten writes.
const std::vector<Bytes> kFactoryPairs = {{0xE2, 0x01}, {0xE3, 0x04}, {0xE4, 0x00}, {0xE5, 0x02}, {0xE6, 0x02},
                                          {0xE7, 0x00}, {0xE8, 0x04}, {0xEA, 0x02}, {0xEB, 0x00}, {0xEC, 0x2A}};

// An 18-byte V1 settings reply: cut-off code 0x2C (3.2V/Cell), Running Mode
// 2, Percentage Braking 3, Drag Brake 1, Motor Timing 4, Initial Acceleration
// 0, Throttle Limit 5, Percent Reverse 6, Neutral range 1, Motor Rotation 1,
// BEC 1.
Bytes V1Reply(size_t length) {
  Bytes reply = {0x2C, 0, 2, 3, 1, 4, 0, 5, 6, 0, 1, 1, 0, 0, 1, 0, 0, 0};
  reply.resize(length);
  return reply;
}

class V1Test : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(rig.Connect()); }

  // Connect version, probe answer, software version: state 4 with 0xD8 out.
  void Identify(uint8_t probeAnswer) {
    hid.QueueReply({0xD7, 1, 0, 2, 0, 24, 5, 7});
    rig.Tick();
    hid.QueueReply({probeAnswer});
    rig.Tick();
    hid.QueueReply({0, 0, 1, 2, 3, 4, 5});
    rig.Tick();
    ASSERT_EQ(rig.State(), 4);
    rig.TakeSent();
  }

  // Acknowledges every pair except the listed ones, each left unanswered once.
  void AcknowledgePairs(std::vector<Bytes> unanswered = {}) {
    hid.SetResponder([this, unanswered](const Bytes& payload) mutable {
      if (payload.size() != 2) return;
      for (auto it = unanswered.begin(); it != unanswered.end(); ++it) {
        if (*it == payload) {
          unanswered.erase(it);
          return;
        }
      }
      hid.QueueReply({0x01});
    });
  }

  void Idle() {
    rig.state.engineState = 2;
    rig.state.g_deviceType = device_type::kV1;
    rig.state.settingsRead = 1;
    rig.state.g_refreshPages = 0;
  }

  EventLoopScheduler scheduler;
  FakeHidLibrary hid = FakeHidLibrary::SingleAdapter();
  EngineRig rig{hid, scheduler};
};

TEST_F(V1Test, FirstReadDecodesTheReplyAndShowsThePanel) {
  Identify(0x2B);
  hid.QueueReply({0x2C, 0, 2});  // too short: 0xD8 again
  rig.Tick();
  EXPECT_EQ(rig.TakeSentBytes(), (std::vector<Bytes>{{0xD8}}));
  EXPECT_EQ(rig.State(), 4);

  hid.QueueReply(V1Reply(15));
  rig.Tick();
  EXPECT_EQ(rig.State(), 2);
  EXPECT_EQ(rig.state.g_deviceType, device_type::kV1);
  EXPECT_EQ(rig.engine.ReplyLength(), 15);
  EXPECT_EQ(rig.v1[V1Setting::CutOffVoltage], 3);
  EXPECT_EQ(rig.v1[V1Setting::RunningMode], 2);
  EXPECT_EQ(rig.v1[V1Setting::MotorRotation], 1);
  EXPECT_EQ(rig.v1[V1Setting::Bec], 1);
  // The first read shows the panel anew with what it read.
  EXPECT_EQ(rig.host.Count("SettingsRead v1-end first show"), 1u);
  EXPECT_EQ(rig.state.g_refreshPages, 0);
  EXPECT_EQ(rig.state.g_transferPending, 0);
}

TEST_F(V1Test, PanelReadShowsTheValuesItAskedFor) {
  Idle();
  rig.host.Clear();
  rig.engine.StartV1Read();
  EXPECT_EQ(rig.TakeSentBytes(), (std::vector<Bytes>{{0xD8}}));
  EXPECT_EQ(rig.State(), 4);
  hid.QueueReply(V1Reply(12));
  rig.Tick();
  EXPECT_EQ(rig.State(), 2);
  EXPECT_EQ(rig.v1[V1Setting::PercentageBraking], 3);
  EXPECT_EQ(rig.host.Count("SettingsRead v1-end show"), 1u);
}

TEST_F(V1Test, StoreSendsTenPairsEachAfterTheLastWasAcknowledged) {
  Idle();
  AcknowledgePairs();
  rig.engine.SendSettings();
  for (int i = 0; i < 20 && rig.State() == 5; ++i) rig.Tick();
  const auto sent = rig.TakeSent();
  ASSERT_EQ(sent.size(), 11u);
  for (size_t i = 0; i < kFactoryPairs.size(); ++i) EXPECT_EQ(sent[i].bytes, kFactoryPairs[i]) << i;
  EXPECT_EQ(sent[1].atMs - sent[0].atMs, 100u);
  // "Send Ok", then 0xE0 100 ms after the last acknowledgement.
  EXPECT_EQ(sent[10].bytes, Bytes{0xE0});
  EXPECT_EQ(sent[10].atMs - sent[9].atMs, 200u);
  EXPECT_EQ(rig.host.Count("StoreDone v1-store"), 1u);
  EXPECT_EQ(rig.state.g_transferPending, 0);
}

TEST_F(V1Test, StoreWithBecSendsFourBecPairsBeforeTheCutOff) {
  Idle();
  rig.v1.becShown = kV1BecShown;
  rig.v1[V1Setting::Bec] = 1;
  rig.v1[V1Setting::CutOffVoltage] = 5;
  AcknowledgePairs();
  rig.engine.SendSettings();
  for (int i = 0; i < 30 && rig.State() == 5; ++i) rig.Tick();
  std::vector<Bytes> expected(kFactoryPairs.begin(), kFactoryPairs.end() - 1);
  for (int i = 0; i < 4; ++i) expected.push_back({0xA1, 0x01});
  expected.push_back({0xEC, 0x2F});
  expected.push_back({0xE0});
  EXPECT_EQ(rig.TakeSentBytes(), expected);
}

TEST_F(V1Test, MissingAcknowledgementRepeatsThePairThatWaitsNotTheFirst) {
  Idle();
  AcknowledgePairs({{0xE6, 0x02}});  // pair five's acknowledgement is lost once
  rig.engine.SendSettings();
  for (int i = 0; i < 30 && rig.State() == 5; ++i) rig.Tick();
  const auto sent = rig.TakeSent();
  ASSERT_EQ(sent.size(), 12u);
  EXPECT_EQ(sent[4].bytes, (Bytes{0xE6, 0x02}));
  EXPECT_EQ(sent[5].bytes, (Bytes{0xE6, 0x02}));
  EXPECT_EQ(sent[5].atMs - sent[4].atMs, 600u);
  // Every pair reached the controller once acknowledged, in order.
  std::vector<Bytes> pairs;
  for (size_t i = 0; i < 11; ++i) {
    if (i != 5) pairs.push_back(sent[i].bytes);
  }
  EXPECT_EQ(pairs, kFactoryPairs);
  EXPECT_EQ(rig.host.Count("StoreDone v1-store"), 1u);
}

TEST_F(V1Test, ValueOutsideItsListIsNeverSent) {
  Idle();
  rig.v1[V1Setting::RunningMode] = 7;
  rig.state.g_transferPending = 1;
  rig.engine.SendSettings();
  EXPECT_TRUE(rig.TakeSent().empty());
  EXPECT_EQ(rig.State(), 2);
  EXPECT_TRUE(rig.scheduler.IsTimerRunning(timer_id::kEngine));
  EXPECT_EQ(rig.state.g_transferPending, 0);  // commands are taken again
}

}  // namespace
}  // namespace vuriru::test
