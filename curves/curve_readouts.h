// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two readouts of a curve editor: how many points the curve has and where
// the selected point lies.

#include <cstdint>
#include <string>

#include "curves/curve_kind.h"

namespace vuriru {

// "total: %0.2d": at least two digits, zero padded.
std::string FormatCountReadout(uint32_t count);

// "x:%0.2d,y:%0.2d".
std::string FormatPointReadout(GridPoint point);

}  // namespace vuriru
