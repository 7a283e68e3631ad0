// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a controller's answer to a probe (0xD4/0xD5) says about it.

#include <cstdint>

namespace vuriru {

struct ProbeAnswer {
  enum class Kind {
    kFull,       // 0x2A: full controller
    kLcdBox,     // 0x27: the display box, a full-kind target
    kUnchanged,  // 0x28: present, kind left as it was
    kV1,         // 0xD6 and any other 0x2_ byte: V1 controller
  };
  Kind kind = Kind::kV1;
  // 11 for a V1 controller with a BEC setting (0x2B), else 10.
  int32_t v1Variant = 10;
};

// Whether the first byte of a reply is a probe answer: 0xD6, or 0x20..0x2F.
bool IsProbeAnswer(uint8_t firstByte);

// The meaning of a probe answer's first byte (only for IsProbeAnswer bytes).
ProbeAnswer ClassifyProbeAnswer(uint8_t firstByte);

}  // namespace vuriru
