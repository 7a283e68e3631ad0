// SPDX-License-Identifier: GPL-3.0-or-later
#include "comms/firmware/block_protocol.h"

#include "comms/firmware/firmware_image.h"

namespace vuriru {

std::array<uint8_t, 2> LengthPair(uint32_t n) {
  return {static_cast<uint8_t>(n >> 8 & 0xFF), static_cast<uint8_t>(n & 0xFF)};
}

uint32_t LastBlockOffset(uint32_t size) {
  if (size == 0) return 0;
  return (size - 1) / kBlockLength * kBlockLength;
}

std::vector<std::vector<uint8_t>> PlanBlockFrames(std::span<const uint8_t> image) {
  std::vector<std::vector<uint8_t>> frames;
  if (!CheckBlockImage(image).empty()) return frames;
  const auto size = static_cast<uint32_t>(image.size());
  const uint32_t last = LastBlockOffset(size);
  auto add = [&frames](auto bytes) { frames.emplace_back(bytes.begin(), bytes.end()); };
  add(LengthPair(size));
  add(kFirstBlockHeader);
  for (uint32_t position = 0; position < last; position += kBlockLength) {
    add(image.subspan(position, kBlockLength));
  }
  add(LengthPair(size - last));
  add(image.subspan(last));
  add(kBlockFinish);
  add(kBlockConfirm);
  return frames;
}

}  // namespace vuriru
