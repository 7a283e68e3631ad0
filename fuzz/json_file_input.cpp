// SPDX-License-Identifier: GPL-3.0-or-later
// The text of a JSON settings file, imported onto the program's present
// settings and curves, and exported again as the next export would.

#include <algorithm>

#include "files/json_settings_file.h"
#include "files/settings_keys.h"
#include "fuzz/entry_points.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/import_base.h"
#include "settings/settings_table.h"

namespace vuriru::fuzz {
namespace {

void RequireSoundImport(const EscData& imported, const EscData& base) {
  for (const SettingRow& row : SettingsTable()) {
    Require(imported.settings.Factory(row.setting) == base.settings.Factory(row.setting),
            "an import never changes a factory index");
    if (row.fileOffset == kNotCarried) {
      Require(imported.settings.Current(row.setting) == base.settings.Current(row.setting),
              "a setting the file does not hold keeps its value");
    }
  }
  for (const FileSettingKey& entry : FileSettingKeys()) {
    const int32_t index = imported.settings.Current(entry.setting);
    Require(index == base.settings.Current(entry.setting) ||
                (index >= 0 && index < static_cast<int32_t>(entry.options->size())),
            "an imported index names an option of its list");
  }
  for (uint32_t value : imported.settings.runningLog) Require(value <= 65535, "a running-log value fits the file");
  const StoredCurve EscData::*curves[] = {&EscData::boostCurve, &EscData::brakeCurve, &EscData::throttleCurve};
  for (const auto curve : curves) {
    Require(IsPossibleCurve(imported.*curve), "an imported curve is one the editor could have made");
    Require(std::equal((imported.*curve).table.begin() + kSampleCount, (imported.*curve).table.end(),
                       (base.*curve).table.begin() + kSampleCount),
            "sampled entries past the 40 the curve has keep their values");
  }
}

}  // namespace

int JsonFileInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), data == nullptr ? 0 : size);
  const EscData base = ImportBase();
  const JsonFileImport imported = DecodeJsonFile(text, base);
  if (!imported.ok) {
    Require(!imported.problem.empty() && imported.caption == kImportErrorCaption &&
                imported.message == std::string(kImportErrorText) + " " + imported.problem,
            "a refused file says \"Import file error!\" and why");
    return 0;
  }
  RequireSoundImport(imported.data, base);

  // Exported again, the file imports whole, without a warning, to the same
  // settings, running log and curve points.
  const std::string exported = EncodeJsonFile(imported.data, imported.software);
  const JsonFileImport again = DecodeJsonFile(exported, base);
  Require(again.ok, "an exported file imports");
  Require(again.warnings.empty(), "an exported file imports without a warning");
  Require(again.software == imported.software, "the software version travels");
  Require(again.data.settings.current == imported.data.settings.current &&
              again.data.settings.runningLog == imported.data.settings.runningLog,
          "export then import gives the same settings and running log");
  Require(StoredPoints(again.data.boostCurve) == StoredPoints(imported.data.boostCurve) &&
              StoredPoints(again.data.brakeCurve) == StoredPoints(imported.data.brakeCurve) &&
              StoredPoints(again.data.throttleCurve) == StoredPoints(imported.data.throttleCurve),
          "export then import gives the same curve points");
  return 0;
}

}  // namespace vuriru::fuzz
