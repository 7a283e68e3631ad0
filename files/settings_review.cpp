// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/settings_review.h"

#include "curves/curve_set.h"
#include "files/settings_keys.h"
#include "settings/settings_pages.h"

namespace vuriru {

namespace {

// Throttle, brake, boost: the order the pages and the files list them in.
constexpr CurveNumber kCurveOrder[] = {CurveNumber::Throttle, CurveNumber::Brake, CurveNumber::Boost};

const StoredCurve& CurveOf(const EscData& data, CurveNumber number) {
  switch (number) {
    case CurveNumber::Boost:
      return data.boostCurve;
    case CurveNumber::Brake:
      return data.brakeCurve;
    case CurveNumber::Throttle:
      break;
  }
  return data.throttleCurve;
}

std::string OptionShown(const std::vector<std::string>& options, int32_t index) {
  if (index < 0 || index >= static_cast<int32_t>(options.size())) {
    return "index " + std::to_string(index) + ", outside its list";
  }
  return options[static_cast<size_t>(index)];
}

}  // namespace

ChangeList CompareEscData(const EscData& from, const EscData& to, ReviewScope scope) {
  ChangeList changes;
  for (const FileSettingKey& entry : FileSettingKeys()) {
    if (scope == ReviewScope::kStored && !entry.stored) continue;
    // The frame and the file carry the low byte of each index.
    const int32_t before = from.settings.Current(entry.setting) & 0xFF;
    const int32_t after = to.settings.Current(entry.setting) & 0xFF;
    if (before == after) continue;
    changes.settings.push_back({entry.setting, entry.key, before, after, OptionShown(*entry.options, before),
                                OptionShown(*entry.options, after), entry.options});
  }
  for (CurveNumber number : kCurveOrder) {
    if (StoredPoints(CurveOf(from, number)) != StoredPoints(CurveOf(to, number))) changes.curves.push_back(number);
  }
  return changes;
}

std::vector<std::string> ChangeLines(const ChangeList& changes) {
  std::vector<std::string> lines;
  for (const SettingChange& change : changes.settings) {
    lines.push_back(change.key + ": " + change.fromText + " \u2192 " + change.toText);
  }
  for (CurveNumber number : changes.curves) lines.push_back(std::string(CurveName(number)) + " curve changes");
  return lines;
}

std::string ReviewText(const std::string& firstLine, const ChangeList& changes) {
  std::string text = firstLine + "\n";
  if (changes.Empty()) return text + "\n" + kNothingChanges;
  for (const std::string& line : ChangeLines(changes)) text += "\n" + line;
  return text;
}

EscData DefaultEscData(const EscData& current) {
  EscData result = current;
  for (const PageTable* table : AllPageTables()) {
    for (const PageSettingRow& row : table->rows) {
      if (!row.restoredByDefault) continue;
      result.settings.Current(row.setting) = row.curveSelector ? 0 : FactoryIndexFromOptions(row.options);
    }
  }
  // The boost curve's default bends at the boost limit, so the reset comes
  // after the boost timing has its factory value.
  CurveSet curves(result.settings);
  curves.boost.Stored() = result.boostCurve;
  curves.brake.Stored() = result.brakeCurve;
  curves.throttle.Stored() = result.throttleCurve;
  for (CurveModel* model : {&curves.boost, &curves.brake, &curves.throttle}) {
    model->ResetCurve();
    model->StorePoints();
  }
  result.boostCurve = curves.boost.Stored();
  result.brakeCurve = curves.brake.Stored();
  result.throttleCurve = curves.throttle.Stored();
  return result;
}

}  // namespace vuriru
