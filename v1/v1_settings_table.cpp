// SPDX-License-Identifier: GPL-3.0-or-later
#include "v1/v1_settings_table.h"

#include "common/user_text.h"

namespace vuriru {
namespace {

using Options = std::vector<std::string>;

const Options kCutOffOptions = {VURIRU_TEXT("Settings", "2.6V/Cell"),    VURIRU_TEXT("Settings", "2.8V/Cell"),
                                VURIRU_TEXT("Settings", "3.0V/Cell(*)"), VURIRU_TEXT("Settings", "3.2V/Cell"),
                                VURIRU_TEXT("Settings", "3.4V/Cell"),    VURIRU_TEXT("Settings", "NOCut-Off")};
const Options kMotorTimingOptions = {VURIRU_TEXT("Settings", "Very Low"), VURIRU_TEXT("Settings", "Low"),
                                     VURIRU_TEXT("Settings", "Normal(*)"), VURIRU_TEXT("Settings", "High"),
                                     VURIRU_TEXT("Settings", "Very High")};
const Options kInitialAccelerationOptions = {VURIRU_TEXT("Settings", "Very Soft"), VURIRU_TEXT("Settings", "Soft"),
                                             VURIRU_TEXT("Settings", "High(*)"), VURIRU_TEXT("Settings", "Very High")};
const Options kThrottlePercentReverseOptions = {"20%", "30%", "40%", "50%", "60%(*)", "70%", "80%", "90%", "100%"};
const Options kThrottleLimitOptions = {"0%(*)", "20%", "30%", "40%", "50%", "60%", "70%", "80%", "90%"};
const Options kPercentageBrakingOptions = {"10%", "20%", "30%", "40%", "50%(*)", "60%", "70%", "80%", "100%"};
const Options kPercentageDragBrakeOptions = {"0%(*)", "4%", "8%", "12%", "15%", "20%", "25%", "30%"};
const Options kMotorRotationOptions = {VURIRU_TEXT("Settings", "Normal(*)"), VURIRU_TEXT("Settings", "Reverse")};
const Options kNeutralRangeOptions = {"2%", "3%", "4%(*)", "5%", "6%", "10%"};

}  // namespace

const std::vector<V1SettingRow<V1Setting>>& V1SettingsTable() {
  using S = V1Setting;
  static const std::vector<V1SettingRow<V1Setting>> table = {
      {S::CutOffVoltage, VURIRU_TEXT("Settings", "Cut-off Voltage"), 1145, kCutOffOptions, 2, 0, 0xEC},
      {S::RunningMode,
       VURIRU_TEXT("Settings", "Running Mode"),
       1158,
       {VURIRU_TEXT("Settings", "Forward w/o Reverse"), VURIRU_TEXT("Settings", "Forward with pause then Reverse(*)"),
        VURIRU_TEXT("Settings", "Forward/Reverse")},
       1,
       2,
       0xE2},
      {S::MotorTiming, VURIRU_TEXT("Settings", "Motor Timing"), 1201, kMotorTimingOptions, 2, 5, 0xE5},
      {S::InitialAcceleration, VURIRU_TEXT("Settings", "Initial Acceleration"), 1138, kInitialAccelerationOptions, 2, 6,
       0xE6},
      {S::ThrottlePercentReverse, VURIRU_TEXT("Settings", "Throttle Percent Reverse"), 1159,
       kThrottlePercentReverseOptions, 4, 8, 0xE8},
      {S::ThrottleLimit, VURIRU_TEXT("Settings", "Throttle Limit"), 1210, kThrottleLimitOptions, 0, 7, 0xE7},
      {S::PercentageBraking, VURIRU_TEXT("Settings", "Percentage Braking"), 1143, kPercentageBrakingOptions, 4, 3,
       0xE3},
      {S::PercentageDragBrake, VURIRU_TEXT("Settings", "Percentage Drag Brake"), 1144, kPercentageDragBrakeOptions, 0,
       4, 0xE4},
      {S::MotorRotation, VURIRU_TEXT("Settings", "Motor Rotation"), 1140, kMotorRotationOptions, 0, 11, 0xEB},
      {S::NeutralRange, VURIRU_TEXT("Settings", "Neutral range"), 1141, kNeutralRangeOptions, 2, 10, 0xEA},
      {S::Bec, VURIRU_TEXT("Settings", "BEC"), 1147, {"6.0V(*)", "8.4V"}, 0, 14, 0xA1},
  };
  return table;
}

const std::vector<V1HiddenList>& V1HiddenLists() {
  static const std::vector<V1HiddenList> lists = {
      {VURIRU_TEXT("Settings", "Turbo Timing"),
       1146,
       {VURIRU_TEXT("Settings", "OFF"), "1", "2", "3", "4", "5", "6", "7", "8"}},
      {VURIRU_TEXT("Settings", "Boost Start RPM"),
       1139,
       {"3000", "4500", "6000", "7500", "9000", "10500", "12000", "13500", "15000"}},
      {VURIRU_TEXT("Settings", "Turbo Delay"),
       1142,
       {"0.0s", "0.1s", "0.2s", "0.3s", "0.4s", "0.5s", "0.6s", "0.7s", "0.8s"}},
  };
  return lists;
}

// The factory indexes of this layout are its own and do not all sit on the
// "(*)" marks of the lists it shares with the V1 layout (Cut-off Voltage,
// Running Mode, Throttle Percent Reverse); the indexes are what the panel
// restores.
const std::vector<V1SettingRow<CnV1Setting>>& CnV1SettingsTable() {
  using S = CnV1Setting;
  static const std::vector<V1SettingRow<CnV1Setting>> table = {
      {S::CutOffVoltage, VURIRU_TEXT("Settings", "1.Cut-off Voltage"), 1145, kCutOffOptions, 5, 0, 0xEC},
      {S::RunningMode,
       VURIRU_TEXT("Settings", "2.Running Mode"),
       1158,
       {VURIRU_TEXT("Settings", "Forward w/o Reverse"), VURIRU_TEXT("Settings", "Forward with pause then Reverse"),
        VURIRU_TEXT("Settings", "Forward(*)/Reverse")},
       1,
       2,
       0xE2},
      {S::MotorTiming, VURIRU_TEXT("Settings", "3.Motor Timing"), 1201, kMotorTimingOptions, 2, 5, 0xE5},
      {S::InitialAcceleration, VURIRU_TEXT("Settings", "4.Initial Acceleration"), 1138, kInitialAccelerationOptions, 2,
       6, 0xE6},
      {S::ThrottlePercentReverse, VURIRU_TEXT("Settings", "5.Throttle Percent Reverse"), 1159,
       kThrottlePercentReverseOptions, 3, 8, 0xE8},
      {S::ThrottleLimit, VURIRU_TEXT("Settings", "6.Throttle Limit"), 1210, kThrottleLimitOptions, 0, 7, 0xE7},
      {S::PercentageBraking, VURIRU_TEXT("Settings", "7.Percentage Braking"), 1143, kPercentageBrakingOptions, 4, 3,
       0xE3},
      {S::PercentageDragBrake, VURIRU_TEXT("Settings", "8.Percentage Drag Brake"), 1144, kPercentageDragBrakeOptions, 0,
       4, 0xE4},
      {S::MotorRotation, VURIRU_TEXT("Settings", "9.Motor Rotation"), 1140, kMotorRotationOptions, 0, 11, 0xEB},
      {S::NeutralRange, VURIRU_TEXT("Settings", "10.Neutral range"), 1141, kNeutralRangeOptions, 2, 10, 0xEA},
      {S::TurboTiming,
       VURIRU_TEXT("Settings", "11.Turbo Timing"),
       1146,
       {VURIRU_TEXT("Settings", "OFF(*)"), "1", "2", "3", "4", "5", "6", "7", "8"},
       0,
       14,
       0xA1},
      {S::BoostStartRpm,
       VURIRU_TEXT("Settings", "12.Boost Start RPM"),
       1219,
       {"3000(*)", "4500", "6000", "7500", "9000", "10500", "12000", "13500", "15000"},
       0,
       13,
       0xA3},
      {S::TurboDelay,
       VURIRU_TEXT("Settings", "13.Turbo Delay"),
       1221,
       {"0.0s(*)", "0.1s", "0.2s", "0.3s", "0.4s", "0.5s", "0.6s", "0.7s", "0.8s"},
       0,
       15,
       0xA2},
  };
  return table;
}

V1SettingsBlock V1FactoryBlock(int32_t becShown) {
  V1SettingsBlock block;
  for (const auto& row : V1SettingsTable()) block[row.setting] = row.factoryIndex;
  block.becShown = becShown;
  return block;
}

CnV1SettingsBlock CnV1FactoryBlock() {
  CnV1SettingsBlock block;
  for (const auto& row : CnV1SettingsTable()) block[row.setting] = row.factoryIndex;
  return block;
}

}  // namespace vuriru
