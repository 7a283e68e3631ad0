// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The V1 panel's own copy of a V1 controller's settings, apart from the full
// settings block: every setting is the index of its choice in the panel's
// drop-down list. Two layouts exist: the V1 layout (`CV1Dlg`, ten settings and
// an optional BEC setting) and the thirteen-setting layout (`CCnV1Dlg`).

#include <array>
#include <cstddef>
#include <cstdint>

namespace vuriru {

// V1 layout, in the order of the panel's captions; BEC last.
enum class V1Setting : uint8_t {
  CutOffVoltage,
  RunningMode,
  MotorTiming,
  InitialAcceleration,
  ThrottlePercentReverse,
  ThrottleLimit,
  PercentageBraking,
  PercentageDragBrake,
  MotorRotation,
  NeutralRange,
  Bec,
  Count
};
inline constexpr size_t kV1SettingCount = static_cast<size_t>(V1Setting::Count);

// Thirteen-setting layout, in the order of its numbered captions 1..13.
enum class CnV1Setting : uint8_t {
  CutOffVoltage,
  RunningMode,
  MotorTiming,
  InitialAcceleration,
  ThrottlePercentReverse,
  ThrottleLimit,
  PercentageBraking,
  PercentageDragBrake,
  MotorRotation,
  NeutralRange,
  TurboTiming,
  BoostStartRpm,
  TurboDelay,
  Count
};
inline constexpr size_t kCnV1SettingCount = static_cast<size_t>(CnV1Setting::Count);

// Values of the BEC-shown field: the BEC setting is read and sent only while
// the controller identified itself as one that has it.
inline constexpr int32_t kV1BecHidden = 10;
inline constexpr int32_t kV1BecShown = 11;

struct V1SettingsBlock {
  std::array<int32_t, kV1SettingCount> index{};
  int32_t becShown = kV1BecHidden;

  int32_t& operator[](V1Setting s) { return index[static_cast<size_t>(s)]; }
  int32_t operator[](V1Setting s) const { return index[static_cast<size_t>(s)]; }
  bool IsBecShown() const { return becShown == kV1BecShown; }
};

struct CnV1SettingsBlock {
  std::array<int32_t, kCnV1SettingCount> index{};

  int32_t& operator[](CnV1Setting s) { return index[static_cast<size_t>(s)]; }
  int32_t operator[](CnV1Setting s) const { return index[static_cast<size_t>(s)]; }
};

}  // namespace vuriru
