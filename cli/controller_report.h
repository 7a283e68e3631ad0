// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What `read` and `show` print: the settings by page and caption with their
// option texts, the running log as the Data page shows it, and the three
// curves' points and sampled tables; for a V1 controller its panel's
// settings. As plain text or as JSON.

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "curves/stored_curve.h"
#include "settings/settings_block.h"
#include "v1/v1_settings_block.h"

namespace vuriru {

struct ControllerReport {
  std::optional<std::string> adapter;   // connect version text, when a device was read
  std::optional<std::string> kind;      // "full", "lcd", "v1", ...
  std::optional<std::string> software;  // software version text
  // A full controller's settings and running log, or nothing.
  const SettingsBlock* settings = nullptr;
  const StoredCurve* boost = nullptr;
  const StoredCurve* brake = nullptr;
  const StoredCurve* throttle = nullptr;
  // A V1 controller's settings, or nothing.
  const V1SettingsBlock* v1Settings = nullptr;
};

// One "Page/CAPTION" key per setting that the settings file carries, in the
// pages' order. The page-only PROFILE, TURBO K and TURBO T are left out.
struct ReportedSetting {
  std::string key;
  Setting setting;
  const std::vector<std::string>* options;
};
const std::vector<ReportedSetting>& ReportedSettings();

// The option text an index shows as: out-of-list indexes show the nearest
// end of the list, as a page shows them after its refresh.
std::string OptionText(const std::vector<std::string>& options, int32_t index);

// The points of a stored curve: up to and including the first (100,100)
// among the first 40 entries (all 40 when there is none).
std::vector<std::pair<int, int>> CurvePoints(const StoredCurve& curve);

std::string ReportText(const ControllerReport& report);
nlohmann::ordered_json ReportJson(const ControllerReport& report);

}  // namespace vuriru
