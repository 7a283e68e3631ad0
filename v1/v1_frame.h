// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frames that store the V1 settings block on a controller, as the
// sequence of writes the engine makes: each write is one (command, value)
// pair, or the single closing byte 0xD1 of some thirteen-setting frames. The
// engine writes the first at once and each further one after the controller
// acknowledged the previous.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "v1/v1_settings_block.h"

namespace vuriru {

struct V1Write {
  std::array<uint8_t, 2> bytes{};
  uint8_t length = 0;

  static constexpr V1Write Pair(uint8_t command, uint8_t value) { return {{command, value}, 2}; }
  static constexpr V1Write Single(uint8_t byte) { return {{byte, 0}, 1}; }
  std::span<const uint8_t> Bytes() const { return {bytes.data(), length}; }
  bool operator==(const V1Write&) const = default;
};

using V1Frame = std::vector<V1Write>;

inline constexpr uint8_t kCnV1FrameEnd = 0xD1;

// V1 frame: (0xE2, Running Mode), (0xE3, Percentage Braking), (0xE4,
// Percentage Drag Brake), (0xE5, Motor Timing), (0xE6, Initial Acceleration),
// (0xE7, Throttle Limit), (0xE8, Throttle Percent Reverse), (0xEA, Neutral
// range), (0xEB, Motor Rotation), while BEC is shown four (0xA1, BEC), then
// (0xEC, cut-off code): 10 or 14 writes. Nothing when a setting that would be
// sent holds an index outside its list, so such a value never reaches the
// controller.
std::optional<V1Frame> BuildV1Frame(const V1SettingsBlock& block);

// Thirteen-setting frame for the length of the controller's last reply:
// first (0xEC, cut-off code) for 14 or 18 bytes, else (0xED, cut-off index);
// then (0xE2 .. 0xE8) as in the V1 frame, (0xEB, Motor Rotation), (0xEA,
// Neutral range), (0xE9, 1); for 15 or 18 bytes also (0xA1, Turbo Timing),
// (0xA2, Turbo Delay), (0xA3, Boost Start RPM); for 12 or 15 bytes the single
// byte 0xD1 last. Nothing for any other length, or when a setting that would
// be sent holds an index outside its list.
std::optional<V1Frame> BuildCnV1Frame(const CnV1SettingsBlock& block, size_t replyLength);

// The frame's bytes back to back, for a transmit buffer.
std::vector<uint8_t> FlattenV1Frame(const V1Frame& frame);

}  // namespace vuriru
