// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/curve_kind.h"

#include <algorithm>

namespace vuriru {
namespace {

constexpr CurveKind kBoost{CurveNumber::Boost, Setting::BoostSlope, true, 0, true};
constexpr CurveKind kBrake{CurveNumber::Brake, Setting::BrakeCurve, false, 0, false};
constexpr CurveKind kThrottle{CurveNumber::Throttle, Setting::ThCurve, false, 1, false};

}  // namespace

const CurveKind& KindOf(CurveNumber number) {
  switch (number) {
    case CurveNumber::Boost:
      return kBoost;
    case CurveNumber::Brake:
      return kBrake;
    case CurveNumber::Throttle:
      break;
  }
  return kThrottle;
}

int32_t BoostLimit(int32_t boostTiming) {
  return std::clamp(boostTiming, 0, 64) * 100 / 64;
}

int32_t MaxX(const CurveKind& kind, int32_t boostTiming) {
  return kind.limitedByBoostTiming ? BoostLimit(boostTiming) : 100;
}

std::vector<GridPoint> DefaultCurve(const CurveKind& kind, int32_t boostTiming) {
  const int32_t limit = MaxX(kind, boostTiming);
  if (limit == 100) return {{0, 0}, {100, 100}};
  return {{0, 0}, {limit, 100}, {100, 100}};
}

}  // namespace vuriru
