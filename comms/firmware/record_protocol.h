// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record protocol of *.xup images: the image is a run of records, each a
// big-endian 16-bit length n followed by n bytes, and every record goes out
// whole (n + 2 bytes) and is answered on its own: 0x11 accepted, 0x12
// refused, anything else a bad answer (the record is sent again, at most four
// bad answers per record).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/user_text.h"

namespace vuriru {

inline constexpr uint8_t kRecordStart = 0xD6;
inline constexpr uint8_t kRecordStartAnswer = 0xD7;
inline constexpr uint8_t kRecordAccepted = 0x11;
inline constexpr uint8_t kRecordRefused = 0x12;
inline constexpr uint8_t kMaxBadAnswersPerRecord = 4;

struct FirmwareRecord {
  uint32_t offset = 0;
  uint32_t length = 0;  // the two length bytes included
};

struct RecordScan {
  std::vector<FirmwareRecord> records;
  // Empty when every record lies wholly inside the image.
  UserText error;
};

// Walks the records from the start of the image. A record whose length bytes
// or contents run past the end of the image makes the scan fail, naming the
// byte where that record starts.
RecordScan ScanRecords(std::span<const uint8_t> image);

// The length of the record at `offset`, its two length bytes included, or 0
// when it does not lie wholly inside the image.
uint32_t RecordLengthAt(std::span<const uint8_t> image, uint32_t offset);

}  // namespace vuriru
