// SPDX-License-Identifier: GPL-3.0-or-later
// A full controller's read: settings reply, the three curves, and the end of
// the read; a new link's whole way through states 1, 2, 3, 4, 16 and 2.

#include <gtest/gtest.h>

#include "comms/engine/engine_commands.h"
#include "engine/engine_rig.h"
#include "engine/replies.h"
#include "support/fake_hid_library.h"

namespace vuriru::test {
namespace {

class ReadTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(rig.Connect()); }

  // Connect, probe answered by a full controller, version read: state 4.
  void ReachSettingsReply() {
    hid.QueueReply({0xD7, 1, 0, 2, 0, 24, 5, 7});
    rig.Tick();
    hid.QueueReply({0x2A});
    rig.Tick();
    hid.QueueReply({0, 0, 2, 3, 24, 1, 9});
    rig.Tick();
    ASSERT_EQ(rig.State(), 4);
    rig.TakeSent();
    rig.host.Clear();
  }

  // Sends the three curve replies as the controller would answer 0xDE, 0xDB,
  // 0xD9, each arriving as its three reports in one tick.
  void AnswerCurveRequests(const std::vector<Bytes>& replies) {
    hid.SetResponder([this, replies](const Bytes& payload) {
      for (size_t n = 1; n <= 3; ++n) {
        if (payload == Bytes{engine_cmd::kReadCurve[n]}) hid.QueueReply(replies[n - 1]);
      }
    });
  }

  EventLoopScheduler scheduler;
  FakeHidLibrary hid = FakeHidLibrary::SingleAdapter();
  EngineRig rig{hid, scheduler};
};

TEST_F(ReadTest, SettingsReplyInTwoHalvesIsParsedFromTheAccumulator) {
  ReachSettingsReply();
  const Bytes reply = SettingsReply(1);
  Bytes first(reply.begin(), reply.begin() + 20);
  Bytes second(reply.begin() + 20, reply.end());
  second.resize(20, 0);  // 20 + 20 bytes
  hid.QueueReply(first);
  rig.Tick();
  EXPECT_EQ(rig.State(), 4);
  EXPECT_EQ(rig.state.settingsRead, 0);
  EXPECT_EQ(rig.settings.Current(Setting::RunMode), 0);
  hid.QueueReply(second);
  rig.Tick();
  EXPECT_EQ(rig.State(), 16);
  EXPECT_EQ(rig.state.settingsRead, 1);
  EXPECT_EQ(rig.settings.Current(Setting::RunMode), 1);
  EXPECT_EQ(rig.settings.Current(Setting::DBrakeRate), 2);
  EXPECT_EQ(rig.settings.Log(RunningLog::MotorMaxRpm), 30u);
}

TEST_F(ReadTest, SettingsReplyInOneReportIsParsedAtOnce) {
  ReachSettingsReply();
  hid.QueueReply(SettingsReply(1));
  rig.Tick();
  EXPECT_EQ(rig.State(), 16);
  EXPECT_EQ(rig.settings.Log(RunningLog::BatteryMinVoltage), 111u);
}

TEST_F(ReadTest, SilenceAfterTheSettingsRequestReturnsToProbingAndReadsAgain) {
  ReachSettingsReply();
  rig.Tick();
  EXPECT_EQ(rig.State(), 2);
  std::vector<Bytes> sent;
  for (int i = 0; i < 5 && sent.empty(); ++i) {
    rig.Tick();
    sent = rig.TakeSentBytes();
  }
  EXPECT_EQ(sent, (std::vector<Bytes>{{0xD4}}));  // the probe toggle was set to 1
  hid.QueueReply({0x2A});
  rig.Tick();
  EXPECT_EQ(rig.State(), 3);  // settings not yet read: the version is asked again
}

TEST_F(ReadTest, NewLinkRunsThroughEveryReadStateToIdle) {
  const std::vector<Bytes> curves = {CurveReplyFor(SampleCurve(20)), CurveReplyFor(SampleCurve(40)),
                                     CurveReplyFor(SampleCurve(60))};
  AnswerCurveRequests(curves);
  std::vector<uint8_t> states{rig.State()};
  auto tick = [&] {
    rig.Tick();
    if (states.back() != rig.State()) states.push_back(rig.State());
  };
  hid.QueueReply({0xD7, 1, 0, 2, 0, 24, 5, 7});
  tick();
  hid.QueueReply({0x2A});
  tick();
  hid.QueueReply({0, 0, 2, 3, 24, 1, 9});
  tick();
  hid.QueueReply(SettingsReply(1));
  tick();
  for (int i = 0; i < 12 && rig.State() == 16; ++i) tick();

  EXPECT_EQ(states, (std::vector<uint8_t>{1, 2, 3, 4, 16, 2}));
  EXPECT_EQ(rig.TakeSentBytes(), (std::vector<Bytes>{{0xD5}, {0xD7}, {0xD8}, {0xDE}, {0xDB}, {0xD9}}));
  EXPECT_EQ(rig.curves.boost.Stored().y[1], 20);
  EXPECT_EQ(rig.curves.brake.Stored().y[1], 40);
  EXPECT_EQ(rig.curves.throttle.Stored().y[1], 60);
  EXPECT_EQ(rig.state.g_transferPending, 0);
  EXPECT_EQ(rig.state.g_refreshPages, 0);
  // The read is reported in its steps, and its end once: the window then
  // refreshes the pages, hides the dialog and shows the command buttons.
  EXPECT_EQ(rig.host.Count("SettingsRead full"), 1u);
  EXPECT_EQ(rig.host.Count("CurvesRead"), 1u);
  EXPECT_EQ(rig.host.calls.back(), "CurvesRead");

  // Idle: probes keep the controller, no new read.
  hid.QueueReply({0x2A});
  tick();
  EXPECT_EQ(rig.State(), 2);
}

TEST_F(ReadTest, CurveReplyWithWrongCheckBytesIsDroppedAndTheReadGoesOn) {
  const StoredCurve before = rig.curves.boost.Stored();
  Bytes bad = CurveReplyFor(SampleCurve(20));
  bad[121] ^= 0x01;
  AnswerCurveRequests({bad, CurveReplyFor(SampleCurve(40)), CurveReplyFor(SampleCurve(60))});
  ReachSettingsReply();
  hid.QueueReply(SettingsReply(0));
  for (int i = 0; i < 14 && rig.State() != 2; ++i) rig.Tick();

  EXPECT_EQ(rig.State(), 2);
  EXPECT_EQ(rig.curves.boost.Stored().y, before.y);
  EXPECT_TRUE(rig.host.Has("CurvesRead refused-1"));
  EXPECT_EQ(rig.curves.brake.Stored().y[1], 40);
  EXPECT_EQ(rig.curves.throttle.Stored().y[1], 60);
}

TEST_F(ReadTest, CurveReplyIsGatheredOverTicksFromItsMarkerAndTakenWhenTheControllerFallsSilent) {
  ReachSettingsReply();
  hid.QueueReply(SettingsReply(0));
  rig.Tick();
  rig.Tick();  // 0xDE out
  EXPECT_EQ(rig.TakeSentBytes().back(), Bytes{0xDE});

  hid.QueueReply({0x05, 0x06});  // stray bytes before the marker are ignored
  rig.Tick();
  const Bytes reply = CurveReplyFor(SampleCurve(33));
  hid.QueueReply(Bytes(reply.begin(), reply.begin() + 59));
  rig.Tick();
  hid.QueueReply(Bytes(reply.begin() + 59, reply.begin() + 118));
  rig.Tick();
  hid.QueueReply(Bytes(reply.begin() + 118, reply.end()));
  rig.Tick();
  EXPECT_TRUE(rig.TakeSent().empty());  // still bytes arriving: not yet taken
  rig.Tick();
  EXPECT_EQ(rig.curves.boost.Stored().y[1], 33);
  EXPECT_EQ(rig.TakeSentBytes(), (std::vector<Bytes>{{0xDB}}));
}

}  // namespace
}  // namespace vuriru::test
