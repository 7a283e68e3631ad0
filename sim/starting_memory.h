// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed memory each simulated target starts with. The values are valid
// but deliberately differ from the factory values, so that a test can tell a
// read from the controller apart from defaults. sim/README.md lists them.

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "sim/sim_target.h"

namespace vuriru {

// The adapter's answer to the connect report (shown as "V2.05_23114").
std::vector<uint8_t> SimConnectVersionReply();
// What a target's firmware loader says when it starts (first byte 0xD7).
std::vector<uint8_t> SimLoaderVersionReply();

SimMemory FullStartingMemory();
SimMemory LcdStartingMemory();
// V1 controllers: 14-byte reply (plain), 18 bytes with BEC at byte 14, or the
// 12-byte reply of the model that takes *.hgm firmware.
SimMemory V1StartingMemory(size_t replyLength);

// The two check bytes of a curve: S / 100 and S % 100 of the sum S of the
// 120 values, each taken as a signed byte.
std::pair<uint8_t, uint8_t> SimCurveCheck(const uint8_t* values);

}  // namespace vuriru
