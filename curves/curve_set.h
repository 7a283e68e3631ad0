// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three curve editors' models, one per curve number, handed around as
// one object by the engine, the file codec and the pages.

#include "curves/boost_rpm_axis.h"
#include "curves/curve_block.h"
#include "curves/curve_model.h"
#include "settings/settings_block.h"

namespace vuriru {

struct CurveSet {
  // The boost curve reads its limit from the boost timing's current index;
  // `settings` must outlive the set.
  explicit CurveSet(const SettingsBlock& settings);
  explicit CurveSet(CurveModel::BoostTimingSource boostTiming);

  CurveModel& For(CurveNumber number);
  const CurveModel& For(CurveNumber number) const;

  CurveModel boost;
  CurveModel brake;
  CurveModel throttle;
  BoostRpmAxis boostRpm;
};

// The block of the editor of that curve number.
CurveBlock BuildCurveBlock(const CurveSet& curves, CurveNumber number);

}  // namespace vuriru
