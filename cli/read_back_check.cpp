// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/read_back_check.h"

#include <algorithm>

#include "cli/controller_report.h"
#include "settings/settings_table.h"
#include "v1/v1_settings_table.h"

namespace vuriru {

namespace {

constexpr size_t kNamedDifferences = 4;

std::string Difference(const std::string& name, int32_t sent, int32_t readBack) {
  return name + " (sent " + std::to_string(sent) + ", read back " + std::to_string(readBack) + ")";
}

std::string SettingName(Setting setting) {
  for (const ReportedSetting& row : ReportedSettings()) {
    if (row.setting == setting) return row.key;
  }
  return SettingRowFor(setting).caption;
}

// The values a curve block carries: the first 40 of table, x and y.
bool SameCurve(const StoredCurve& a, const StoredCurve& b) {
  const auto head = [](const auto& array) { return std::span(array.data(), kSampleCount); };
  return std::ranges::equal(head(a.table), head(b.table)) && std::ranges::equal(head(a.x), head(b.x)) &&
         std::ranges::equal(head(a.y), head(b.y));
}

}  // namespace

std::vector<std::string> SettingsDifferences(const SettingsBlock& sent, const SettingsBlock& readBack) {
  std::vector<std::string> differences;
  for (const SettingRow& row : SettingsTable()) {
    if (row.frameSlot == kNotCarried) continue;
    // The frame carries the low byte of each index.
    const int32_t sentByte = sent.Current(row.setting) & 0xFF;
    const int32_t heldByte = readBack.Current(row.setting);
    if (sentByte != heldByte) differences.push_back(Difference(SettingName(row.setting), sentByte, heldByte));
  }
  return differences;
}

std::vector<std::string> CurveDifferences(const SentCurves& sent, const SentCurves& readBack) {
  std::vector<std::string> differences;
  if (!SameCurve(sent.throttle, readBack.throttle)) differences.push_back("throttle curve");
  if (!SameCurve(sent.brake, readBack.brake)) differences.push_back("brake curve");
  if (!SameCurve(sent.boost, readBack.boost)) differences.push_back("boost curve");
  return differences;
}

std::vector<std::string> V1Differences(const V1SettingsBlock& sent, const V1SettingsBlock& readBack) {
  std::vector<std::string> differences;
  for (const auto& row : V1SettingsTable()) {
    if (row.setting == V1Setting::Bec && !sent.IsBecShown()) continue;
    if (sent[row.setting] != readBack[row.setting]) {
      differences.push_back(Difference("V1/" + row.caption, sent[row.setting], readBack[row.setting]));
    }
  }
  return differences;
}

std::string DescribeDifferences(const std::vector<std::string>& differences) {
  std::string text;
  const size_t named = std::min(differences.size(), kNamedDifferences);
  for (size_t i = 0; i < named; ++i) text += (i == 0 ? "" : ", ") + differences[i];
  if (differences.size() > named) text += " and " + std::to_string(differences.size() - named) + " more";
  return text;
}

}  // namespace vuriru
