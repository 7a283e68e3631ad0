// SPDX-License-Identifier: GPL-3.0-or-later
// Connect version, probes, kinds, loss and the software version read.

#include <gtest/gtest.h>

#include "engine/engine_rig.h"
#include "support/fake_hid_library.h"

namespace vuriru::test {
namespace {

const Bytes kConnectVersion = {0xD7, 1, 0, 2, 0, 24, 5, 7};
const Bytes kSoftwareVersion = {0x55, 0x66, 0xDD, 3, 24, 1, 9};

class IdentifyTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(rig.Connect()); }

  // Connect version answered, first probe (0xD5) out: state 2.
  void ReachProbing() {
    hid.QueueReply(kConnectVersion);
    rig.Tick();
    ASSERT_EQ(rig.State(), 2);
  }

  EventLoopScheduler scheduler;
  FakeHidLibrary hid = FakeHidLibrary::SingleAdapter();
  EngineRig rig{hid, scheduler};
};

TEST_F(IdentifyTest, ConnectVersionMarksTheAdapterReadyAndProbes) {
  rig.Tick(3);  // the adapter has not answered yet: state 1 waits
  EXPECT_EQ(rig.State(), 1);
  EXPECT_TRUE(rig.TakeSent().empty());

  ReachProbing();
  EXPECT_EQ(rig.state.g_adapterReady, 1);
  EXPECT_EQ(rig.engine.ConnectVersionText(), "V1.02_24057");
  EXPECT_TRUE(rig.host.Has("Connected V1.02_24057"));
  EXPECT_EQ(rig.TakeSentBytes(), (std::vector<Bytes>{{0xD5}}));
}

TEST_F(IdentifyTest, FullControllerIsAskedForVersionAndSettings) {
  ReachProbing();
  rig.TakeSent();
  hid.QueueReply({0x2A});
  rig.Tick();
  EXPECT_EQ(rig.State(), 3);
  EXPECT_EQ(rig.state.g_deviceType, device_type::kFull);
  EXPECT_EQ(rig.state.g_escPresent, 1);
  // Reported once, with its kind: a full controller keeps the page area as
  // it is until its read ends.
  EXPECT_EQ(rig.host.Count("Identified controller 3"), 1u);

  hid.QueueReply(kSoftwareVersion);
  rig.Tick();
  EXPECT_EQ(rig.State(), 4);
  // Major version 0xDD reads as 1.
  EXPECT_EQ(rig.engine.SoftwareVersionText(), "V1.03_240109");
  EXPECT_TRUE(rig.host.Has("Identified software V1.03_240109"));
  EXPECT_EQ(rig.TakeSentBytes(), (std::vector<Bytes>{{0xD7}, {0xD8}}));
}

TEST_F(IdentifyTest, ProbeAnswersThatDoNotStartARead) {
  ReachProbing();
  rig.TakeSent();

  // 0x28: present, kind left as it was (none after start-up); the read starts.
  hid.QueueReply({0x28});
  rig.Tick();
  EXPECT_EQ(rig.state.g_deviceType, device_type::kNone);
  EXPECT_EQ(rig.State(), 3);

  // 0x27 without a running display update only resets the retry counter.
  rig.state.engineState = 2;
  rig.state.g_escPresent = 0;
  rig.TakeSent();
  rig.Tick(9);  // two unanswered probes
  ASSERT_EQ(rig.TakeSent().size(), 2u);
  EXPECT_EQ(rig.engine.RetryCounter(), 2);
  rig.TakeSent();
  hid.QueueReply({0x27});
  rig.Tick();
  EXPECT_EQ(rig.engine.RetryCounter(), 0);
  EXPECT_EQ(rig.State(), 2);
  EXPECT_EQ(rig.state.g_escPresent, 0);
  EXPECT_TRUE(rig.TakeSent().empty());

  // ... and hands over to the firmware states while the display box updates.
  rig.state.g_lcdUpdating = true;
  hid.QueueReply({0x27});
  rig.Tick();
  EXPECT_EQ(rig.State(), 6);
}

TEST_F(IdentifyTest, V1KindsFromTheProbeAnswer) {
  ReachProbing();
  hid.QueueReply({0x2B});
  rig.Tick();
  EXPECT_EQ(rig.state.g_deviceType, device_type::kV1);
  EXPECT_EQ(rig.state.v1Variant, 11);
  EXPECT_TRUE(rig.v1.IsBecShown());
  // A V1 controller's first answer is reported with its kind, for the
  // window to give its panel the page area.
  EXPECT_TRUE(rig.host.Has("Identified controller 1"));

  rig.state.engineState = 2;
  hid.QueueReply({0xD6});
  rig.Tick();
  EXPECT_EQ(rig.state.v1Variant, 10);
  EXPECT_FALSE(rig.v1.IsBecShown());
}

TEST_F(IdentifyTest, IdleLinkProbesEveryFourTicksAlternatingTheProbeByte) {
  ReachProbing();
  rig.state.settingsRead = 1;
  rig.TakeSent();
  rig.Tick(13);
  const auto sent = rig.TakeSent();
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(sent[0].bytes, Bytes{0xD4});
  EXPECT_EQ(sent[1].bytes, Bytes{0xD5});
  EXPECT_EQ(sent[2].bytes, Bytes{0xD4});
  EXPECT_EQ(sent[1].atMs - sent[0].atMs, 400u);
}

TEST_F(IdentifyTest, ControllerIsLostAfterFiveUnansweredProbesAndFoundAgain) {
  ReachProbing();
  hid.QueueReply({0x2A});
  rig.Tick();
  rig.state.engineState = 2;  // as if the whole read had run
  rig.state.settingsRead = 1;
  rig.host.Clear();
  rig.TakeSent();

  // The loss is declared on the tick after the fifth unanswered probe.
  size_t probes = 0;
  int tick = 0;
  int fifthProbeTick = -1;
  while (rig.state.g_escPresent == 1 && tick < 40) {
    rig.Tick();
    ++tick;
    probes += rig.TakeSent().size();
    if (probes == 5 && fifthProbeTick < 0) fifthProbeTick = tick;
  }
  EXPECT_EQ(probes, 5u);
  EXPECT_EQ(tick, fifthProbeTick + 1);
  EXPECT_EQ(rig.engine.RetryCounter(), 255);
  EXPECT_EQ(rig.state.g_escPresent, 0);
  EXPECT_EQ(rig.state.settingsRead, 0);
  EXPECT_EQ(rig.host.Count("LinkChanged controller-lost"), 1u);

  // Probing goes on without repeating the loss.
  rig.Tick(20);
  EXPECT_EQ(rig.TakeSent().size(), 5u);
  EXPECT_EQ(rig.host.Count("LinkChanged controller-lost"), 1u);
  EXPECT_EQ(rig.engine.RetryCounter(), 255);

  // The next answer restores the controller and reads it again.
  hid.QueueReply({0x2A});
  rig.Tick();
  EXPECT_EQ(rig.state.g_escPresent, 1);
  EXPECT_EQ(rig.engine.RetryCounter(), 0);
  EXPECT_EQ(rig.State(), 3);
  EXPECT_EQ(rig.TakeSentBytes(), (std::vector<Bytes>{{0xD7}}));
}

TEST_F(IdentifyTest, VersionReadFailsAfterTwentyOneSilentTicks) {
  ReachProbing();
  hid.QueueReply({0x2A});
  rig.Tick();
  rig.TakeSent();
  bool timerRanDuringBox = true;
  rig.host.onMessage = [&] { timerRanDuringBox = rig.scheduler.IsTimerRunning(timer_id::kEngine); };

  rig.Tick(20);
  EXPECT_EQ(rig.TakeSent().size(), 20u);  // 0xD7 again on every silent tick
  EXPECT_FALSE(rig.host.Has("ShowMessage Failed to get ESC Version||!"));
  rig.Tick();
  EXPECT_EQ(rig.host.Count("ShowMessage Failed to get ESC Version||!"), 1u);
  EXPECT_FALSE(timerRanDuringBox);
  EXPECT_EQ(rig.state.g_escPresent, 0);
  EXPECT_EQ(rig.state.g_transferPending, 0);
  EXPECT_TRUE(rig.host.Has("LinkChanged version-failed"));

  // After OK: probing again at 100 ms.
  EXPECT_EQ(rig.TakeSentBytes(), (std::vector<Bytes>{{0xD4}}));
  EXPECT_EQ(rig.State(), 2);
  EXPECT_EQ(rig.engine.RetryCounter(), 0);
  EXPECT_EQ(rig.scheduler.TimerPeriod(timer_id::kEngine), 100u);
}

TEST_F(IdentifyTest, CompletionNoticeIsShownOnceOnTheNextTimerTick) {
  rig.state.g_updateDoneNotice = 1;
  rig.Tick(3);
  EXPECT_EQ(rig.host.Count("ShowMessage Esc Update|Up Date Complete!|"), 1u);
  EXPECT_EQ(rig.state.g_updateDoneNotice, 0);
}

}  // namespace
}  // namespace vuriru::test
