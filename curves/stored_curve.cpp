// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/stored_curve.h"

namespace vuriru {

bool IsPossibleCurve(const StoredCurve& curve) {
  if (curve.x[0] != 0 || curve.y[0] != 0) return false;
  for (size_t i = 0; i < kSampleCount; ++i) {
    if (curve.x[i] > 100 || curve.y[i] > 100) return false;
    if (i > 0 && curve.x[i] < curve.x[i - 1]) return false;
    if (curve.x[i] == 100 && curve.y[i] == 100) return true;
  }
  return false;
}

size_t StoredPointCount(const StoredCurve& curve) {
  size_t end = 0;
  while (end < kSampleCount && !(curve.x[end] == 100 && curve.y[end] == 100)) ++end;
  return end + 1;
}

std::vector<CurvePoint> StoredPoints(const StoredCurve& curve) {
  std::vector<CurvePoint> points;
  for (size_t i = 0; i < kSampleCount; ++i) {
    points.push_back({curve.x[i], curve.y[i]});
    if (curve.x[i] == 100 && curve.y[i] == 100) break;
  }
  return points;
}

const char* CurveName(CurveNumber number) {
  switch (number) {
    case CurveNumber::Boost:
      return "boost";
    case CurveNumber::Brake:
      return "brake";
    case CurveNumber::Throttle:
      break;
  }
  return "throttle";
}

}  // namespace vuriru
