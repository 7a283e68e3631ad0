// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/import_base.h"

#include "settings/settings_table.h"

namespace vuriru::fuzz {
namespace {

StoredCurve MarkedCurve(uint8_t mark) {
  StoredCurve curve;
  curve.x[1] = 40;
  curve.y[1] = 70;
  curve.x[2] = 100;
  curve.y[2] = 100;
  curve.table.fill(mark);
  return curve;
}

}  // namespace

EscData ImportBase() {
  EscData base;
  LoadFactorySettings(base.settings);
  base.settings.Current(Setting::Profile) = 4;
  base.settings.Current(Setting::TurboK) = 21;
  base.settings.Current(Setting::TurboT) = 8;
  base.settings.Log(RunningLog::MotorMaxRpm) = 77;
  base.boostCurve = MarkedCurve(201);
  base.brakeCurve = MarkedCurve(202);
  base.throttleCurve = MarkedCurve(203);
  return base;
}

}  // namespace vuriru::fuzz
