// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 150-byte curve block that carries one stored curve to the controller,
// and the two check bytes that protect the 120 curve values in the block and
// in the controller's curve reply.

#include <array>
#include <cstdint>
#include <span>

#include "curves/stored_curve.h"

namespace vuriru {

inline constexpr size_t kCurveValueCount = 3 * kSampleCount;  // 120
inline constexpr size_t kCurveBlockLength = 150;
// Of the block, only these leading bytes are sent.
inline constexpr size_t kCurveBlockSentLength = 134;

using CurveBlock = std::array<uint8_t, kCurveBlockLength>;

struct CurveCheckBytes {
  uint8_t quotient = 0;   // low byte of S / 100
  uint8_t remainder = 0;  // low byte of S % 100
  friend bool operator==(const CurveCheckBytes&, const CurveCheckBytes&) = default;
};

// S is the sum of the 120 values, each taken as a signed byte.
CurveCheckBytes ComputeCheckBytes(std::span<const uint8_t, kCurveValueCount> values);

// Offsets 0..39 sampled table, 40..79 stored x, 80..119 stored y, 120 and 121
// the check bytes, 122..149 each 1.
CurveBlock BuildCurveBlock(const StoredCurve& curve);

}  // namespace vuriru
