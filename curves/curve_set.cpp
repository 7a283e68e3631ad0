// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/curve_set.h"

#include <utility>

namespace vuriru {

CurveSet::CurveSet(const SettingsBlock& settings)
    : CurveSet([&settings] { return settings.Current(Setting::BoostTiming); }) {}

CurveSet::CurveSet(CurveModel::BoostTimingSource boostTiming)
    : boost(CurveNumber::Boost, std::move(boostTiming)), brake(CurveNumber::Brake), throttle(CurveNumber::Throttle) {}

namespace {

template <class Set>
auto& Pick(Set& set, CurveNumber number) {
  switch (number) {
    case CurveNumber::Boost:
      return set.boost;
    case CurveNumber::Brake:
      return set.brake;
    case CurveNumber::Throttle:
      break;
  }
  return set.throttle;
}

}  // namespace

CurveModel& CurveSet::For(CurveNumber number) {
  return Pick(*this, number);
}

const CurveModel& CurveSet::For(CurveNumber number) const {
  return Pick(*this, number);
}

CurveBlock BuildCurveBlock(const CurveSet& curves, CurveNumber number) {
  return BuildCurveBlock(curves.For(number).Stored());
}

}  // namespace vuriru
