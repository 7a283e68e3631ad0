// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values the shared flags take, named once for every layer: page numbers,
// pressed commands, controller kinds and link states. The flags themselves
// live with the layer that owns them (link/link_state.h,
// comms/engine/engine_state.h, window/window_state.h).

#include <cstdint>

namespace vuriru {

namespace page {
inline constexpr uint8_t kDeviceInfo = 1;
inline constexpr uint8_t kGeneral = 2;
inline constexpr uint8_t kThrottle = 3;
inline constexpr uint8_t kBrake = 4;
inline constexpr uint8_t kBoost = 5;
inline constexpr uint8_t kTurbo = 6;
inline constexpr uint8_t kData = 7;
inline constexpr uint8_t kNoneShown = 240;
inline constexpr uint8_t kNoneSelected = 255;
}  // namespace page

namespace command {
inline constexpr int32_t kApply = 8;
inline constexpr int32_t kDefault = 9;
inline constexpr int32_t kNone = 255;
}  // namespace command

namespace device_type {
inline constexpr uint8_t kNone = 0;
inline constexpr uint8_t kV1 = 1;
inline constexpr uint8_t kV1Chinese = 2;
inline constexpr uint8_t kFull = 3;
}  // namespace device_type

namespace link_state {
inline constexpr uint8_t kNoLink = 0;
inline constexpr uint8_t kOpen = 2;
}  // namespace link_state

}  // namespace vuriru
