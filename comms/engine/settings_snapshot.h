// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a full controller held after the last completed read or store, as the
// program sees it: every current index and the three stored curves. Edits not
// yet applied are what differs from it.

#include <array>
#include <cstdint>

#include "curves/curve_set.h"
#include "settings/settings_block.h"

namespace vuriru {

struct SettingsSnapshot {
  std::array<int32_t, kSettingCount> current{};
  StoredCurve boost;
  StoredCurve brake;
  StoredCurve throttle;

  bool operator==(const SettingsSnapshot&) const = default;
};

inline SettingsSnapshot TakeSettingsSnapshot(const SettingsBlock& settings, const CurveSet& curves) {
  return {settings.current, curves.boost.Stored(), curves.brake.Stored(), curves.throttle.Stored()};
}

}  // namespace vuriru
