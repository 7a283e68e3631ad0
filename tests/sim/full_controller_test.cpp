// SPDX-License-Identifier: GPL-3.0-or-later
#include <numeric>
#include <utility>

#include <gtest/gtest.h>

#include "sim/starting_memory.h"
#include "sim_harness.h"

namespace vuriru::test {
namespace {

// (frame tag, settings reply position) in the order of the settings frame.
constexpr std::pair<uint8_t, uint8_t> kFrameOrder[] = {
    {0xA4, 0},  {0xEC, 2},  {0xEF, 3},  {0xE7, 4},  {0xEA, 5},  {0xE6, 6},  {0xEB, 7},  {0xE9, 8},
    {0xE4, 9},  {0xE3, 10}, {0xED, 11}, {0xEE, 12}, {0xA6, 13}, {0xA7, 14}, {0xE1, 15}, {0xE5, 16},
    {0xA3, 17}, {0xA8, 18}, {0xA9, 19}, {0xAA, 20}, {0xA1, 21}, {0xAB, 22}, {0xA2, 23}, {0xAC, 24},
    {0xAD, 25}, {0xA5, 26}, {0xE0, 31}, {0xE2, 32}, {0xE8, 1},  {0xA0, 34}, {0xAE, 33},
};

// The factory indexes by reply position; the running log (27..30) is not sent.
const Bytes kFactory = {0, 10, 1, 1, 0, 3, 14, 14, 0, 10, 6, 9, 4, 4, 4, 0, 0, 0,
                        0, 0,  0, 0, 0, 6, 12, 4,  5, 0,  0, 0, 0, 0, 0, 0, 99};

Bytes SettingsFrame(const Bytes& values) {
  Bytes frame;
  for (const auto& [tag, position] : kFrameOrder) {
    frame.push_back(tag);
    frame.push_back(values[position]);
  }
  frame.insert(frame.end(), {0xAF, 0x01, 0x01, 0x01});
  return frame;
}

Bytes CurveBlock(const Bytes& values) {
  const int sum = std::accumulate(values.begin(), values.end(), 0);
  Bytes block = values;
  block.push_back(static_cast<uint8_t>(sum / 100));
  block.push_back(static_cast<uint8_t>(sum % 100));
  block.resize(150, 1);
  return block;
}

// Sends a curve block the way the store does: three chunks on three ticks.
Bytes SendCurveChunks(SimHarness& h, const Bytes& block) {
  Bytes answers;
  for (auto [from, to] : {std::pair{0, 42}, std::pair{42, 84}, std::pair{84, 134}}) {
    h.Write(Bytes(block.begin() + from, block.begin() + to));
    const Bytes got = h.Read(100);
    answers.insert(answers.end(), got.begin(), got.end());
  }
  return answers;
}

Bytes TestCurve(uint8_t seed) {
  Bytes values(120);
  for (size_t i = 0; i < values.size(); ++i) values[i] = static_cast<uint8_t>((i * 7 + seed) % 101);
  return values;
}

TEST(SimFullController, AnswersEachRequestFromItsStartingMemory) {
  SimHarness h;
  h.Open();
  EXPECT_EQ(h.Exchange({0xD5}), Bytes{0x2A});
  EXPECT_EQ(h.Exchange({0xD4}), Bytes{0x2A});
  const Bytes version = h.Exchange({0xD7});
  EXPECT_EQ(version.size(), 7u);
  EXPECT_EQ(version, FullStartingMemory().softwareVersion);

  const Bytes settings = h.Exchange({0xD8});
  ASSERT_EQ(settings.size(), 35u);
  EXPECT_EQ(settings, FullStartingMemory().settings);
  EXPECT_NE(settings, kFactory);
  EXPECT_EQ(settings[1], 25);  // D.Brake Rate, factory 10

  const std::pair<uint8_t, uint8_t> requests[] = {
      {0xDE, kSimCurveBoost}, {0xDB, kSimCurveBrake}, {0xD9, kSimCurveThrottle}};
  for (const auto& [request, curve] : requests) {
    const Bytes reply = h.Exchange({request});
    ASSERT_EQ(reply.size(), 123u);
    EXPECT_EQ(reply[0], 0x80);
    EXPECT_EQ(Bytes(reply.begin() + 1, reply.begin() + 121), h.Memory().curves[curve]);
    const int sum = std::accumulate(reply.begin() + 1, reply.begin() + 121, 0);
    EXPECT_EQ(reply[121], sum / 100);
    EXPECT_EQ(reply[122], sum % 100);
  }
  // Each stored curve starts at (0,0) and ends at (100,100).
  EXPECT_EQ(h.Memory().curves[kSimCurveBrake][40 + 2], 100);
  EXPECT_EQ(h.Memory().curves[kSimCurveBrake][80 + 2], 100);

  EXPECT_EQ(h.Exchange({0x42}), Bytes{});
  EXPECT_EQ(h.Memory().unexpected, Bytes{0x42});
}

TEST(SimFullController, SettingsFrameStoreIsAcknowledgedTwiceAndReadBack) {
  SimHarness h;
  h.Open();
  // The store handler hears of the store once its values are in memory.
  std::vector<uint8_t> heldWhenTold;
  h.adapter->Target().SetStoreHandler([&] { heldWhenTold = h.Memory().settings; });
  const Bytes frame = SettingsFrame(kFactory);
  ASSERT_EQ(frame.size(), 66u);
  EXPECT_EQ(h.Exchange({frame[0], frame[1]}), kAck);
  // The whole frame follows in two writes, as the store sends it.
  h.Write(Bytes(frame.begin(), frame.begin() + 30));
  EXPECT_EQ(h.Read(5), Bytes{});
  EXPECT_TRUE(heldWhenTold.empty());
  h.Write(Bytes(frame.begin() + 30, frame.end()));
  EXPECT_EQ(h.Read(), kAck);
  EXPECT_EQ(h.Memory().storesCompleted, 1u);
  EXPECT_EQ(heldWhenTold, h.Memory().settings);

  Bytes expected = kFactory;
  for (int log = 27; log <= 30; ++log) expected[log] = FullStartingMemory().settings[log];
  EXPECT_EQ(h.Exchange({0xD8}), expected);
  EXPECT_TRUE(h.Memory().unexpected.empty());
}

TEST(SimFullController, FrameWithoutItsFirstPairAndARepeatedFirstPairAreTakenToo) {
  SimHarness h;
  h.Open();
  Bytes values = kFactory;
  values[34] = 42;
  const Bytes frame = SettingsFrame(values);
  EXPECT_EQ(h.Exchange({frame[0], frame[1]}), kAck);
  // The acknowledgement went missing: the first pair comes again alone.
  EXPECT_EQ(h.Exchange({frame[0], frame[1]}), kAck);
  EXPECT_EQ(h.Exchange(Bytes(frame.begin() + 2, frame.end())), kAck);
  EXPECT_EQ(h.Exchange({0xD8})[34], 42);
}

TEST(SimFullController, DamagedOrEndlessFrameIsNotKept) {
  SimHarness h;
  h.Open();
  Bytes frame = SettingsFrame(kFactory);
  frame[65] = 0x02;
  EXPECT_EQ(h.Exchange({frame[0], frame[1]}), kAck);
  EXPECT_EQ(h.Exchange(frame), Bytes{});
  EXPECT_EQ(h.Exchange({0xD8}), FullStartingMemory().settings);

  EXPECT_EQ(h.Exchange({0xA4, 0x00}), kAck);
  h.Write(Bytes(200, 0xE6));  // pairs that never end
  EXPECT_EQ(h.Read(), Bytes{});
  EXPECT_EQ(h.Exchange({0xD5}), Bytes{0x2A});  // back to commands
}

TEST(SimFullController, WholeStoreAnswersWhatTheCurvePhasesWaitFor) {
  SimHarness h;
  h.Open();
  const Bytes frame = SettingsFrame(kFactory);
  EXPECT_EQ(h.Exchange({frame[0], frame[1]}), kAck);
  h.Write(Bytes(frame.begin(), frame.begin() + 30));
  h.Write(Bytes(frame.begin() + 30, frame.end()));
  EXPECT_EQ(h.Read(), kAck);  // phase 0 needs 0x01

  const std::pair<uint8_t, uint8_t> announces[] = {
      {0xDF, kSimCurveBoost}, {0xDC, kSimCurveBrake}, {0xDA, kSimCurveThrottle}};
  for (const auto& [announce, curve] : announces) {
    EXPECT_EQ(h.Exchange({announce}), Bytes{0x80}) << "ready for curve " << int{curve};
    const Bytes values = TestCurve(curve);
    // Nothing between the chunks; the block is acknowledged after the third.
    EXPECT_EQ(SendCurveChunks(h, CurveBlock(values)), kAck);
    EXPECT_EQ(h.Memory().curves[curve], values);
  }
  EXPECT_EQ(h.Memory().storesCompleted, 4u);

  const Bytes reply = h.Exchange({0xD9});
  ASSERT_EQ(reply.size(), 123u);
  EXPECT_EQ(Bytes(reply.begin() + 1, reply.begin() + 121), TestCurve(kSimCurveThrottle));
  const Bytes block = CurveBlock(TestCurve(kSimCurveThrottle));
  EXPECT_EQ(Bytes(reply.begin() + 121, reply.end()), Bytes(block.begin() + 120, block.begin() + 122));
}

TEST(SimFullController, CurveBlockWithWrongCheckBytesIsRefusedAndNotKept) {
  SimHarness h;
  h.Open();
  Bytes block = CurveBlock(TestCurve(5));
  block[121] = static_cast<uint8_t>(block[121] + 1);
  EXPECT_EQ(h.Exchange({0xDC}), Bytes{0x80});
  EXPECT_EQ(SendCurveChunks(h, block), Bytes{0x02});
  EXPECT_EQ(h.Memory().curves[kSimCurveBrake], FullStartingMemory().curves[kSimCurveBrake]);
  EXPECT_EQ(h.Memory().curveBlocksRejected, 1u);
  EXPECT_EQ(h.Exchange({0xD5}), Bytes{0x2A});
}

TEST(SimFullController, TakesRecordFirmwareAndAnswersTheProbeThatEndsIt) {
  SimHarness h;
  h.Open();
  const Bytes started = h.Exchange({0xD6});
  ASSERT_FALSE(started.empty());
  EXPECT_EQ(started[0], 0xD7);
  const Bytes first = {0x00, 0x05, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE};
  Bytes second = {0x00, 0x64};
  for (int i = 0; i < 100; ++i) second.push_back(static_cast<uint8_t>(0xD4 + i));
  EXPECT_EQ(h.Exchange(first), Bytes{0x11});
  EXPECT_EQ(h.Exchange(second), Bytes{0x11});  // payload bytes that look like probes are data
  EXPECT_EQ(h.Memory().firmwareUpdates, 0u);
  EXPECT_EQ(h.Exchange({0xD5}), Bytes{0x2A});

  Bytes image = first;
  image.insert(image.end(), second.begin(), second.end());
  EXPECT_EQ(h.Memory().firmwareImage, image);
  EXPECT_EQ(h.Memory().firmwareUpdates, 1u);
}

}  // namespace
}  // namespace vuriru::test
