// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What differs between the throttle, brake and boost curve editors, held as
// data so that one model class serves all three.

#include <cstdint>
#include <vector>

#include "curves/stored_curve.h"
#include "settings/settings_block.h"

namespace vuriru {

struct GridPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const GridPoint&, const GridPoint&) = default;
};

struct CurveKind {
  CurveNumber number;
  // The page setting whose index 1 ("Custom") selects this curve.
  Setting curveSetting;
  // The boost curve's x axis ends at the boost limit instead of 100.
  bool limitedByBoostTiming;
  // Extra pixels between characters in the two readouts.
  int32_t readoutCharSpacing;
  // Whether releasing the left button after a drag refreshes the readouts.
  bool releaseRefreshesReadouts;
};

const CurveKind& KindOf(CurveNumber number);

// The x at which the boost curve reaches full height: t * 100 / 64 for the
// boost timing index t (one step per degree). Indexes outside 0..64, which a
// controller reply may carry, are held to that range so that the curve never
// leaves the grid.
int32_t BoostLimit(int32_t boostTiming);

// The largest x a press or a drag may reach: 100, or the boost limit.
int32_t MaxX(const CurveKind& kind, int32_t boostTiming);

// The curve RESET restores: (0,0) (100,100), and for the boost curve the bend
// (L,100) between them unless L is 100.
std::vector<GridPoint> DefaultCurve(const CurveKind& kind, int32_t boostTiming);

}  // namespace vuriru
