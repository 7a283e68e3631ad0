// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_table.h"

#include <array>

#include "common/state_values.h"
#include "common/user_text.h"

namespace vuriru {

namespace {

using S = Setting;
constexpr int kNo = kNotCarried;

// Reply bytes follow the controller's reply order; frame slots and file
// offsets follow their own fixed orders, which differ from it.
constexpr std::array<SettingRow, kSettingCount> kSettingRows{{
    // setting, caption, page, reply byte, frame slot, frame tag, file offset, factory
    {S::RunMode, VURIRU_TEXT("Settings", "RUN MODE"), page::kGeneral, 0, 0, 0xA4, 16, 0},
    {S::DBrakeRate, VURIRU_TEXT("Settings", "D.Brake Rate"), page::kBrake, 1, 28, 0xE8, 46, 10},
    {S::VoltageCutoff, VURIRU_TEXT("Settings", "VOLTAGE CUTOFF"), page::kGeneral, 2, 1, 0xEC, 18, 1},
    {S::EscHeatProtect, VURIRU_TEXT("Settings", "ESC HEAT PROTECT"), page::kGeneral, 3, 2, 0xEF, 19, 1},
    {S::MoterRotation, VURIRU_TEXT("Settings", "Moter Rotation"), page::kGeneral, 4, 3, 0xE7, 20, 0},
    {S::ThrottleSwitchPoint, VURIRU_TEXT("Settings", "SWITCHPOINT"), page::kThrottle, 5, 4, 0xEA, 21, 3},
    {S::PunchRate1, VURIRU_TEXT("Settings", "PUNCH RATE1"), page::kThrottle, 6, 5, 0xE6, 22, 14},
    {S::PunchRate2, VURIRU_TEXT("Settings", "PUNCH RATE2"), page::kThrottle, 7, 6, 0xEB, 23, 14},
    {S::ThCurve, VURIRU_TEXT("Settings", "THCURVE"), page::kThrottle, 8, 7, 0xE9, 24, 0},
    {S::DragBrake, VURIRU_TEXT("Settings", "DRAG BRAKE"), page::kBrake, 9, 8, 0xE4, 25, 10},
    {S::BrakeStrength, VURIRU_TEXT("Settings", "BRAKE STRENGTH"), page::kBrake, 10, 9, 0xE3, 26, 6},
    {S::InitialBrake, VURIRU_TEXT("Settings", "INITIAL BRAKE"), page::kBrake, 11, 10, 0xED, 27, 9},
    {S::BrakeSwitchPoint, VURIRU_TEXT("Settings", "SWITCH POINT"), page::kBrake, 12, 11, 0xEE, 28, 4},
    {S::BrakeRate1, VURIRU_TEXT("Settings", "BRAKE RATE1"), page::kBrake, 13, 12, 0xA6, 29, 4},
    {S::BrakeRate2, VURIRU_TEXT("Settings", "BRAKE RATE2"), page::kBrake, 14, 13, 0xA7, 30, 4},
    {S::BrakeCurve, VURIRU_TEXT("Settings", "BRAKE CURVE"), page::kBrake, 15, 14, 0xE1, 31, 0},
    {S::BoostTiming, VURIRU_TEXT("Settings", "BOOST TIMING"), page::kBoost, 16, 15, 0xE5, 32, 0},
    {S::BoostStartRpm, VURIRU_TEXT("Settings", "START RPM"), page::kBoost, 17, 16, 0xA3, 33, 0},
    {S::BoostEndRpm, VURIRU_TEXT("Settings", "END RPM"), page::kBoost, 18, 17, 0xA8, 34, 0},
    {S::BoostSlope, VURIRU_TEXT("Settings", "SLOPE"), page::kBoost, 19, 18, 0xA9, 35, 0},
    {S::StablityAssist, VURIRU_TEXT("Settings", "STABLITY ASSIST"), page::kBoost, 20, 19, 0xAA, 36, 0},
    {S::TurboTiming, VURIRU_TEXT("Settings", "TURBO TIMING"), page::kTurbo, 21, 20, 0xA1, 37, 0},
    {S::ActivationMethod, VURIRU_TEXT("Settings", "ACTIVATION METHOD"), page::kTurbo, 22, 21, 0xAB, 38, 0},
    {S::TurboDelay, VURIRU_TEXT("Settings", "TURBO DELAY"), page::kTurbo, 23, 22, 0xA2, 39, 6},
    {S::TurboStartRpm, VURIRU_TEXT("Settings", "START RPM"), page::kTurbo, 24, 23, 0xAC, 40, 12},
    {S::TurboSlopeOn, VURIRU_TEXT("Settings", "TURBO SLOPE \"ON\""), page::kTurbo, 25, 24, 0xAD, 41, 4},
    {S::TurboSlopeOff, VURIRU_TEXT("Settings", "TURBO SLOPE \"OFF\""), page::kTurbo, 26, 25, 0xA5, 42, 5},
    {S::RaceMode, VURIRU_TEXT("Settings", "RACE MODE"), page::kGeneral, 31, 26, 0xE0, 43, 0},
    {S::DeadBand, VURIRU_TEXT("Settings", "DEAD BAND"), page::kGeneral, 32, 27, 0xE2, 44, 0},
    {S::BecOutput, VURIRU_TEXT("Settings", "BEC Output"), page::kGeneral, 33, 30, 0xAE, 45, 0},
    {S::RpmLock, VURIRU_TEXT("Settings", "RPM Lock"), page::kThrottle, 34, 29, 0xA0, 47, 99},
    // Held by the pages only. THREVERSE SPD still travels in the settings file.
    {S::Profile, VURIRU_TEXT("Settings", "PROFILE"), page::kGeneral, kNo, kNo, kNo, kNo, 0},
    {S::ThReverseSpd, VURIRU_TEXT("Settings", "THREVERSE SPD"), page::kThrottle, kNo, kNo, kNo, 17, 0},
    {S::TurboK, VURIRU_TEXT("Settings", "TURBO K"), page::kTurbo, kNo, kNo, kNo, kNo, 0},
    {S::TurboT, VURIRU_TEXT("Settings", "TURBO T"), page::kTurbo, kNo, kNo, kNo, kNo, 0},
}};

constexpr std::array<RunningLogRow, kRunningLogCount> kRunningLogRows{{
    {RunningLog::BatteryMinVoltage, VURIRU_TEXT("Settings", "BATT MIN VOLTAGE"), 27, 48, 1, -1, "V"},
    {RunningLog::EscMaxTemp, VURIRU_TEXT("Settings", "ESC MAX TEMP"), 28, 49, 1, 0, "\u00B0C"},
    {RunningLog::MotorMaxTemp, VURIRU_TEXT("Settings", "MOT MAX TEMP"), 29, 50, 1, 0, "\u00B0C"},
    {RunningLog::MotorMaxRpm, VURIRU_TEXT("Settings", "MOT MAX RPM"), 30, 51, 2, 3, "rpm"},
}};

// Every row sits at the position of its enum value, so lookups are indexes.
constexpr bool RowsInEnumOrder() {
  for (size_t i = 0; i < kSettingRows.size(); ++i) {
    if (static_cast<size_t>(kSettingRows[i].setting) != i) return false;
  }
  for (size_t i = 0; i < kRunningLogRows.size(); ++i) {
    if (static_cast<size_t>(kRunningLogRows[i].value) != i) return false;
  }
  return true;
}
static_assert(RowsInEnumOrder());

}  // namespace

std::span<const SettingRow> SettingsTable() {
  return kSettingRows;
}

const SettingRow& SettingRowFor(Setting setting) {
  return kSettingRows[static_cast<size_t>(setting)];
}

std::span<const RunningLogRow> RunningLogTable() {
  return kRunningLogRows;
}

const RunningLogRow& RunningLogRowFor(RunningLog value) {
  return kRunningLogRows[static_cast<size_t>(value)];
}

double RunningLogInUnits(RunningLog value, uint32_t stored) {
  double scale = 1.0;
  const int power = RunningLogRowFor(value).unitPower;
  for (int i = 0; i < (power < 0 ? -power : power); ++i) scale *= 10.0;
  return power < 0 ? stored / scale : stored * scale;
}

void LoadFactorySettings(SettingsBlock& block) {
  for (const SettingRow& row : kSettingRows) {
    block.Factory(row.setting) = row.factoryIndex;
    block.Current(row.setting) = row.factoryIndex;
  }
}

}  // namespace vuriru
