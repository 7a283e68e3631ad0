// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/replies.h"

#include <algorithm>

namespace vuriru::test {

StoredCurve SampleCurve(uint8_t lift) {
  StoredCurve curve;
  curve.x[0] = 0;
  curve.y[0] = 0;
  curve.x[1] = 50;
  curve.y[1] = lift;
  curve.x[2] = 100;
  curve.y[2] = 100;
  for (size_t i = 0; i < kSampleCount; ++i) {
    const size_t x = i * 100 / (kSampleCount - 1);
    curve.table[i] = static_cast<uint8_t>(x <= 50 ? x * lift / 50 : lift + (x - 50) * (100 - lift) / 50);
  }
  return curve;
}

std::vector<uint8_t> CurveReplyFor(const StoredCurve& curve) {
  const CurveBlock block = BuildCurveBlock(curve);
  std::vector<uint8_t> reply(1 + kCurveValueCount + 2);
  reply[0] = 0x80;
  std::copy(block.begin(), block.begin() + kCurveValueCount + 2, reply.begin() + 1);
  return reply;
}

std::vector<uint8_t> SettingsReply(uint8_t base) {
  std::vector<uint8_t> reply(35);
  for (size_t i = 0; i < reply.size(); ++i) reply[i] = static_cast<uint8_t>(base + (i % 2));
  reply[27] = 111;
  reply[28] = 45;
  reply[29] = 60;
  reply[30] = 30;
  return reply;
}

}  // namespace vuriru::test
