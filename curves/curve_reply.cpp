// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/curve_reply.h"

#include <algorithm>
#include <span>

namespace vuriru {
namespace {

bool IsCurveNumber(CurveNumber number) {
  return number == CurveNumber::Boost || number == CurveNumber::Brake || number == CurveNumber::Throttle;
}

// The stored curve the reply would give, or false when it must be refused.
bool ReadReplyCurve(const uint8_t* reply, size_t length, StoredCurve& curve) {
  if (reply == nullptr || length < kCurveReplyLength) return false;
  const std::span<const uint8_t, kCurveValueCount> values(reply + 1, kCurveValueCount);
  const CurveCheckBytes check = ComputeCheckBytes(values);
  if (check.quotient != reply[1 + kCurveValueCount] || check.remainder != reply[2 + kCurveValueCount]) return false;
  std::copy_n(values.begin(), kSampleCount, curve.table.begin());
  std::copy_n(values.begin() + kSampleCount, kSampleCount, curve.x.begin());
  std::copy_n(values.begin() + 2 * kSampleCount, kSampleCount, curve.y.begin());
  // Matching check bytes only show the bytes arrived as sent; a curve the
  // editor could not have made (all zeros passes the check) must never be
  // taken, or it would go back to the controller on the next Apply.
  return IsPossibleCurve(curve);
}

}  // namespace

bool StoreCurveReply(CurveNumber number, const uint8_t* reply, size_t length, CurveSet& curves,
                     SettingsBlock& settings) {
  if (!IsCurveNumber(number)) return false;
  CurveModel& editor = curves.For(number);
  StoredCurve candidate = editor.Stored();
  const bool accepted = ReadReplyCurve(reply, length, candidate);
  if (accepted) {
    editor.ReplaceStoredCurve(candidate);
    int32_t& selection = settings.Current(editor.Kind().curveSetting);
    if (selection != 0) {
      selection = 1;
      editor.LoadStoredCurve();
    }
  }
  return accepted;
}

}  // namespace vuriru
