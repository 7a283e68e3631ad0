// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The *.DATA settings file: an 804-byte block holding the settings, the
// running log and the three stored curves, written to disk in reverse byte
// order. Encoding and decoding are pure: decoding returns a new value and the
// caller takes it over only when every check has passed.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "curves/stored_curve.h"
#include "settings/settings_block.h"

namespace vuriru {

inline constexpr size_t kDataFileSize = 804;

using DataFileBytes = std::array<uint8_t, kDataFileSize>;

// Everything a settings file carries, with the rest of the program's settings
// (factory indexes, page-only settings that are not in the file) alongside so
// that a decoded value can replace the program's copy as a whole.
struct EscData {
  SettingsBlock settings;
  StoredCurve boostCurve;
  StoredCurve brakeCurve;
  StoredCurve throttleCurve;
};

// The factory settings and the curves they give: what a file's values are
// laid over when nothing else is at hand.
EscData FactoryEscData();

inline constexpr const char* kImportErrorText = "Import file error!";
inline constexpr const char* kImportErrorCaption = "Import";
inline constexpr const char* kExportErrorText = "Export file error!";
inline constexpr const char* kExportErrorCaption = "Export";

struct DataFileExport {
  bool ok = false;
  DataFileBytes bytes{};  // file bytes, in the order they go to disk
  std::string message;    // when !ok: the message box text
  std::string caption;    // and its caption
};

struct DataFileImport {
  bool ok = false;
  EscData data;         // when ok: `base` with the file's values in it
  std::string message;  // when !ok: "Import file error!"
  std::string caption;  // and "Import"
};

// Builds the file bytes from the current indexes, the running log and the
// stored curves. Refused when the block's byte sum reaches 65536: the
// checksum field holds only 16 bits and the import compares it with the full
// sum, so such a file could never be read back.
DataFileExport EncodeDataFile(const EscData& data);

// Checks the file bytes (exactly 804 bytes, header 0x10 0xA0, length field
// 804, checksum, three curves the editor could have made) and returns `base`
// with the file's settings, running log and curve sections in it. Any failed
// check gives "Import file error!" and leaves nothing decoded.
DataFileImport DecodeDataFile(std::span<const uint8_t> file, const EscData& base);

}  // namespace vuriru
