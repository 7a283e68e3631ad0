// SPDX-License-Identifier: GPL-3.0-or-later
#include "comms/firmware/record_protocol.h"

#include "comms/firmware/firmware_messages.h"

namespace vuriru {

uint32_t RecordLengthAt(std::span<const uint8_t> image, uint32_t offset) {
  if (offset >= image.size() || image.size() - offset < 2) return 0;
  const uint32_t length = (static_cast<uint32_t>(image[offset]) << 8 | image[offset + 1]) + 2u;
  if (length > image.size() - offset) return 0;
  return length;
}

RecordScan ScanRecords(std::span<const uint8_t> image) {
  RecordScan scan;
  uint32_t offset = 0;
  while (offset < image.size()) {
    const uint32_t length = RecordLengthAt(image, offset);
    if (length == 0) {
      scan.records.clear();
      scan.error = RecordPastEndMessage(offset);
      return scan;
    }
    scan.records.push_back({offset, length});
    offset += length;
  }
  return scan;
}

}  // namespace vuriru
