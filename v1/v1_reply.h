// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decoding of the settings reply of a V1 controller (the answer to 0xD8) into
// the V1 settings block, for both panel layouts. A byte that does not name an
// option of its setting's list (an unknown cut-off code, an index past the
// end of the list) leaves that setting as it was, so a garbled reply can never
// put an index on the panel that its list cannot show or that would be sent
// back to the controller.

#include <cstddef>
#include <cstdint>
#include <span>

#include "v1/v1_settings_block.h"

namespace vuriru {

// A V1 reply carries every setting up to Motor Rotation (byte 11) in its first
// 12 bytes; the engine takes replies of 12 to 18 bytes as V1 settings.
inline constexpr size_t kV1MinReplyLength = 12;
inline constexpr size_t kV1MaxReplyLength = 18;

// Decodes a V1 reply: byte 0 cut-off code, 2 Running Mode, 3 Percentage
// Braking, 4 Percentage Drag Brake, 5 Motor Timing, 6 Initial Acceleration,
// 7 Throttle Limit, 8 Throttle Percent Reverse, 10 Neutral range, 11 Motor
// Rotation, 14 BEC while BEC is shown. A reply shorter than 12 bytes is
// refused (false) and changes nothing. BEC is taken only from a byte 14 that
// actually arrived; a shorter reply keeps it rather than reading a byte the
// controller never sent. Bytes past those named are ignored.
bool DecodeV1Reply(std::span<const uint8_t> reply, V1SettingsBlock& block);

// The thirteen-setting layout knows replies of 12, 14, 15 and 18 bytes.
bool IsCnV1ReplyLength(size_t replyLength);

// Turbo Timing, Boost Start RPM and Turbo Delay travel (and are shown) only
// with replies of 15 bytes or more.
bool CnV1HasTurboSettings(size_t replyLength);

// Decodes a thirteen-setting reply by its length: cut-off from byte 0 (see
// CnCutOffIndexFromByte), bytes 2..8 and 10 as in the V1 reply, Motor Rotation
// from byte 9 (12 or 15 bytes) or 11 (14 or 18 bytes), and for 15 or 18 bytes
// byte 13 Boost Start RPM, 14 Turbo Timing, 15 Turbo Delay. A 15-byte reply
// ends at byte 14, so Turbo Delay keeps its value there instead of being read
// from past the reply. Any other length is refused (false) and changes nothing.
bool DecodeCnV1Reply(std::span<const uint8_t> reply, CnV1SettingsBlock& block);

}  // namespace vuriru
