// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/data_file_codec.h"

#include <algorithm>

#include "curves/curve_set.h"
#include "settings/settings_table.h"

namespace vuriru {

namespace {

// Block layout (before the bytes are reversed for the disk).
constexpr uint8_t kMagic0 = 0x10;
constexpr uint8_t kMagic1 = 0xA0;
constexpr size_t kLengthAt = 2;    // 4 bytes, little-endian
constexpr size_t kChecksumAt = 6;  // 2 bytes, little-endian
constexpr size_t kVersionAt = 9;   // always 1; not checked on import
constexpr size_t kBoostCurveAt = 53;
constexpr size_t kBrakeCurveAt = 303;
constexpr size_t kThrottleCurveAt = 553;

// One curve section: the first 50 sampled values, then all 100 stored x and
// all 100 stored y.
constexpr size_t kSectionTableLength = 50;
constexpr size_t kCurveSectionLength = kSectionTableLength + 2 * kStoredCurveLength;
static_assert(kThrottleCurveAt + kCurveSectionLength + 1 == kDataFileSize, "the pad byte ends the block");

using Block = std::array<uint8_t, kDataFileSize>;

// The sum of every block byte, with the checksum field counted as zero.
uint32_t BlockSum(const Block& block) {
  uint32_t sum = 0;
  for (size_t i = 0; i < block.size(); ++i) {
    if (i != kChecksumAt && i != kChecksumAt + 1) sum += block[i];
  }
  return sum;
}

void PutCurve(const StoredCurve& curve, size_t at, Block& block) {
  std::copy_n(curve.table.begin(), kSectionTableLength, block.begin() + at);
  std::copy(curve.x.begin(), curve.x.end(), block.begin() + at + kSectionTableLength);
  std::copy(curve.y.begin(), curve.y.end(), block.begin() + at + kSectionTableLength + kStoredCurveLength);
}

// Entries 50..99 of the sampled table are not in the file and stay as they were.
void TakeCurve(const Block& block, size_t at, StoredCurve& curve) {
  std::copy_n(block.begin() + at, kSectionTableLength, curve.table.begin());
  std::copy_n(block.begin() + at + kSectionTableLength, kStoredCurveLength, curve.x.begin());
  std::copy_n(block.begin() + at + kSectionTableLength + kStoredCurveLength, kStoredCurveLength, curve.y.begin());
}

DataFileImport ImportError() {
  DataFileImport result;
  result.message = kImportErrorText;
  result.caption = kImportErrorCaption;
  return result;
}

}  // namespace

DataFileExport EncodeDataFile(const EscData& data) {
  Block block{};
  for (const SettingRow& row : SettingsTable()) {
    if (row.fileOffset == kNotCarried) continue;
    block[static_cast<size_t>(row.fileOffset)] = static_cast<uint8_t>(data.settings.Current(row.setting) & 0xFF);
  }
  for (const RunningLogRow& row : RunningLogTable()) {
    const uint32_t value = data.settings.Log(row.value);
    for (int i = 0; i < row.fileLength; ++i) {
      block[static_cast<size_t>(row.fileOffset + i)] = static_cast<uint8_t>((value >> (8 * i)) & 0xFF);
    }
  }
  PutCurve(data.boostCurve, kBoostCurveAt, block);
  PutCurve(data.brakeCurve, kBrakeCurveAt, block);
  PutCurve(data.throttleCurve, kThrottleCurveAt, block);

  block[0] = kMagic0;
  block[1] = kMagic1;
  for (size_t i = 0; i < 4; ++i) block[kLengthAt + i] = static_cast<uint8_t>((kDataFileSize >> (8 * i)) & 0xFF);
  block[kVersionAt] = 1;
  const uint32_t sum = BlockSum(block);

  DataFileExport result;
  if (sum > 0xFFFF) {
    result.message = kExportErrorText;
    result.caption = kExportErrorCaption;
    return result;
  }
  block[kChecksumAt] = static_cast<uint8_t>(sum & 0xFF);
  block[kChecksumAt + 1] = static_cast<uint8_t>(sum >> 8);
  std::reverse_copy(block.begin(), block.end(), result.bytes.begin());
  result.ok = true;
  return result;
}

DataFileImport DecodeDataFile(std::span<const uint8_t> file, const EscData& base) {
  if (file.size() != kDataFileSize) return ImportError();
  Block block{};
  std::reverse_copy(file.begin(), file.end(), block.begin());

  if (block[0] != kMagic0 || block[1] != kMagic1) return ImportError();
  uint32_t length = 0;
  for (size_t i = 0; i < 4; ++i) length |= static_cast<uint32_t>(block[kLengthAt + i]) << (8 * i);
  if (length != file.size()) return ImportError();
  const uint32_t stored = block[kChecksumAt] | (static_cast<uint32_t>(block[kChecksumAt + 1]) << 8);
  if (BlockSum(block) != stored) return ImportError();

  DataFileImport result;
  result.data = base;
  TakeCurve(block, kBoostCurveAt, result.data.boostCurve);
  TakeCurve(block, kBrakeCurveAt, result.data.brakeCurve);
  TakeCurve(block, kThrottleCurveAt, result.data.throttleCurve);
  // A damaged or hand-edited file must never put an impossible curve on a controller.
  if (!IsPossibleCurve(result.data.boostCurve) || !IsPossibleCurve(result.data.brakeCurve) ||
      !IsPossibleCurve(result.data.throttleCurve)) {
    return ImportError();
  }

  for (const SettingRow& row : SettingsTable()) {
    if (row.fileOffset == kNotCarried) continue;
    result.data.settings.Current(row.setting) = block[static_cast<size_t>(row.fileOffset)];
  }
  for (const RunningLogRow& row : RunningLogTable()) {
    uint32_t value = 0;
    for (int i = 0; i < row.fileLength; ++i) {
      value |= static_cast<uint32_t>(block[static_cast<size_t>(row.fileOffset + i)]) << (8 * i);
    }
    result.data.settings.Log(row.value) = value;
  }
  result.ok = true;
  return result;
}

EscData FactoryEscData() {
  EscData data;
  LoadFactorySettings(data.settings);
  const CurveSet curves(data.settings);
  data.boostCurve = curves.boost.Stored();
  data.brakeCurve = curves.brake.Stored();
  data.throttleCurve = curves.throttle.Stored();
  return data;
}

}  // namespace vuriru
