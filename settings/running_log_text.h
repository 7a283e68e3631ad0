// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Data page's texts for the running log that the controller keeps.

#include <string>

#include "settings/settings_block.h"

namespace vuriru {

struct RunningLogTexts {
  std::string batteryMinVoltage;  // " 7.40V"
  std::string escMaxTemp;         // "65degree celsius"
  std::string motorMaxTemp;
  std::string motorMaxRpm;  // "25000rpm"
};

RunningLogTexts FormatRunningLog(const SettingsBlock& block);

}  // namespace vuriru
