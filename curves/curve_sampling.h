// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns a stored curve into the 40 output values the controller uses: the
// curve's height at the inputs 2, 5, 7, 10, ..., 97, 100.

#include <array>
#include <cstdint>

#include "curves/stored_curve.h"

namespace vuriru {

using CurveBytes = std::array<uint8_t, kStoredCurveLength>;

// The input at which output k (0..39) is taken: floor(2.5 * (k + 1)).
constexpr int32_t SampleInput(size_t k) {
  return static_cast<int32_t>(5 * (k + 1) / 2);
}

// Fills table[0..39] from the first `count` points of x and y. When the points
// run out before all 40 inputs are reached, the remaining entries keep their
// old values and neither end is forced; otherwise table[0] = 0, table[39] = 100.
void SampleCurve(const CurveBytes& x, const CurveBytes& y, uint32_t count, CurveBytes& table);

}  // namespace vuriru
