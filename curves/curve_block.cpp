// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/curve_block.h"

#include <algorithm>

namespace vuriru {

CurveCheckBytes ComputeCheckBytes(std::span<const uint8_t, kCurveValueCount> values) {
  int32_t sum = 0;
  for (uint8_t v : values) sum += static_cast<int8_t>(v);
  return {static_cast<uint8_t>(sum / 100), static_cast<uint8_t>(sum % 100)};
}

CurveBlock BuildCurveBlock(const StoredCurve& curve) {
  CurveBlock block{};
  auto out = std::copy_n(curve.table.begin(), kSampleCount, block.begin());
  out = std::copy_n(curve.x.begin(), kSampleCount, out);
  out = std::copy_n(curve.y.begin(), kSampleCount, out);
  const CurveCheckBytes check =
      ComputeCheckBytes(std::span<const uint8_t, kCurveValueCount>(block.data(), kCurveValueCount));
  *out++ = check.quotient;
  *out++ = check.remainder;
  std::fill(out, block.end(), uint8_t{1});
  return block;
}

}  // namespace vuriru
