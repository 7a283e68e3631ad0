// SPDX-License-Identifier: GPL-3.0-or-later
#include "comms/firmware/firmware_image.h"

#include "comms/firmware/firmware_messages.h"
#include "comms/firmware/record_protocol.h"

namespace vuriru {
namespace {

uint8_t Nibble(uint8_t c) {
  if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<uint8_t>(c - 'A' + 10);
  return 0;
}

// The file is read in text mode, where a CR LF line end arrives as one LF.
std::vector<uint8_t> TextModeCharacters(std::span<const uint8_t> text) {
  std::vector<uint8_t> chars;
  chars.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    chars.push_back(text[i]);
  }
  return chars;
}

}  // namespace

std::vector<uint8_t> DescrambleImage(std::span<const uint8_t> file) {
  std::vector<uint8_t> image(file.begin(), file.end());
  for (uint8_t& b : image) b ^= kFirmwareFileKey;
  return image;
}

std::vector<uint8_t> DecodeRecordText(std::span<const uint8_t> text) {
  const std::vector<uint8_t> chars = TextModeCharacters(text);
  std::vector<uint8_t> image(chars.size() / 2);
  for (size_t i = 0; i < image.size(); ++i) {
    image[i] = static_cast<uint8_t>(Nibble(chars[2 * i]) << 4 | Nibble(chars[2 * i + 1]));
  }
  return image;
}

UserText CheckBlockImage(std::span<const uint8_t> image) {
  if (image.empty()) return EmptyFirmwareFileMessage();
  if (image.size() > kBlockImageMaxLength) return BlockImageTooLargeMessage(image.size());
  if (image.size() < kBlockImageMinLength) return BlockImageTooShortMessage(image.size());
  return {};
}

UserText CheckRecordImage(std::span<const uint8_t> image) {
  if (image.empty()) return EmptyFirmwareFileMessage();
  if (image.size() > kFirmwareBufferLength) return FirmwareFileTooLargeMessage();
  return ScanRecords(image).error;
}

FirmwareImage LoadFirmwareImage(FirmwareKind kind, std::span<const uint8_t> file) {
  FirmwareImage result;
  result.kind = kind;
  if (UsesBlockProtocol(kind)) {
    // Checked on the file length first, so that a huge file is not copied.
    if (file.size() > kBlockImageMaxLength) {
      result.error = BlockImageTooLargeMessage(file.size());
      return result;
    }
    result.bytes = DescrambleImage(file);
    result.error = CheckBlockImage(result.bytes);
  } else {
    // At least one byte per four file bytes (CR LF pairs read as one
    // character), so a larger file cannot fit and is not decoded at all.
    if (file.size() / 4 > kFirmwareBufferLength) {
      result.error = FirmwareFileTooLargeMessage();
      return result;
    }
    result.bytes = DecodeRecordText(file);
    result.error = CheckRecordImage(result.bytes);
  }
  if (!result.Ok()) result.bytes.clear();
  return result;
}

}  // namespace vuriru
