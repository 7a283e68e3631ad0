// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The limits the charts draw as dashed lines: the VOLTAGE CUTOFF and the
// ESC HEAT PROTECT read with the newest entry, in volts and degrees, taken
// from the options the General page lists. "Disable", "Auto" and an index
// outside the list give no line.

#include <cstdint>
#include <optional>
#include <string>

#include "settings/settings_block.h"

namespace vuriru {

struct LimitValue {
  double value = 0;
  std::string label;  // "VOLTAGE CUTOFF 6.2v", "ESC HEAT PROTECT 105 degree Celsius"
  // The label's two English source texts, which the window shows in its
  // language without the option's "(*)": the setting's caption and the
  // option as the page lists it.
  std::string caption;
  std::string option;
};

// The number an option's text starts with ("6.2v" is 6.2, "105 degree
// Celsius(*)" is 105), or nothing for an option without one.
std::optional<double> OptionNumber(const std::string& text);

// The limit that `setting`'s option `index` stands for.
std::optional<LimitValue> LimitOfOption(Setting setting, int32_t index);

}  // namespace vuriru
