// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A settings file's worth of data with every field distinct, for the file tests.

#include "files/data_file_codec.h"
#include "settings/settings_table.h"

namespace vuriru::testing {

// A possible curve through (0,0), the given middle point and (100,100).
inline StoredCurve ThreePointCurve(uint8_t midX, uint8_t midY) {
  StoredCurve curve;
  curve.x[1] = midX;
  curve.y[1] = midY;
  curve.x[2] = 100;
  curve.y[2] = 100;
  for (size_t k = 0; k < kSampleCount; ++k) curve.table[k] = static_cast<uint8_t>(k * 2 + 1);
  return curve;
}

inline EscData SampleEscData() {
  EscData data;
  LoadFactorySettings(data.settings);
  data.settings.Current(Setting::RunMode) = 2;
  data.settings.Current(Setting::ThReverseSpd) = 3;
  data.settings.Current(Setting::VoltageCutoff) = 72;
  data.settings.Current(Setting::DBrakeRate) = 55;
  data.settings.Current(Setting::RpmLock) = 49;
  data.settings.Current(Setting::BecOutput) = 1;
  data.settings.Current(Setting::Profile) = 4;
  data.settings.Current(Setting::TurboK) = 21;
  data.settings.Current(Setting::TurboT) = 8;
  data.settings.Log(RunningLog::BatteryMinVoltage) = 74;
  data.settings.Log(RunningLog::EscMaxTemp) = 65;
  data.settings.Log(RunningLog::MotorMaxTemp) = 81;
  data.settings.Log(RunningLog::MotorMaxRpm) = 300;
  data.boostCurve = ThreePointCurve(30, 60);
  data.brakeCurve = ThreePointCurve(50, 20);
  data.throttleCurve = ThreePointCurve(50, 80);
  return data;
}

}  // namespace vuriru::testing
