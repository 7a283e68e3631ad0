// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two version texts the engine formats from the replies: the adapter's
// connect version and the controller's software version.

#include <cstdint>
#include <span>
#include <string>

namespace vuriru {

// "V%d.%02d_%2d%02d%d" of bytes 1, 3, 5, 6 and 7 of the connect version reply
// (at least 8 bytes; missing bytes count as 0).
std::string FormatConnectVersion(std::span<const uint8_t> reply);

// "V%d.%02d_%02d%02d%02d" of bytes 2..6 of the 7-byte software version reply.
// Controllers report major version 1 as 0xDD, so that byte reads as 1.
std::string FormatSoftwareVersion(std::span<const uint8_t> reply);

}  // namespace vuriru
