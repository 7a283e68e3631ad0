// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever the controller sends, in whatever state, the engine neither
// crashes nor writes past its buffers (the sanitizer build watches), and it
// stays in a state it knows.

#include <random>

#include <gtest/gtest.h>

#include "comms/engine/reply_accumulator.h"
#include "engine/engine_rig.h"
#include "support/fake_hid_library.h"

namespace vuriru::test {
namespace {

TEST(ReplyBuffers, NeverFillPastTheirSize) {
  ReplyAccumulator accumulator;
  const Bytes block(700, 0x55);
  EXPECT_EQ(accumulator.Append(block), 700u);
  EXPECT_EQ(accumulator.Append(block), ReplyAccumulator::kCapacity - 700);
  EXPECT_EQ(accumulator.Count(), ReplyAccumulator::kCapacity);
  EXPECT_EQ(accumulator.Append(block), 0u);

  ReplyCollector collector;
  EXPECT_EQ(collector.Append(Bytes{'o'}), 1u);
  EXPECT_EQ(collector.Append(Bytes{'k', 'x', 'y'}), 1u);
  EXPECT_TRUE(collector.IsOk());
  collector.Clear();
  collector.Append(Bytes{'n', 'o'});
  EXPECT_FALSE(collector.IsOk());
}

// Bytes the states look for, so random replies often hit a real path.
constexpr uint8_t kInteresting[] = {0x00, 0x01, 0x02, 0x80, 0x27, 0x28, 0x2A, 0x2B, 0x2C, 0xD6, 0xD7, 0xDD};

Bytes RandomReply(std::mt19937& rng) {
  const size_t lengths[] = {0, 1, 2, 7, 12, 15, 18, 20, 33, 35, 59, 123, 200};
  size_t length = lengths[rng() % std::size(lengths)];
  if (rng() % 4 == 0) length = rng() % 300;
  Bytes reply(length);
  for (auto& b : reply) b = rng() % 2 ? kInteresting[rng() % std::size(kInteresting)] : static_cast<uint8_t>(rng());
  return reply;
}

TEST(RandomReplies, EveryStateSurvivesAnyReplyStream) {
  const uint8_t startStates[] = {1, 2, 3, 4, 5, 16, 17};
  const uint8_t kinds[] = {device_type::kNone, device_type::kV1, device_type::kFull};
  uint32_t seed = 1;
  for (uint8_t start : startStates) {
    for (uint8_t kind : kinds) {
      std::mt19937 rng(seed++);
      EventLoopScheduler scheduler;
      FakeHidLibrary hid = FakeHidLibrary::SingleAdapter();
      EngineRig rig(hid, scheduler);
      ASSERT_TRUE(rig.Connect());
      rig.state.engineState = start;
      rig.state.g_deviceType = kind;
      for (int tick = 0; tick < 400; ++tick) {
        if (rng() % 3 != 0) hid.QueueReply(RandomReply(rng));
        if (rng() % 50 == 0) hid.maxReportRequest = rng() % 40;
        if (rng() % 97 == 0) rig.engine.SendSettings();
        if (rng() % 131 == 0) rig.engine.StartV1Read();
        if (rng() % 71 == 0) rig.state.g_deviceType = kinds[rng() % std::size(kinds)];
        rig.Tick();
        const uint8_t state = rig.State();
        ASSERT_TRUE(state <= 5 || state >= 16 || state == 6) << int(start) << " " << int(kind) << " " << tick;
        for (const auto& block : rig.TakeSent()) ASSERT_LE(block.bytes.size(), 66u);
      }
      // Whatever happened, a pending wait always ends.
      rig.scheduler.AdvanceBy(1000);
      EXPECT_FALSE(rig.engine.IsWaiting());
    }
  }
}

}  // namespace
}  // namespace vuriru::test
