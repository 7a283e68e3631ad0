// SPDX-License-Identifier: GPL-3.0-or-later
#include "comms/firmware/block_protocol.h"

#include <vector>

#include <gtest/gtest.h>

namespace vuriru {
namespace {

using Frame = std::vector<uint8_t>;

std::vector<uint8_t> Counting(size_t n) {
  std::vector<uint8_t> v(n);
  for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(i * 13 + 1);
  return v;
}

Frame Slice(const std::vector<uint8_t>& image, size_t from, size_t to) {
  return Frame(image.begin() + static_cast<long>(from), image.begin() + static_cast<long>(to));
}

TEST(BlockPlan, ImageOf1300BytesGoesOutAsTwoFullBlocksAndA276ByteLastBlock) {
  const std::vector<uint8_t> image = Counting(1300);
  const std::vector<Frame> frames = PlanBlockFrames(image);
  const std::vector<Frame> expected = {
      {0x05, 0x14}, {0x02, 0x00}, Slice(image, 0, 512), Slice(image, 512, 1024), {0x01, 0x14}, Slice(image, 1024, 1300),
      {0x13, 0x81}, {0x13, 0xCF}};
  EXPECT_EQ(frames, expected);
}

TEST(BlockPlan, ImageOfExactly1024BytesEndsWithAFull512ByteLastBlock) {
  const std::vector<uint8_t> image = Counting(1024);
  const std::vector<Frame> frames = PlanBlockFrames(image);
  const std::vector<Frame> expected = {
      {0x04, 0x00}, {0x02, 0x00}, Slice(image, 0, 512), {0x02, 0x00}, Slice(image, 512, 1024),
      {0x13, 0x81}, {0x13, 0xCF}};
  EXPECT_EQ(frames, expected);
}

TEST(BlockPlan, ShortImagesStayInsideTheImageOrAreNotPlannedAtAll) {
  // 513..1023 bytes: one full block, then the rest as the last block.
  const std::vector<uint8_t> image = Counting(600);
  const std::vector<Frame> frames = PlanBlockFrames(image);
  const std::vector<Frame> expected = {{0x02, 0x58},           {0x02, 0x00}, Slice(image, 0, 512), {0x00, 0x58},
                                       Slice(image, 512, 600), {0x13, 0x81}, {0x13, 0xCF}};
  EXPECT_EQ(frames, expected);
  // 512 bytes or fewer would need bytes from beyond the image for the first block.
  EXPECT_TRUE(PlanBlockFrames(Counting(512)).empty());
  EXPECT_TRUE(PlanBlockFrames(Counting(100)).empty());
  EXPECT_TRUE(PlanBlockFrames(Counting(65536)).empty());
}

TEST(BlockPlan, EveryPlannedImageByteGoesOutOnceInOrder) {
  for (size_t size : {513u, 1023u, 1025u, 1536u, 1537u, 65535u}) {
    const std::vector<uint8_t> image = Counting(size);
    const std::vector<Frame> frames = PlanBlockFrames(image);
    ASSERT_GE(frames.size(), 6u) << size;
    const auto sizePair = LengthPair(static_cast<uint32_t>(size));
    EXPECT_EQ(frames[0], Frame(sizePair.begin(), sizePair.end()));
    std::vector<uint8_t> carried;
    const size_t last = frames.size() - 3;  // the last block, before 13 81 and 13 CF
    for (size_t i = 2; i + 1 < last; ++i) {
      EXPECT_EQ(frames[i].size(), kBlockLength) << size;
      carried.insert(carried.end(), frames[i].begin(), frames[i].end());
    }
    const Frame& header = frames[last - 1];
    EXPECT_EQ(header[0] * 256u + header[1], frames[last].size()) << size;
    EXPECT_GE(frames[last].size(), 1u);
    EXPECT_LE(frames[last].size(), kBlockLength);
    carried.insert(carried.end(), frames[last].begin(), frames[last].end());
    EXPECT_EQ(carried, image) << size;
  }
}

}  // namespace
}  // namespace vuriru
