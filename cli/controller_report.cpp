// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/controller_report.h"

#include <algorithm>
#include <sstream>

#include "cli/page_actions.h"
#include "settings/running_log_text.h"
#include "settings/settings_pages.h"
#include "settings/settings_table.h"
#include "v1/v1_settings_table.h"

namespace vuriru {

namespace {

bool IsPageOnly(Setting s) {
  return s == Setting::Profile || s == Setting::TurboK || s == Setting::TurboT;
}

struct CurveEntry {
  const char* name;
  const StoredCurve* curve;
};

// Throttle, brake, boost: the order the report lists them in.
std::vector<CurveEntry> Curves(const ControllerReport& report) {
  return {{"throttle", report.throttle}, {"brake", report.brake}, {"boost", report.boost}};
}

void AddCurveText(std::ostringstream& out, const CurveEntry& entry) {
  if (!entry.curve) return;
  out << "Curve " << entry.name << ": points";
  for (auto [x, y] : CurvePoints(*entry.curve)) out << " (" << x << "," << y << ")";
  out << "\nCurve " << entry.name << ": table";
  for (size_t i = 0; i < kSampleCount; ++i) out << " " << static_cast<int>(entry.curve->table[i]);
  out << "\n";
}

nlohmann::ordered_json CurveJson(const StoredCurve& curve) {
  nlohmann::ordered_json points = nlohmann::ordered_json::array();
  for (auto [x, y] : CurvePoints(curve)) points.push_back({x, y});
  nlohmann::ordered_json table = nlohmann::ordered_json::array();
  for (size_t i = 0; i < kSampleCount; ++i) table.push_back(curve.table[i]);
  return {{"points", points}, {"table", table}};
}

std::string RunningLogText(const RunningLogTexts& texts, RunningLog value) {
  switch (value) {
    case RunningLog::BatteryMinVoltage:
      return texts.batteryMinVoltage;
    case RunningLog::EscMaxTemp:
      return texts.escMaxTemp;
    case RunningLog::MotorMaxTemp:
      return texts.motorMaxTemp;
    default:
      return texts.motorMaxRpm;
  }
}

// The V1 rows the controller carries: BEC only while it is shown.
template <typename Fn>
void ForEachV1Row(const V1SettingsBlock& block, Fn fn) {
  for (const auto& row : V1SettingsTable()) {
    if (row.setting == V1Setting::Bec && !block.IsBecShown()) continue;
    fn("V1/" + row.caption, row.options, block[row.setting]);
  }
}

nlohmann::ordered_json OptionalText(const std::optional<std::string>& text) {
  return text ? nlohmann::ordered_json(*text) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json SettingJson(const std::vector<std::string>& options, int32_t index) {
  return {{"index", index}, {"text", OptionText(options, index)}};
}

}  // namespace

const std::vector<ReportedSetting>& ReportedSettings() {
  static const std::vector<ReportedSetting> rows = [] {
    std::vector<ReportedSetting> result;
    for (const PageTable* table : AllPageTables()) {
      for (const PageSettingRow& row : table->rows) {
        if (IsPageOnly(row.setting)) continue;
        result.push_back({table->title + "/" + SettingRowFor(row.setting).caption, row.setting, &row.options});
      }
    }
    return result;
  }();
  return rows;
}

std::string OptionText(const std::vector<std::string>& options, int32_t index) {
  if (options.empty()) return "";
  const auto last = static_cast<int32_t>(options.size()) - 1;
  return options[static_cast<size_t>(std::clamp(index, 0, last))];
}

std::vector<std::pair<int, int>> CurvePoints(const StoredCurve& curve) {
  std::vector<std::pair<int, int>> points;
  for (size_t i = 0; i < kSampleCount; ++i) {
    points.emplace_back(curve.x[i], curve.y[i]);
    if (curve.x[i] == 100 && curve.y[i] == 100) break;
  }
  return points;
}

std::string ReportText(const ControllerReport& report) {
  std::ostringstream out;
  if (report.adapter) out << "Adapter: " << *report.adapter << "\n";
  if (report.kind) out << "Controller: " << *report.kind << "\n";
  if (report.software) out << "Software: " << *report.software << "\n";
  if (report.settings) {
    for (const ReportedSetting& row : ReportedSettings()) {
      const int32_t index = report.settings->Current(row.setting);
      out << row.key << " = " << OptionText(*row.options, index) << " (index " << index << ")\n";
    }
    const RunningLogTexts texts = FormatRunningLog(*report.settings);
    for (const RunningLogRow& row : RunningLogTable()) {
      out << "Data/" << row.caption << " = " << RunningLogText(texts, row.value) << "\n";
    }
  }
  if (report.v1Settings) {
    ForEachV1Row(*report.v1Settings, [&](const std::string& key, const auto& options, int32_t index) {
      out << key << " = " << OptionText(options, index) << " (index " << index << ")\n";
    });
  }
  for (const CurveEntry& entry : Curves(report)) AddCurveText(out, entry);
  return out.str();
}

nlohmann::ordered_json ReportJson(const ControllerReport& report) {
  nlohmann::ordered_json json;
  json["adapter"] = OptionalText(report.adapter);
  json["controller"] = {{"kind", OptionalText(report.kind)}, {"software", OptionalText(report.software)}};
  if (report.settings) {
    nlohmann::ordered_json settings = nlohmann::ordered_json::object();
    for (const ReportedSetting& row : ReportedSettings()) {
      settings[row.key] = SettingJson(*row.options, report.settings->Current(row.setting));
    }
    json["settings"] = settings;
    const SettingsBlock& s = *report.settings;
    json["running_log"] = {{"battery_min_voltage", s.Log(RunningLog::BatteryMinVoltage)},
                           {"esc_max_temp", s.Log(RunningLog::EscMaxTemp)},
                           {"motor_max_temp", s.Log(RunningLog::MotorMaxTemp)},
                           {"motor_max_rpm", s.Log(RunningLog::MotorMaxRpm)}};
  }
  if (report.v1Settings) {
    nlohmann::ordered_json settings = nlohmann::ordered_json::object();
    ForEachV1Row(*report.v1Settings, [&](const std::string& key, const auto& options, int32_t index) {
      settings[key] = SettingJson(options, index);
    });
    json["settings"] = settings;
  }
  nlohmann::ordered_json curves = nlohmann::ordered_json::object();
  for (const CurveEntry& entry : Curves(report)) {
    if (entry.curve) curves[entry.name] = CurveJson(*entry.curve);
  }
  if (!curves.empty()) json["curves"] = curves;
  return json;
}

}  // namespace vuriru
