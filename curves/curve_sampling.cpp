// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/curve_sampling.h"

#include <algorithm>
#include <cmath>

namespace vuriru {

void SampleCurve(const CurveBytes& x, const CurveBytes& y, uint32_t count, CurveBytes& table) {
  // Only points in use are ever looked at, so a short curve never reads the
  // stale entries behind its last point.
  const size_t n = std::min<size_t>(count, kStoredCurveLength);
  size_t j = 0;
  size_t k = 0;
  while (k < kSampleCount && j < n) {
    const int32_t a = SampleInput(k);
    if (x[j] > a) {
      ++j;  // the curve starts to the right of this input
      continue;
    }
    if (x[j] == a) {
      table[k++] = y[j];
      continue;
    }
    if (j + 1 >= n) break;
    if (x[j + 1] < a) {
      ++j;
      continue;
    }
    if (x[j + 1] == a) {
      table[k++] = y[j + 1];
      continue;
    }
    // x[j] < a < x[j + 1]: interpolate in single precision, as the controller's
    // own tables were made, rounding half away from zero.
    const float slope = static_cast<float>(y[j + 1] - y[j]) / static_cast<float>(x[j + 1] - x[j]);
    const float rise = static_cast<float>(a - x[j]) * slope;
    table[k++] = static_cast<uint8_t>(y[j] + std::lround(rise));
  }
  if (k == kSampleCount) {
    table[kSampleCount - 1] = 100;
    table[0] = 0;
  }
}

}  // namespace vuriru
