// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two byte layouts of the settings block: the settings reply that the
// controller sends when asked for its settings, and the settings frame that
// stores them. Positions and tags come from the settings table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "settings/settings_block.h"

namespace vuriru {

inline constexpr size_t kSettingsReplyLength = 35;
// A reply is taken from 33 bytes on; the last two (BEC Output, RPM Lock) may be missing.
inline constexpr size_t kSettingsReplyMinLength = 33;
inline constexpr size_t kSettingsFrameLength = 66;

using SettingsFrame = std::array<uint8_t, kSettingsFrameLength>;

// Stores the reply's bytes into the current indexes and the running log, each
// byte zero-extended; bytes beyond 35 are ignored. A reply shorter than 33
// bytes is incomplete: nothing is stored and the result is false.
//
// A setting whose byte the reply does not reach keeps its previous value:
// BEC Output and RPM Lock in a 33-byte reply, RPM Lock alone in a 34-byte one.
// The engine takes a reply as complete once 33 bytes have gathered, so a
// short one is often a whole reply whose last bytes were still on the way;
// a byte 33 that did arrive is the controller's own BEC Output. Keeping the
// old value instead would send a stale BEC Output back on the next Apply.
bool ParseSettingsReply(std::span<const uint8_t> reply, SettingsBlock& block);

// The 66-byte settings frame: one (tag, low byte of the current index) pair
// per block setting, then the trailer 0xAF 0x01 0x01 0x01.
SettingsFrame BuildSettingsFrame(const SettingsBlock& block);

}  // namespace vuriru
