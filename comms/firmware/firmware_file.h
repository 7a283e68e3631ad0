// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a firmware file from disk and turns it into a checked image. Only as
// much of the file is read as could still make an acceptable image, so an
// oversized file is refused without being loaded whole.

#include <string>

#include "comms/firmware/firmware_image.h"

namespace vuriru {

FirmwareImage ReadFirmwareFile(const std::string& path, FirmwareKind kind);

}  // namespace vuriru
