// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The firmware files the engine scenarios update with, one per kind, small so
// that a whole transfer takes few ticks. They are written once per process
// into a folder of their own under the temporary folder, which goes when the
// process ends normally.

#include <cstdint>
#include <string>
#include <vector>

#include "comms/firmware/firmware_kind.h"

namespace vuriru::fuzz {

// The image as the device receives it: 1100 bytes for the display box (two
// full blocks and a short one), 700 for a V1 controller (one and a short
// one), and for *.xup five records of up to 60 bytes whose bodies avoid the
// probe bytes, which a loader takes as the end of a transfer.
std::vector<uint8_t> FirmwareTestImage(FirmwareKind kind);

// The bytes of a file of that kind holding FirmwareTestImage: scrambled for
// *.xut and *.hgm, hexadecimal text for *.xup.
std::vector<uint8_t> FirmwareTestFileBytes(FirmwareKind kind);

// The path of that file.
const std::string& FirmwareTestFile(FirmwareKind kind);

}  // namespace vuriru::fuzz
