// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes of a *.DATA file, imported onto the program's present settings
// and curves, and exported again as the next "Export Esc Data" would.

#include <algorithm>

#include "files/data_file_codec.h"
#include "fuzz/entry_points.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/import_base.h"
#include "settings/settings_table.h"

namespace vuriru::fuzz {
namespace {

bool SameCurve(const StoredCurve& a, const StoredCurve& b) {
  return a.x == b.x && a.y == b.y && a.table == b.table;
}

void RequireBaseOutsideTheFile(const EscData& imported, const EscData& base) {
  for (const SettingRow& row : SettingsTable()) {
    Require(imported.settings.Factory(row.setting) == base.settings.Factory(row.setting),
            "an import never changes a factory index");
    if (row.fileOffset == kNotCarried) {
      Require(imported.settings.Current(row.setting) == base.settings.Current(row.setting),
              "a setting the file does not hold keeps its value");
    }
  }
  const StoredCurve EscData::*curves[] = {&EscData::boostCurve, &EscData::brakeCurve, &EscData::throttleCurve};
  for (const auto curve : curves) {
    Require(IsPossibleCurve(imported.*curve), "an imported curve is one the editor could have made");
    Require(std::equal((imported.*curve).table.begin() + 50, (imported.*curve).table.end(),
                       (base.*curve).table.begin() + 50),
            "sampled entries the file does not hold keep their values");
  }
}

}  // namespace

int DataFileInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> file(data, size);
  const EscData base = ImportBase();
  const DataFileImport imported = DecodeDataFile(file, base);
  if (!imported.ok) {
    Require(imported.message == kImportErrorText && imported.caption == kImportErrorCaption,
            "a refused file says \"Import file error!\"");
    return 0;
  }
  Require(size == kDataFileSize, "only an 804-byte file is imported");
  RequireBaseOutsideTheFile(imported.data, base);

  // Exported again, the file comes back byte for byte, but for the bytes the
  // import does not look at (block bytes 8..15 and the pad byte 803) and the
  // checksum over them.
  const DataFileExport exported = EncodeDataFile(imported.data);
  if (!exported.ok) return 0;  // a byte sum past 16 bits, which the export refuses
  for (size_t i = 0; i < kDataFileSize; ++i) {
    const size_t blockOffset = kDataFileSize - 1 - i;
    if ((blockOffset >= 6 && blockOffset < 16) || blockOffset == kDataFileSize - 1) continue;
    Require(exported.bytes[i] == file[i], "an imported file exports as it was");
  }
  const DataFileImport again = DecodeDataFile(exported.bytes, base);
  Require(again.ok, "an exported file imports");
  Require(again.data.settings.current == imported.data.settings.current &&
              again.data.settings.runningLog == imported.data.settings.runningLog &&
              SameCurve(again.data.boostCurve, imported.data.boostCurve) &&
              SameCurve(again.data.brakeCurve, imported.data.brakeCurve) &&
              SameCurve(again.data.throttleCurve, imported.data.throttleCurve),
          "export then import gives the same data");
  return 0;
}

}  // namespace vuriru::fuzz
