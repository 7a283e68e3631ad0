// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replies a full controller sends, built for tests.

#include <cstdint>
#include <vector>

#include "curves/curve_block.h"
#include "curves/stored_curve.h"

namespace vuriru::test {

// A curve the editor could have made: (0,0) (50,lift) (100,100), sampled.
StoredCurve SampleCurve(uint8_t lift);

// The 123-byte curve reply for a stored curve: 0x80, the 120 values, the two
// check bytes.
std::vector<uint8_t> CurveReplyFor(const StoredCurve& curve);

// A 35-byte settings reply whose byte i is `base` + (i mod 2) (small for every
// list), the four running-log bytes 27..30 set to 111, 45, 60, 30.
std::vector<uint8_t> SettingsReply(uint8_t base = 0);

}  // namespace vuriru::test
