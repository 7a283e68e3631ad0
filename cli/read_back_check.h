// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// After a store the controller is read again and compared with what was
// sent: the settings that travel in the settings frame, the three curves'
// 120 values each, or the V1 settings that travel in the V1 frame. Each
// difference is named so that the user learns what did not stick.

#include <string>
#include <vector>

#include "curves/stored_curve.h"
#include "settings/settings_block.h"
#include "v1/v1_settings_block.h"

namespace vuriru {

struct SentCurves {
  StoredCurve boost;
  StoredCurve brake;
  StoredCurve throttle;
};

// "General/RUN MODE (sent 1, read back 0)", one entry per setting.
std::vector<std::string> SettingsDifferences(const SettingsBlock& sent, const SettingsBlock& readBack);

// "boost curve", one entry per curve whose points or table differ.
std::vector<std::string> CurveDifferences(const SentCurves& sent, const SentCurves& readBack);

// "V1/Motor Timing (sent 2, read back 3)"; BEC only while it is shown.
std::vector<std::string> V1Differences(const V1SettingsBlock& sent, const V1SettingsBlock& readBack);

// The differences as one line: the first few named, then how many more.
std::string DescribeDifferences(const std::vector<std::string>& differences);

}  // namespace vuriru
