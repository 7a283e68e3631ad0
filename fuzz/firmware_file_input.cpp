// SPDX-License-Identifier: GPL-3.0-or-later
// Firmware files as the update reads them: *.xup text decoded into records,
// *.xut and *.hgm bytes descrambled into the image that goes out in 512-byte
// blocks. Whatever is accepted must be an image the transfer can carry whole.

#include "comms/firmware/block_protocol.h"
#include "comms/firmware/firmware_image.h"
#include "comms/firmware/record_protocol.h"
#include "fuzz/entry_points.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"

namespace vuriru::fuzz {

int RecordFileInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> text(data, size);
  const FirmwareImage image = LoadFirmwareImage(FirmwareKind::kRecords, text);
  if (!image.Ok()) {
    Require(image.bytes.empty(), "a refused image holds nothing to send");
    return 0;
  }
  Require(!image.bytes.empty() && image.Size() <= kFirmwareBufferLength, "an image fits the firmware buffer");
  Require(image.bytes == DecodeRecordText(text), "the image is the decoded text");
  // The records tile the image: the transfer walks them from the start and
  // must land exactly on its end.
  const RecordScan scan = ScanRecords(image.bytes);
  Require(scan.error.empty() && !scan.records.empty(), "an accepted image is a run of records");
  uint32_t offset = 0;
  for (const FirmwareRecord& record : scan.records) {
    Require(record.offset == offset && record.length >= 2, "records follow one another");
    Require(RecordLengthAt(image.bytes, offset) == record.length, "the transfer sees the same record");
    offset += record.length;
  }
  Require(offset == image.Size(), "the last record ends the image");
  return 0;
}

int BlockFileInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const FirmwareKind kind = (input.Byte() & 1) != 0 ? FirmwareKind::kV1Image : FirmwareKind::kBoxImage;
  const std::span<const uint8_t> file = input.Take(input.Left());
  const FirmwareImage image = LoadFirmwareImage(kind, file);
  if (!image.Ok()) {
    Require(image.bytes.empty(), "a refused image holds nothing to send");
    return 0;
  }
  Require(image.Size() >= kBlockImageMinLength && image.Size() <= kBlockImageMaxLength,
          "a block image is more than one block and its size fits 16 bits");
  Require(image.Size() == file.size(), "descrambling keeps the length");
  for (size_t i = 0; i < file.size(); ++i) {
    Require(image.bytes[i] == (file[i] ^ kFirmwareFileKey), "every byte is descrambled with the key");
  }

  // The frames the transfer sends carry the image exactly once, in order.
  const std::vector<std::vector<uint8_t>> frames = PlanBlockFrames(image.bytes);
  Require(frames.size() >= 7, "size, header, blocks, last length, last block, finish, confirm");
  std::vector<uint8_t> carried;
  for (size_t i = 2; i + 4 < frames.size(); ++i) {
    Require(frames[i].size() == kBlockLength, "every block before the last is full");
    carried.insert(carried.end(), frames[i].begin(), frames[i].end());
  }
  const std::vector<uint8_t>& last = frames[frames.size() - 3];
  Require(!last.empty() && last.size() <= kBlockLength, "the last block holds 1 to 512 bytes");
  Require(frames[frames.size() - 4] ==
              std::vector<uint8_t>{static_cast<uint8_t>(last.size() >> 8), static_cast<uint8_t>(last.size() & 0xFF)},
          "the last block's length goes before it");
  carried.insert(carried.end(), last.begin(), last.end());
  Require(carried == image.bytes, "the blocks carry the image");
  return 0;
}

}  // namespace vuriru::fuzz
