// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Firmware images from file bytes. A file is decoded into the image the
// device receives and checked before anything is sent, so that a transfer
// never starts with an image it cannot finish safely:
// - *.xut and *.hgm: every file byte XOR 0x5B. The block protocol announces
//   the size in 16 bits, so the image holds at most 65535 bytes, and its first
//   block is always a full 512-byte block, so it holds more than 512 bytes.
// - *.xup: pairs of characters read as hexadecimal nibbles ('0'-'9', 'A'-'F';
//   every other character, lower-case digits included, reads as 0; a trailing
//   single character is ignored). The image is a run of records, each a
//   big-endian 16-bit length n and n bytes; every record must end inside the
//   image, and the image must fit the 262144-byte firmware buffer.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/user_text.h"
#include "comms/firmware/firmware_kind.h"

namespace vuriru {

inline constexpr uint8_t kFirmwareFileKey = 0x5B;
inline constexpr uint32_t kFirmwareBufferLength = 262144;
inline constexpr uint32_t kBlockImageMaxLength = 65535;
// Images of at most one block cannot go out: the first block is always sent
// whole and the last block needs 1 to 512 bytes of its own behind it.
inline constexpr uint32_t kBlockImageMinLength = 513;

struct FirmwareImage {
  FirmwareKind kind = FirmwareKind::kRecords;
  std::vector<uint8_t> bytes;
  // Empty when the image may be sent; otherwise a sentence for the user.
  UserText error;

  bool Ok() const { return error.empty(); }
  uint32_t Size() const { return static_cast<uint32_t>(bytes.size()); }
};

// Plain decoders, without checks.
std::vector<uint8_t> DescrambleImage(std::span<const uint8_t> file);
std::vector<uint8_t> DecodeRecordText(std::span<const uint8_t> text);

// Decodes the file bytes of the given kind and checks the result.
FirmwareImage LoadFirmwareImage(FirmwareKind kind, std::span<const uint8_t> file);

// The checks alone, on an image already decoded: empty when it may be sent.
UserText CheckBlockImage(std::span<const uint8_t> image);
UserText CheckRecordImage(std::span<const uint8_t> image);

}  // namespace vuriru
