// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's copy of a full controller's settings: 31 settings that travel
// in the settings reply and the settings frame, the four page-only settings,
// and the four running-log values. Every setting is held as the index of its
// chosen option; the pages, the engine and the settings file all read and
// write the same indexes.

#include <array>
#include <cstdint>
#include <span>

namespace vuriru {

enum class Setting : uint8_t {
  // In the block, in the order of their reply bytes 0..26 and 31..34.
  RunMode,
  DBrakeRate,
  VoltageCutoff,
  EscHeatProtect,
  MoterRotation,
  ThrottleSwitchPoint,
  PunchRate1,
  PunchRate2,
  ThCurve,
  DragBrake,
  BrakeStrength,
  InitialBrake,
  BrakeSwitchPoint,
  BrakeRate1,
  BrakeRate2,
  BrakeCurve,
  BoostTiming,
  BoostStartRpm,
  BoostEndRpm,
  BoostSlope,
  StablityAssist,
  TurboTiming,
  ActivationMethod,
  TurboDelay,
  TurboStartRpm,
  TurboSlopeOn,
  TurboSlopeOff,
  RaceMode,
  DeadBand,
  BecOutput,
  RpmLock,
  // Held by the pages only; never on the wire.
  Profile,
  ThReverseSpd,
  TurboK,
  TurboT,
  Count
};

inline constexpr size_t kSettingCount = static_cast<size_t>(Setting::Count);
inline constexpr size_t kBlockSettingCount = 31;

enum class RunningLog : uint8_t { BatteryMinVoltage, EscMaxTemp, MotorMaxTemp, MotorMaxRpm, Count };
inline constexpr size_t kRunningLogCount = static_cast<size_t>(RunningLog::Count);

struct SettingsBlock {
  std::array<int32_t, kSettingCount> current{};
  std::array<int32_t, kSettingCount> factory{};
  std::array<uint32_t, kRunningLogCount> runningLog{};

  int32_t& Current(Setting s) { return current[static_cast<size_t>(s)]; }
  int32_t Current(Setting s) const { return current[static_cast<size_t>(s)]; }
  int32_t& Factory(Setting s) { return factory[static_cast<size_t>(s)]; }
  int32_t Factory(Setting s) const { return factory[static_cast<size_t>(s)]; }
  uint32_t& Log(RunningLog v) { return runningLog[static_cast<size_t>(v)]; }
  uint32_t Log(RunningLog v) const { return runningLog[static_cast<size_t>(v)]; }
};

}  // namespace vuriru
