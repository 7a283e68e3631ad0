// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 512-byte block protocol of *.xut and *.hgm images. After the device has
// answered the start byte with "ok", the image goes out as: its size as two
// bytes (high, low); 0x02 0x00 once; full 512-byte blocks, each answered with
// "ok"; the last block (1 to 512 bytes) preceded by its own length as two
// bytes; then 0x13 0x81, and after the device's "ok" 0x13 0xCF.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace vuriru {

inline constexpr uint32_t kBlockLength = 512;
inline constexpr uint8_t kBlockStart = 0xD3;
inline constexpr uint8_t kBlockStartAnswer = 0xD7;
inline constexpr std::array<uint8_t, 2> kBlockPickUp = {0x13, 0x7E};
inline constexpr std::array<uint8_t, 2> kFirstBlockHeader = {0x02, 0x00};
inline constexpr std::array<uint8_t, 2> kBlockFinish = {0x13, 0x81};
inline constexpr std::array<uint8_t, 2> kBlockConfirm = {0x13, 0xCF};
// The device's answer to each step: the two characters "ok".
inline constexpr std::array<uint8_t, 2> kOkAnswer = {0x6F, 0x6B};

// A size or block length as two bytes, high byte first.
std::array<uint8_t, 2> LengthPair(uint32_t n);

// Where the last block starts: behind every full block that leaves at least
// one byte for it. For an image of 513 bytes or more this is at least 512.
uint32_t LastBlockOffset(uint32_t size);

// The frames that follow the device's first "ok", in order. Empty for an
// image the block protocol cannot carry (see CheckBlockImage).
std::vector<std::vector<uint8_t>> PlanBlockFrames(std::span<const uint8_t> image);

}  // namespace vuriru
