// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bytes the engine sends to the controller and the reply bytes it looks
// for. Requests are single command bytes or (tag, value) frames; replies are
// told apart by their first byte, their length or their last byte.

#include <cstdint>

namespace vuriru::engine_cmd {

inline constexpr uint8_t kProbeA = 0xD4;
inline constexpr uint8_t kProbeB = 0xD5;
inline constexpr uint8_t kSoftwareVersion = 0xD7;
inline constexpr uint8_t kSettings = 0xD8;
// After a V1 store, except to models whose settings reply is 12 or 15 bytes.
inline constexpr uint8_t kV1StoreEnd = 0xE0;

// Stored-curve requests and curve-block announcements, by curve number 1..3
// (boost, brake, throttle); index 0 is unused.
inline constexpr uint8_t kReadCurve[4] = {0, 0xDE, 0xDB, 0xD9};
inline constexpr uint8_t kAnnounceCurve[4] = {0, 0xDF, 0xDC, 0xDA};

}  // namespace vuriru::engine_cmd

namespace vuriru::engine_reply {

inline constexpr uint8_t kConnectVersion = 0xD7;
inline constexpr uint8_t kProbeAnswerV1 = 0xD6;
inline constexpr uint8_t kFullController = 0x2A;
inline constexpr uint8_t kLcdBox = 0x27;
inline constexpr uint8_t kKindUnchanged = 0x28;
inline constexpr uint8_t kV1WithBec = 0x2B;
inline constexpr uint8_t kAcknowledge = 0x01;
inline constexpr uint8_t kReady = 0x80;
// The software version reply is exactly this long.
inline constexpr uint32_t kSoftwareVersionLength = 7;
// A curve reply is complete once this many bytes (of its 123) have arrived.
inline constexpr uint32_t kCurveReplyGathered = 122;

}  // namespace vuriru::engine_reply
