// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/lcd_box.h"

#include <gtest/gtest.h>

#include "block_protocol.h"
#include "sim/starting_memory.h"

namespace vuriru::test {
namespace {

TEST(SimLcdBox, AnswersProbesOnlyWhileItRuns) {
  SimHarness h(SimTargetKind::kLcd);
  h.Open();
  EXPECT_EQ(h.Exchange({0xD5}), Bytes{0x27});
  EXPECT_EQ(h.Exchange({0xD4}), Bytes{0x27});
  EXPECT_EQ(h.Exchange({0xD7}), Bytes{});
  EXPECT_EQ(h.Exchange({0xD8}), Bytes{});
}

TEST(SimLcdBox, RestartsIntoItsLoaderAndTakesAnImageOfBlocks) {
  SimHarness h(SimTargetKind::kLcd);
  h.Open();
  h.Write({0xD3});
  EXPECT_EQ(h.Read(10), Bytes{});  // still restarting
  EXPECT_EQ(h.Read(SimLcdBox::kRestartMs), SimLoaderVersionReply());

  // 1300 bytes: 0x02 0x00 and two full blocks, then 0x01 0x14 and 276 bytes.
  const Bytes image = TestImage(1300);
  const auto answers = SendBlockImage(h, image);
  EXPECT_EQ(answers, (std::vector<Bytes>{kOk, kOk, kOk, kOk, kOk, {}}));
  EXPECT_EQ(h.Memory().firmwareImage, image);
  EXPECT_EQ(h.Memory().firmwareUpdates, 1u);
  EXPECT_TRUE(h.Memory().unexpected.empty());
  EXPECT_EQ(h.Exchange({0xD4}), Bytes{0x27});
}

TEST(SimLcdBox, ImageSizesAtTheBlockEdges) {
  for (size_t size : {1024u, 1025u, 1536u, 513u, 512u}) {
    SimHarness h(SimTargetKind::kLcd);
    h.Open();
    h.Write({0xD3});
    h.Read(50);
    const Bytes image = TestImage(size, static_cast<uint8_t>(size));
    const auto answers = SendBlockImage(h, image);
    EXPECT_EQ(answers.back(), Bytes{}) << size;
    EXPECT_EQ(answers[answers.size() - 2], kOk) << size;
    EXPECT_EQ(h.Memory().firmwareImage, image) << size;
  }
}

TEST(SimLcdBox, ShortImageKeepsOnlyItsBytesOfTheFirstBlock) {
  SimHarness h(SimTargetKind::kLcd);
  h.Open();
  h.Write({0xD3});
  h.Read(50);
  EXPECT_EQ(h.Exchange({0x13, 0x7E}), kOk);
  h.Write({0x01, 0x2C});  // 300 bytes
  h.Write({0x02, 0x00});
  Bytes block = TestImage(300);
  block.resize(512, 0xFF);  // the first block always goes out whole
  EXPECT_EQ(h.Exchange(block), kOk);
  EXPECT_EQ(h.Exchange({0x13, 0x81}), kOk);
  h.Write({0x13, 0xCF});
  EXPECT_EQ(h.Memory().firmwareImage, TestImage(300));
}

TEST(SimLcdBox, StalledTransferIsDroppedAndNothingIsKeptUntilAWholeImageCame) {
  SimHarness h(SimTargetKind::kLcd);
  h.Open();
  h.Write({0xD3});
  h.Read(50);
  EXPECT_EQ(h.Exchange({0x13, 0x7E}), kOk);
  h.Write({0x04, 0x00});
  h.Write({0x02, 0x00});
  EXPECT_EQ(h.Exchange(TestImage(512)), kOk);
  // While the last block's length is awaited, a command is only data ...
  EXPECT_EQ(h.Exchange({0x13, 0xCF}), (Bytes{'e', 'r'}));
  // ... until the transfer has stalled; then leaving keeps no partial image.
  h.scheduler.AdvanceBy(kSimLoaderStallMs + 1);
  h.Write({0x13, 0xCF});
  EXPECT_TRUE(h.Memory().firmwareImage.empty());
  EXPECT_EQ(h.Memory().firmwareUpdates, 0u);
  EXPECT_EQ(h.Exchange({0xD5}), Bytes{0x27});

  h.Write({0xD3});
  EXPECT_EQ(h.Read(50), SimLoaderVersionReply());
  h.Write({0xD3});  // asked again while in the loader
  EXPECT_EQ(h.Read(50), SimLoaderVersionReply());
  const auto answers = SendBlockImage(h, TestImage(600));
  EXPECT_EQ(answers.front(), kOk);
  EXPECT_EQ(h.Memory().firmwareImage, TestImage(600));
}

TEST(SimLcdBox, ImpossibleBlockLengthIsRefused) {
  SimHarness h(SimTargetKind::kLcd);
  h.Open();
  h.Write({0xD3});
  h.Read(50);
  EXPECT_EQ(h.Exchange({0x13, 0x7E}), kOk);
  h.Write({0x10, 0x00});
  EXPECT_EQ(h.Exchange({0x02, 0x01}), (Bytes{'e', 'r'}));  // 513
  EXPECT_EQ(h.Exchange({0x00, 0x00}), (Bytes{'e', 'r'}));
  h.Write({0x02, 0x00});
  EXPECT_EQ(h.Exchange(TestImage(512)), kOk);
}

}  // namespace
}  // namespace vuriru::test
