// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/curve_readouts.h"

#include <cstdio>

namespace vuriru {

// The editor's readout controls hold at most 32 characters.
constexpr size_t kReadoutCapacity = 33;

// The texts read "total: %0.2d" and "x:%0.2d,y:%0.2d"; with a precision the 0
// flag has no effect, so "%.2d" prints the same and keeps -Wformat quiet.

std::string FormatCountReadout(uint32_t count) {
  char text[kReadoutCapacity];
  std::snprintf(text, sizeof text, "total: %.2d", static_cast<int>(count));
  return text;
}

std::string FormatPointReadout(GridPoint point) {
  char text[kReadoutCapacity];
  std::snprintf(text, sizeof text, "x:%.2d,y:%.2d", static_cast<int>(point.x), static_cast<int>(point.y));
  return text;
}

}  // namespace vuriru
