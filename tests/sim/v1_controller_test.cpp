// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "block_protocol.h"
#include "sim/starting_memory.h"

namespace vuriru::test {
namespace {

struct Model {
  SimTargetKind kind;
  uint8_t probeAnswer;
  size_t replyLength;
};

class SimV1Models : public ::testing::TestWithParam<Model> {};

TEST_P(SimV1Models, AnswerProbeVersionAndSettingsFromTheirStartingMemory) {
  const Model model = GetParam();
  SimHarness h(model.kind);
  h.Open();
  EXPECT_EQ(h.Exchange({0xD5}), Bytes{model.probeAnswer});
  EXPECT_EQ(h.Exchange({0xD4}), Bytes{model.probeAnswer});
  const Bytes version = h.Exchange({0xD7});
  ASSERT_EQ(version.size(), 7u);
  EXPECT_EQ(version[2], 0xDD);  // major version 1
  const Bytes settings = h.Exchange({0xD8});
  EXPECT_EQ(settings.size(), model.replyLength);
  EXPECT_EQ(settings, V1StartingMemory(model.replyLength).settings);
  EXPECT_EQ(settings[0], 0x2C);  // 3.2V/Cell, not the factory 3.0V/Cell
}

INSTANTIATE_TEST_SUITE_P(Models, SimV1Models,
                         ::testing::Values(Model{SimTargetKind::kV1, 0x2C, 14}, Model{SimTargetKind::kV1Bec, 0x2B, 18},
                                           Model{SimTargetKind::kV1Hgm, 0x2C, 12}),
                         [](const auto& info) {
                           std::string name(SimTargetName(info.param.kind));
                           std::erase(name, '-');
                           return name;
                         });

// The factory values, pair by pair, as the V1 panel sends them.
const std::vector<Bytes> kFactoryPairs = {{0xE2, 0x01}, {0xE3, 0x04}, {0xE4, 0x00}, {0xE5, 0x02}, {0xE6, 0x02},
                                          {0xE7, 0x00}, {0xE8, 0x04}, {0xEA, 0x02}, {0xEB, 0x00}, {0xEC, 0x2A}};

TEST(SimV1Controller, PairByPairStoreIsAcknowledgedPerPairAndReadBack) {
  SimHarness h(SimTargetKind::kV1);
  h.Open();
  for (const auto& pair : kFactoryPairs) EXPECT_EQ(h.Exchange(pair), kAck);
  h.Write({0xE0});
  EXPECT_EQ(h.Read(), Bytes{});
  EXPECT_EQ(h.Memory().closingBytes, 1u);
  EXPECT_EQ(h.Memory().storesCompleted, 10u);

  const Bytes expected = {0x2A, 0, 1, 4, 0, 2, 2, 0, 4, 0, 2, 0, 0, 0};
  EXPECT_EQ(h.Exchange({0xD8}), expected);
  EXPECT_TRUE(h.Memory().unexpected.empty());
}

TEST(SimV1Controller, BecModelKeepsTheBecValueAndOthersLogIt) {
  SimHarness bec(SimTargetKind::kV1Bec);
  bec.Open();
  for (int i = 0; i < 4; ++i) EXPECT_EQ(bec.Exchange({0xA1, 0x00}), kAck);
  EXPECT_EQ(bec.Exchange({0xD8})[14], 0);

  SimHarness plain(SimTargetKind::kV1);
  plain.Open();
  EXPECT_EQ(plain.Exchange({0xA1, 0x01}), kAck);
  EXPECT_EQ(plain.Exchange({0xD8}), V1StartingMemory(14).settings);
  EXPECT_EQ(plain.Memory().unexpected, Bytes{0xA1});
}

TEST(SimV1Controller, HgmModelTakesTheLongerFrameButLogsAClosingByte) {
  SimHarness h(SimTargetKind::kV1Hgm);
  h.Open();
  EXPECT_EQ(h.Exchange({0xED, 0x05}), kAck);  // cut-off by list index
  EXPECT_EQ(h.Exchange({0xE9, 0x01}), kAck);
  EXPECT_EQ(h.Exchange({0xD1}), kAck);
  EXPECT_EQ(h.Exchange({0xD8})[0], 0x2F);
  EXPECT_TRUE(h.Memory().unexpected.empty());
  h.Write({0xE0});
  EXPECT_EQ(h.Memory().closingBytes, 0u);
  EXPECT_EQ(h.Memory().unexpected, Bytes{0xE0});
}

TEST(SimV1Controller, RecordFirmwareIsKeptWhenTheProbeEndsIt) {
  SimHarness h(SimTargetKind::kV1Bec);
  h.Open();
  EXPECT_EQ(h.Exchange({0xD6})[0], 0xD7);
  EXPECT_EQ(h.Exchange({0x00, 0x02, 0x12, 0x34}), Bytes{0x11});
  EXPECT_EQ(h.Exchange({0x00, 0x00}), Bytes{0x11});  // an empty record
  EXPECT_EQ(h.Exchange({0xD5}), Bytes{0x2B});
  EXPECT_EQ(h.Memory().firmwareImage, (Bytes{0x00, 0x02, 0x12, 0x34, 0x00, 0x00}));
  // The loader is left: pairs are pairs again.
  EXPECT_EQ(h.Exchange({0xE2, 0x00}), kAck);
}

TEST(SimV1Controller, RecordCutOffHalfwayIsDroppedAfterAStall) {
  SimHarness h(SimTargetKind::kV1);
  h.Open();
  h.Exchange({0xD6});
  EXPECT_EQ(h.Exchange({0x00, 0x01, 0x77}), Bytes{0x11});
  EXPECT_EQ(h.Exchange({0x00, 0x08, 0x01}), Bytes{});  // 7 bytes short
  h.scheduler.AdvanceBy(kSimLoaderStallMs + 1);
  EXPECT_EQ(h.Exchange({0xD5}), Bytes{0x2C});
  EXPECT_EQ(h.Memory().firmwareImage, (Bytes{0x00, 0x01, 0x77}));
}

TEST(SimV1Controller, HgmModelTakesBlockFirmwareAfterAnsweringItsStartByte) {
  SimHarness h(SimTargetKind::kV1Hgm);
  h.Open();
  const Bytes started = h.Exchange({0xD6});
  ASSERT_FALSE(started.empty());
  EXPECT_EQ(started[0], 0xD7);
  const Bytes image = TestImage(1300, 9);
  const auto answers = SendBlockImage(h, image);
  EXPECT_EQ(answers, (std::vector<Bytes>{kOk, kOk, kOk, kOk, kOk, {}}));
  EXPECT_EQ(h.Memory().firmwareImage, image);
  EXPECT_EQ(h.Exchange({0xD4}), Bytes{0x2C});

  // The repeated start byte of the block transfer is 0xD3; it starts the loader too.
  EXPECT_EQ(h.Exchange({0xD3})[0], 0xD7);
}

}  // namespace
}  // namespace vuriru::test
