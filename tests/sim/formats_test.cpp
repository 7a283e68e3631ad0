// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated controllers keep their own maps of the wire formats, apart
// from the program's tables, so that a fault in either shows up here: what the
// program decodes from a simulated reply and sends back must read back the
// same, and the simulator must survive any byte stream a damaged link brings.

#include <random>

#include <gtest/gtest.h>

#include "curves/curve_sampling.h"
#include "settings/settings_wire.h"
#include "sim/sim_target_factory.h"
#include "sim/starting_memory.h"
#include "sim_harness.h"
#include "v1/v1_frame.h"
#include "v1/v1_reply.h"
#include "v1/v1_settings_table.h"

namespace vuriru::test {
namespace {

StoredCurve StoredFromReplyValues(const Bytes& values) {
  StoredCurve curve;
  for (size_t i = 0; i < kSampleCount; ++i) {
    curve.table[i] = values[i];
    curve.x[i] = values[kSampleCount + i];
    curve.y[i] = values[2 * kSampleCount + i];
  }
  return curve;
}

TEST(SimFormats, StartingCurvesAreCurvesTheEditorMakesAndSamplesAlike) {
  const SimMemory memory = FullStartingMemory();
  for (const Bytes& values : memory.curves) {
    ASSERT_EQ(values.size(), kSimCurveValues);
    const StoredCurve stored = StoredFromReplyValues(values);
    ASSERT_TRUE(IsPossibleCurve(stored));
    CurveBytes table{};
    SampleCurve(stored.x, stored.y, static_cast<uint32_t>(StoredPointCount(stored)), table);
    for (size_t k = 0; k < kSampleCount; ++k) EXPECT_EQ(values[k], table[k]) << "output " << k;
  }
}

TEST(SimFormats, SettingsReadAndStoredBackByTheProgramReadBackUnchanged) {
  SimHarness h;
  h.Open();
  const Bytes reply = h.Exchange({0xD8});
  SettingsBlock block;
  ASSERT_TRUE(ParseSettingsReply(reply, block));
  const SettingsFrame frame = BuildSettingsFrame(block);
  EXPECT_EQ(h.Exchange({frame[0], frame[1]}), kAck);
  EXPECT_EQ(h.Exchange(Bytes(frame.begin(), frame.end())), kAck);
  EXPECT_EQ(h.Exchange({0xD8}), reply);
  EXPECT_TRUE(h.Memory().unexpected.empty());
}

TEST(SimFormats, V1SettingsReadAndSentBackByTheProgramReadBackUnchanged) {
  for (SimTargetKind kind : {SimTargetKind::kV1, SimTargetKind::kV1Bec, SimTargetKind::kV1Hgm}) {
    SimHarness h(kind);
    h.Open();
    const Bytes probe = h.Exchange({0xD5});
    ASSERT_EQ(probe.size(), 1u);
    const Bytes reply = h.Exchange({0xD8});
    V1SettingsBlock block = V1FactoryBlock(probe[0] == 0x2B ? kV1BecShown : kV1BecHidden);
    ASSERT_TRUE(DecodeV1Reply(reply, block));
    const std::optional<V1Frame> frame = BuildV1Frame(block);
    ASSERT_TRUE(frame);
    for (const V1Write& write : *frame) {
      EXPECT_EQ(h.Exchange(Bytes(write.Bytes().begin(), write.Bytes().end())), kAck);
    }
    EXPECT_EQ(h.Exchange({0xD8}), reply) << SimTargetName(kind);
    EXPECT_TRUE(h.Memory().unexpected.empty()) << SimTargetName(kind);
  }
}

// Bytes that switch a target into one of its modes, mixed with random ones so
// that every mode is reached and left in every state.
uint8_t NextByte(std::mt19937& random) {
  static constexpr uint8_t kMeaningful[] = {0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xDB, 0xDC, 0xDE,
                                            0xDF, 0xA4, 0xAF, 0xA1, 0xE0, 0xE2, 0xEC, 0xED, 0xD1, 0xD3,
                                            0x13, 0x7E, 0x81, 0xCF, 0x02, 0x00, 0x01, 0x64};
  if (random() % 2 == 0) return kMeaningful[random() % std::size(kMeaningful)];
  return static_cast<uint8_t>(random());
}

TEST(SimFormats, AnyByteStreamKeepsEveryTargetsMemoryInShape) {
  std::mt19937 random(2024);
  for (const SimTargetInfo& info : SimTargetList()) {
    for (int run = 0; run < 40; ++run) {
      std::unique_ptr<SimTarget> target = MakeSimTarget(info.kind);
      const SimMemory start = target->Memory();
      uint64_t now = 0;
      for (int write = 0; write < 200; ++write) {
        // Exactly sized, so a read past a write trips the sanitizer.
        Bytes payload(random() % 60);
        for (auto& b : payload) b = NextByte(random);
        SimAnswers answers;
        now += random() % 4000;
        target->Receive(payload.data(), payload.size(), now, answers);
      }
      const SimMemory& memory = target->Memory();
      EXPECT_EQ(memory.settings.size(), start.settings.size()) << info.name;
      for (size_t c = 0; c < memory.curves.size(); ++c) {
        EXPECT_EQ(memory.curves[c].size(), start.curves[c].size()) << info.name;
      }
    }
  }
}

}  // namespace
}  // namespace vuriru::test
