// SPDX-License-Identifier: GPL-3.0-or-later
// Apply and Default on a full controller: the settings frame and the three
// curve blocks, byte for byte and tick for tick.

#include <gtest/gtest.h>

#include "comms/engine/engine_commands.h"
#include "engine/engine_rig.h"
#include "settings/settings_wire.h"
#include "support/fake_hid_library.h"

namespace vuriru::test {
namespace {

// The settings frame of the factory values, written out from the frame layout.
const Bytes kFactoryFrame = {0xA4, 0, 0xEC, 1,  0xEF, 1,  0xE7, 0, 0xEA, 3, 0xE6, 14, 0xEB, 14, 0xE9, 0, 0xE4, 10,
                             0xE3, 6, 0xED, 9,  0xEE, 4,  0xA6, 4, 0xA7, 4, 0xE1, 0,  0xE5, 0,  0xA3, 0, 0xA8, 0,
                             0xA9, 0, 0xAA, 0,  0xA1, 0,  0xAB, 0, 0xA2, 6, 0xAC, 12, 0xAD, 4,  0xA5, 5, 0xE0, 0,
                             0xE2, 0, 0xE8, 10, 0xA0, 99, 0xAE, 0, 0xAF, 1, 1,    1};

Bytes Slice(const Bytes& bytes, size_t from, size_t to) {
  return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.begin() + static_cast<std::ptrdiff_t>(to));
}

Bytes SentPart(const CurveBlock& block, size_t from, size_t to) {
  return Bytes(block.begin() + static_cast<std::ptrdiff_t>(from), block.begin() + static_cast<std::ptrdiff_t>(to));
}

class StoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(rig.Connect());
    // Identified and read: idle in state 2.
    rig.state.engineState = 2;
    rig.state.g_deviceType = device_type::kFull;
    rig.state.g_escPresent = 1;
    rig.state.settingsRead = 1;
    rig.state.g_transferPending = 0;
  }

  // A controller that acknowledges the frame and each curve block and says
  // it is ready after each curve announcement.
  void AnswerLikeAController() {
    hid.SetResponder([this](const Bytes& payload) {
      const bool announce = payload.size() == 1 && (payload[0] == 0xDF || payload[0] == 0xDC || payload[0] == 0xDA);
      if (announce) {
        hid.QueueReply({0x80});
      } else if (payload.size() == 2 || payload.size() == 36 || payload.size() == 50) {
        hid.QueueReply({0x01});
      }
    });
  }

  void Apply() {
    rig.engine.PrepareUserStore(Transaction::kApply);
    rig.engine.SendSettings();
  }

  EventLoopScheduler scheduler;
  FakeHidLibrary hid = FakeHidLibrary::SingleAdapter();
  EngineRig rig{hid, scheduler};
};

TEST_F(StoreTest, OnlyAnAcknowledgementAdvancesTheStore) {
  Apply();
  rig.TakeSent();
  hid.QueueReply({0x02});
  rig.Tick();
  hid.QueueReply({0x01, 0x02});  // neither first nor last byte alone decides: the first is 0x01
  rig.Tick();
  EXPECT_EQ(rig.TakeSent().size(), 1u);

  // Fresh store: a last byte 0x01 advances too, a lone 0x01 as well.
  Apply();
  rig.TakeSent();
  hid.QueueReply({0x02});
  rig.Tick();
  EXPECT_TRUE(rig.TakeSent().empty());
  EXPECT_EQ(rig.State(), 5);
  hid.QueueReply({0x07, 0x01});
  rig.Tick();
  EXPECT_EQ(rig.TakeSent().size(), 1u);
}

TEST_F(StoreTest, UnacknowledgedFirstPairIsRepeatedEverySixTicks) {
  Apply();
  rig.TakeSent();
  rig.Tick(12);
  const auto sent = rig.TakeSent();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].bytes, (Bytes{0xA4, 0x00}));
  EXPECT_EQ(sent[0].atMs, 600u);
  EXPECT_EQ(sent[1].atMs, 1200u);
  EXPECT_EQ(rig.State(), 5);
}

TEST_F(StoreTest, DefaultFrameAndCurveBlocksAreExactOnTheWire) {
  AnswerLikeAController();
  rig.engine.PrepareUserStore(Transaction::kDefault);
  rig.engine.SendSettings();
  for (int i = 0; i < 60 && rig.State() != 2; ++i) rig.Tick();
  ASSERT_EQ(rig.State(), 2);

  const auto sent = rig.TakeSent();
  ASSERT_EQ(sent.size(), 1u + 2u + 3u * 4u);
  EXPECT_EQ(sent[0].bytes, Slice(kFactoryFrame, 0, 2));
  EXPECT_EQ(sent[1].bytes, Slice(kFactoryFrame, 0, 30));
  EXPECT_EQ(sent[2].bytes, Slice(kFactoryFrame, 30, 66));
  EXPECT_EQ(sent[2].atMs - sent[1].atMs, 5u);

  const uint8_t announce[] = {0xDF, 0xDC, 0xDA};
  for (size_t curve = 0; curve < 3; ++curve) {
    const size_t at = 3 + curve * 4;
    const CurveBlock block = BuildCurveBlock(rig.curves, static_cast<CurveNumber>(curve + 1));
    EXPECT_EQ(sent[at].bytes, Bytes{announce[curve]});
    EXPECT_EQ(sent[at + 1].bytes, SentPart(block, 0, 42));
    EXPECT_EQ(sent[at + 2].bytes, SentPart(block, 42, 84));
    EXPECT_EQ(sent[at + 3].bytes, SentPart(block, 84, 134));
    // The block ends with its check bytes at 120/121 and then bytes of 1.
    EXPECT_EQ(Bytes(sent[at + 3].bytes.end() - 12, sent[at + 3].bytes.end()), Bytes(12, 0x01));
    // The chunks go out on consecutive ticks.
    EXPECT_EQ(sent[at + 2].atMs - sent[at + 1].atMs, 100u);
    EXPECT_EQ(sent[at + 3].atMs - sent[at + 2].atMs, 100u);
  }
  // Frame to first announcement: 500 ms after the frame, and 500 ms after the
  // acknowledgement that follows it.
  EXPECT_GE(sent[3].atMs - sent[2].atMs, 1000u);

  EXPECT_EQ(rig.state.g_transferPending, 0);
  EXPECT_EQ(rig.state.g_progressPos, 0u);
  // Reported once at its end; the window then releases the Default button,
  // hides the dialog and focuses the page button.
  EXPECT_EQ(rig.host.Count("StoreDone default"), 1u);
  EXPECT_EQ(rig.host.calls.back(), "StoreDone default");
}

TEST_F(StoreTest, TicksDoNotReadDuringTheWaitAfterTheFrame) {
  Apply();
  hid.QueueReply({0x01});
  rig.Tick();  // frame halves at 100 and 105 ms; then a 500 ms wait
  rig.scheduler.AdvanceBy(10);
  EXPECT_EQ(rig.State(), 17);
  EXPECT_TRUE(rig.engine.IsWaiting());
  hid.QueueReply({0x01});
  rig.Tick(4);  // up to 500 ms: still waiting, the reply stays queued
  EXPECT_EQ(hid.QueuedReports(), 1u);
  rig.Tick(2);
  EXPECT_EQ(hid.QueuedReports(), 0u);
}

TEST_F(StoreTest, StoreWithoutAControllerKindSendsNothingKeepsTickingAndReleasesTheCommand) {
  rig.state.g_deviceType = device_type::kNone;
  Apply();
  EXPECT_TRUE(rig.TakeSent().empty());
  EXPECT_EQ(rig.State(), 2);
  EXPECT_TRUE(rig.scheduler.IsTimerRunning(timer_id::kEngine));
  EXPECT_EQ(rig.state.g_transferPending, 0);
  EXPECT_TRUE(rig.host.Has("TransferEnded nothing-sent apply"));
}

}  // namespace
}  // namespace vuriru::test
