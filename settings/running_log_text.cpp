// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/running_log_text.h"

#include <cstdio>

namespace vuriru {

namespace {
std::string Format(const char* format, auto value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}
}  // namespace

RunningLogTexts FormatRunningLog(const SettingsBlock& block) {
  RunningLogTexts texts;
  const float volts = static_cast<float>(block.Log(RunningLog::BatteryMinVoltage)) / 10.0f;
  texts.batteryMinVoltage = Format("%5.2f", static_cast<double>(volts)) + "V";
  texts.escMaxTemp = Format("%01u", block.Log(RunningLog::EscMaxTemp)) + "degree celsius";
  texts.motorMaxTemp = Format("%01u", block.Log(RunningLog::MotorMaxTemp)) + "degree celsius";
  // The rpm is stored in thousands; 64-bit so that a large imported value cannot overflow.
  texts.motorMaxRpm =
      Format("%01llu", static_cast<unsigned long long>(block.Log(RunningLog::MotorMaxRpm)) * 1000ull) + "rpm";
  return texts;
}

}  // namespace vuriru
