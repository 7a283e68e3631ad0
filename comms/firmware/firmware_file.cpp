// SPDX-License-Identifier: GPL-3.0-or-later
#include "comms/firmware/firmware_file.h"

#include <fstream>
#include <vector>

#include "comms/firmware/firmware_messages.h"

namespace vuriru {
namespace {

// One byte more than the largest acceptable file, so that "too large" is
// still recognised by the loader.
size_t ReadLimit(FirmwareKind kind) {
  return UsesBlockProtocol(kind) ? kBlockImageMaxLength + 1 : 4 * static_cast<size_t>(kFirmwareBufferLength) + 4;
}

}  // namespace

FirmwareImage ReadFirmwareFile(const std::string& path, FirmwareKind kind) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    FirmwareImage failed;
    failed.kind = kind;
    failed.error = FirmwareFileUnreadableMessage(path);
    return failed;
  }
  std::vector<uint8_t> bytes(ReadLimit(kind));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(in.gcount()));
  return LoadFirmwareImage(kind, bytes);
}

}  // namespace vuriru
