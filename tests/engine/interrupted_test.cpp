// SPDX-License-Identifier: GPL-3.0-or-later
// Transactions that end short of their end: a controller that stops
// answering, an adapter pulled out, a version that never comes, and replies
// that arrive later than usual. Each ends where the user sees it, once.

#include <gtest/gtest.h>

#include "comms/engine/engine_commands.h"
#include "comms/engine/engine_messages.h"
#include "engine/engine_rig.h"
#include "engine/replies.h"
#include "support/fake_hid_library.h"

namespace vuriru::test {
namespace {

const Bytes kConnectVersion = {0xD7, 1, 0, 2, 0, 24, 5, 7};
const Bytes kSoftwareVersion = {0, 0, 2, 3, 24, 1, 9};

class InterruptedTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(rig.Connect()); }

  void BeIdleAndRead() {
    rig.state.engineState = 2;
    rig.state.g_deviceType = device_type::kFull;
    rig.state.g_adapterReady = 1;
    rig.state.g_escPresent = 1;
    rig.state.settingsRead = 1;
    rig.state.g_transferPending = 0;
  }

  void StartStore(int32_t command) {
    rig.engine.PrepareUserStore(command == command::kDefault ? Transaction::kDefault : Transaction::kApply);
    rig.engine.SendSettings();
  }

  // Acknowledges the frame; answers curve announcements as long as
  // `answerCurves` holds.
  void AnswerFrameThenCurves(const bool* answerCurves) {
    hid.SetResponder([this, answerCurves](const Bytes& payload) {
      const bool announce = payload.size() == 1 && (payload[0] == 0xDF || payload[0] == 0xDC || payload[0] == 0xDA);
      if (announce && *answerCurves) hid.QueueReply({0x80});
      if (payload.size() == 2 || ((payload.size() == 36 || payload.size() == 50) && *answerCurves)) {
        hid.QueueReply({0x01});
      }
    });
  }

  // The removal of the open adapter, as the link handling reports it.
  void PullAdapter() {
    rig.link.CloseDevice();
    rig.state.g_linkState = link_state::kNoLink;
    rig.engine.OnOpenAdapterRemoved(true);
  }

  size_t Messages() const {
    size_t count = 0;
    for (const std::string& call : rig.host.calls) count += call.rfind("ShowMessage ", 0) == 0 ? 1 : 0;
    return count;
  }

  EventLoopScheduler scheduler;
  FakeHidLibrary hid = FakeHidLibrary::SingleAdapter();
  EngineRig rig{hid, scheduler};
};

TEST_F(InterruptedTest, StoreWithoutAnyAnswerEndsAfterFiveSecondsWithOneMessage) {
  BeIdleAndRead();
  StartStore(command::kApply);
  rig.host.Clear();
  rig.Tick(50);
  EXPECT_EQ(rig.State(), 5);  // 5 s is not yet past
  EXPECT_EQ(Messages(), 0u);
  rig.Tick(1);
  EXPECT_EQ(rig.State(), 2);
  EXPECT_EQ(rig.state.g_transferPending, 0);
  // The window releases the button and hides the dialog on this event.
  EXPECT_TRUE(rig.host.Has("TransferEnded stalled apply"));
  EXPECT_TRUE(rig.host.Has("ShowMessage " + ControllerStalledMessage(Transaction::kApply) + "||!"));
  rig.Tick(100);
  EXPECT_EQ(Messages(), 1u);
}

TEST_F(InterruptedTest, ControllerFallingSilentDuringTheCurvesEndsTheDefaultWithItsOwnAdvice) {
  BeIdleAndRead();
  bool answerCurves = false;
  AnswerFrameThenCurves(&answerCurves);
  StartStore(command::kDefault);
  rig.Tick(3);
  ASSERT_EQ(rig.State(), 17);
  rig.host.Clear();
  rig.Tick(60);
  EXPECT_EQ(rig.State(), 2);
  EXPECT_EQ(rig.state.g_transferPending, 0);
  const std::string message = ControllerStalledMessage(Transaction::kDefault);
  EXPECT_NE(message.find("press Default again"), std::string::npos);
  EXPECT_EQ(rig.host.Count("ShowMessage " + message + "||!"), 1u);
}

TEST_F(InterruptedTest, ABabblingControllerCannotKeepAStoreAlive) {
  BeIdleAndRead();
  hid.SetResponder([this](const Bytes&) { hid.QueueReply({0x55}); });
  StartStore(command::kApply);
  for (int i = 0; i < 80; ++i) {
    hid.QueueReply({0x33, 0x44});
    rig.Tick();
  }
  EXPECT_EQ(rig.State(), 2);
  EXPECT_EQ(Messages(), 1u);
}

TEST_F(InterruptedTest, SlowButSteadyControllerIsNotCutOff) {
  BeIdleAndRead();
  // Acknowledges each step only after four seconds.
  hid.SetResponder([this](const Bytes& payload) {
    const bool announce = payload.size() == 1 && (payload[0] == 0xDF || payload[0] == 0xDC || payload[0] == 0xDA);
    const bool answered = announce || payload.size() == 2 || payload.size() == 36 || payload.size() == 50;
    if (!answered) return;
    const Bytes reply = announce ? Bytes{0x80} : Bytes{0x01};
    scheduler.RunAfter(4000, [this, reply] { hid.QueueReply(reply); });
  });
  StartStore(command::kApply);
  for (int i = 0; i < 1000 && rig.state.g_transferPending != 0; ++i) rig.Tick();
  EXPECT_EQ(rig.State(), 2);
  EXPECT_EQ(Messages(), 0u);
}

TEST_F(InterruptedTest, CurveReadThatStallsIsToldOncePerLinkAndReadAgain) {
  hid.SetResponder([this](const Bytes& payload) {
    if (payload == Bytes{0xD5} || payload == Bytes{0xD4}) hid.QueueReply({0x2A});
    if (payload == Bytes{0xD7}) hid.QueueReply(kSoftwareVersion);
    if (payload == Bytes{0xD8}) hid.QueueReply(SettingsReply(0));
    // Curve requests stay unanswered.
  });
  hid.QueueReply(kConnectVersion);
  rig.state.g_transferPending = 1;
  rig.Tick(5);
  ASSERT_EQ(rig.State(), 16);
  rig.Tick(60);
  const std::string message = "ShowMessage " + ControllerStalledMessage(Transaction::kReadCurves) + "||!";
  EXPECT_EQ(rig.host.Count(message), 1u);
  EXPECT_TRUE(rig.host.Has("TransferEnded stalled read-curves"));
  // The settings without their curves do not count as read: commands keep
  // waiting, and the read starts over on the next probe answer.
  EXPECT_EQ(rig.state.g_transferPending, 1);
  rig.Tick(200);
  EXPECT_EQ(rig.host.Count(message), 1u);
  EXPECT_EQ(rig.state.g_transferPending, 1);
  EXPECT_GE(rig.host.Count("ShowProgress 1/440"), 2u);
}

TEST_F(InterruptedTest, PulledAdapterEndsAStoreVisiblyAndKeepsTheNextReadAwaited) {
  BeIdleAndRead();
  bool answerCurves = true;
  AnswerFrameThenCurves(&answerCurves);
  StartStore(command::kApply);
  rig.Tick(8);
  ASSERT_EQ(rig.State(), 17);
  rig.host.Clear();
  PullAdapter();
  EXPECT_EQ(rig.State(), 0);
  EXPECT_EQ(rig.state.g_transferPending, 1);
  // First the link change (the window's start state), then the end of the
  // store (the button released, the dialog hidden), then one message.
  EXPECT_EQ(rig.host.calls, (std::vector<std::string>{"LinkChanged adapter-removed", "TransferEnded link-lost apply",
                                                      "ShowMessage " + LinkLostMessage(Transaction::kApply) + "||!"}));
  EXPECT_NE(LinkLostMessage(Transaction::kApply).find("may hold part of the new settings"), std::string::npos);
}

TEST_F(InterruptedTest, PulledAdapterDuringTheFirstReadOrIdleSaysOnlyWhatWasRunning) {
  hid.QueueReply(kConnectVersion);
  rig.state.g_transferPending = 1;
  rig.Tick();
  hid.QueueReply({0x2A});
  rig.Tick();
  ASSERT_EQ(rig.State(), 3);
  rig.host.Clear();
  PullAdapter();
  EXPECT_TRUE(rig.host.Has("TransferEnded link-lost read"));
  EXPECT_TRUE(rig.host.Has("ShowMessage " + LinkLostMessage(Transaction::kRead) + "||!"));

  // Idle after a read: the dialog is hidden, nothing is said.
  ASSERT_TRUE(rig.Connect());
  BeIdleAndRead();
  rig.host.Clear();
  PullAdapter();
  EXPECT_EQ(Messages(), 0u);
}

TEST_F(InterruptedTest, VersionFailureIsToldOncePerOpeningOfTheLink) {
  hid.SetResponder([this](const Bytes& payload) {
    if (payload == Bytes{0xD5} || payload == Bytes{0xD4}) hid.QueueReply({0x2A});
  });
  hid.QueueReply(kConnectVersion);
  rig.Tick(100);
  const std::string failure = "ShowMessage Failed to get ESC Version||!";
  EXPECT_EQ(rig.host.Count(failure), 1u);
  EXPECT_EQ(rig.State(), 3);  // still trying, quietly

  // A new opening of the link may say it again.
  rig.link.CloseDevice();
  rig.scheduler.StartTimer(timer_id::kConnect, 100);
  rig.Tick();
  ASSERT_TRUE(rig.link.IsOpen());
  hid.QueueReply(kConnectVersion);
  rig.Tick(60);
  EXPECT_EQ(rig.host.Count(failure), 2u);
}

TEST_F(InterruptedTest, LastCheckByteOnALaterTickStillCompletesTheCurveReply) {
  hid.QueueReply(kConnectVersion);
  rig.Tick();
  hid.QueueReply({0x2A});
  rig.Tick();
  hid.QueueReply(kSoftwareVersion);
  rig.Tick();
  hid.QueueReply(SettingsReply(0));
  rig.Tick();
  rig.Tick();  // 0xDE out
  const Bytes reply = CurveReplyFor(SampleCurve(44));
  hid.QueueReply(Bytes(reply.begin(), reply.begin() + 122));
  rig.Tick();
  hid.QueueReply(Bytes(reply.begin() + 122, reply.end()));
  rig.Tick();
  rig.TakeSent();
  rig.Tick();
  EXPECT_EQ(rig.curves.boost.Stored().y[1], 44);
  EXPECT_EQ(rig.TakeSentBytes(), (std::vector<Bytes>{{0xDB}}));

  // A reply that stays 122 bytes long is still refused.
  const StoredCurve brakeBefore = rig.curves.brake.Stored();
  const Bytes brake = CurveReplyFor(SampleCurve(55));
  hid.QueueReply(Bytes(brake.begin(), brake.begin() + 122));
  rig.Tick();
  rig.Tick();
  EXPECT_EQ(rig.curves.brake.Stored().y, brakeBefore.y);
}

TEST_F(InterruptedTest, EveryTransactionsCaptionStartsFromItsOwnFigure) {
  BeIdleAndRead();
  rig.host.progressTexts.push_back("Data Transferring.. 103% done.");
  StartStore(command::kApply);
  ASSERT_FALSE(rig.host.progressTexts.empty());
  EXPECT_EQ(rig.host.progressTexts.back(), "Data Transferring.. 0% done.");
}

TEST_F(InterruptedTest, TheBoxAloneShowsNoReadProgressButAControllerLaterDoes) {
  hid.QueueReply(kConnectVersion);
  rig.state.g_transferPending = 1;
  rig.Tick();
  hid.QueueReply({0x27});
  rig.Tick();
  EXPECT_FALSE(rig.host.Has("ShowProgress 1/440"));
  EXPECT_EQ(rig.state.g_transferPending, 1);
  EXPECT_EQ(rig.state.g_deviceType, device_type::kFull);
  hid.QueueReply({0x2A});
  rig.Tick();
  EXPECT_TRUE(rig.host.Has("ShowProgress 1/440"));
  EXPECT_EQ(rig.host.progressTexts.back(), "Read From Esc Process......");
  EXPECT_EQ(rig.State(), 3);
}

}  // namespace
}  // namespace vuriru::test
