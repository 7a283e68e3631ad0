// SPDX-License-Identifier: GPL-3.0-or-later
#include "comms/engine/version_text.h"

#include <cstdio>

namespace vuriru {

namespace {
unsigned ByteAt(std::span<const uint8_t> reply, size_t i) {
  return i < reply.size() ? reply[i] : 0u;
}
constexpr uint8_t kMajorOneMark = 0xDD;
}  // namespace

std::string FormatConnectVersion(std::span<const uint8_t> reply) {
  char text[64];
  std::snprintf(text, sizeof text, "V%u.%02u_%2u%02u%u", ByteAt(reply, 1), ByteAt(reply, 3), ByteAt(reply, 5),
                ByteAt(reply, 6), ByteAt(reply, 7));
  return text;
}

std::string FormatSoftwareVersion(std::span<const uint8_t> reply) {
  unsigned major = ByteAt(reply, 2);
  if (major == kMajorOneMark) major = 1;
  char text[64];
  std::snprintf(text, sizeof text, "V%u.%02u_%02u%02u%02u", major, ByteAt(reply, 3), ByteAt(reply, 4), ByteAt(reply, 5),
                ByteAt(reply, 6));
  return text;
}

}  // namespace vuriru
