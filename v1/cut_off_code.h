// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cut-off voltage travels to and from a V1 controller as a code rather
// than as its list index: 0x26 + 2 × index for "2.6V/Cell" .. "3.4V/Cell"
// (0x26, 0x28, 0x2A, 0x2C, 0x2E) and 0x2F for "NOCut-Off". The engine's
// decoding of reply byte 0 (38 → 0, 40 → 1, … 46 → 4, 47 → 5) is the reverse
// of the same map, so both go through these two functions.

#include <cstdint>
#include <optional>

namespace vuriru {

inline constexpr int32_t kCutOffIndexCount = 6;
inline constexpr int32_t kNoCutOffIndex = 5;

// The code for a cut-off list index; nothing for an index outside the list.
std::optional<uint8_t> CutOffCode(int32_t index);

// The list index for a cut-off code; nothing for any other byte, which leaves
// the cut-off setting as it was.
std::optional<int32_t> CutOffIndexFromCode(uint8_t code);

// Reply byte 0 of the thirteen-setting layout: 0x2F is "NOCut-Off", any other
// byte is read as ((byte AND 0x0F) − 6) / 2, rounded towards zero. A low
// nibble below 5 would give a negative index; such bytes give nothing.
std::optional<int32_t> CnCutOffIndexFromByte(uint8_t value);

}  // namespace vuriru
