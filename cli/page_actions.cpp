// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/page_actions.h"

#include "settings/settings_pages.h"
#include "settings/settings_table.h"

namespace vuriru {

namespace {

constexpr CurveNumber kEditorOrder[] = {CurveNumber::Boost, CurveNumber::Brake, CurveNumber::Throttle};

template <typename Fn>
void ForEachPageRow(Fn fn) {
  for (const PageTable* table : AllPageTables()) {
    for (const PageSettingRow& row : table->rows) fn(row);
  }
}

}  // namespace

void ClampIndexesToOptions(SettingsBlock& settings) {
  ForEachPageRow([&](const PageSettingRow& row) {
    if (row.options.empty()) return;
    const auto count = static_cast<int32_t>(row.options.size());
    int32_t& index = settings.Current(row.setting);
    if (index >= count) index = count - 1;
  });
}

void TakeImportedData(const EscData& data, SettingsBlock& settings, CurveSet& curves) {
  settings.current = data.settings.current;
  settings.runningLog = data.settings.runningLog;
  curves.boost.Stored() = data.boostCurve;
  curves.brake.Stored() = data.brakeCurve;
  curves.throttle.Stored() = data.throttleCurve;
  CollectLikePages(settings, curves);
}

void CollectLikePages(SettingsBlock& settings, CurveSet& curves) {
  ClampIndexesToOptions(settings);
  for (CurveNumber number : kEditorOrder) curves.For(number).LoadStoredCurve();
}

void ApplyFactoryValues(SettingsBlock& settings, CurveSet& curves) {
  ForEachPageRow([&](const PageSettingRow& row) {
    if (!row.restoredByDefault) return;
    settings.Current(row.setting) = row.curveSelector ? 0 : FactoryIndexFromOptions(row.options);
  });
  // The boost curve's default bends at the boost limit, so the reset comes
  // after the boost timing has its factory value.
  for (CurveNumber number : kEditorOrder) curves.For(number).ResetCurve();
  for (CurveNumber number : kEditorOrder) curves.For(number).StorePoints();
}

EscData CurrentEscData(const SettingsBlock& settings, const CurveSet& curves) {
  EscData data;
  data.settings = settings;
  data.boostCurve = curves.boost.Stored();
  data.brakeCurve = curves.brake.Stored();
  data.throttleCurve = curves.throttle.Stored();
  return data;
}

}  // namespace vuriru
